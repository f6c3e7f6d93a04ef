// The command table: every command's id, place in the menus, shortcuts, toolbar icon, status
// prompt and tooltip. The main window builds its menus, toolbar and shortcuts from it.
#pragma once

#include <vector>

struct SCommand
{
    // 0 for a separator.
    int nId;
    // The popup that holds the item, submenus joined by "/" ("&Visualizza/Calcoli"); none for a
    // command reached only by shortcut or toolbar.
    const char* pszMenu;
    // The item text, with the shortcut as the menu shows it after a TAB.
    const char* pszText;
    // The key sequences that run it, separated by "; ".
    const char* pszShortcuts;
    // The desktop theme's icon for the toolbar, and our own SVG when the theme has none.
    const char* pszIcon;
    const char* pszIconFile;
    // The status-bar prompt, then after "\n" the tooltip.
    const char* pszPrompt;
};

class CCommandTable
{
public:
    // Command ids that the shell itself needs.
    enum
    {
        ID_FILE_NEW = 57600,
        ID_FILE_OPEN = 57601,
        ID_FILE_PRINT_SETUP = 57606,
        ID_EDIT_COPY = 57634,
        ID_EDIT_CUT = 57635,
        ID_EDIT_PASTE = 57637,
        ID_EDIT_UNDO = 57643,
        ID_EDIT_REDO = 57644,
        ID_APP_ABOUT = 57664,
        ID_APP_EXIT = 57665,
        ID_NEXT_PANE = 57680,
        ID_PREV_PANE = 57681,
        ID_VIEW_TOOLBAR = 59392,
        ID_VIEW_STATUS_BAR = 59393,
    };

    // Every command once, in menu order, separators included.
    static const std::vector<SCommand>& Commands();
    // The toolbar's buttons from left to right, 0 for a gap.
    static const std::vector<int>& Toolbar();
    // The row of nId, or none.
    static const SCommand* Find(int nId);
};
