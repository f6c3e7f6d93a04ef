// The command table: every command's id, place in the menus, shortcuts, toolbar icon, status
// prompt and tooltip. The main window builds its menus, toolbar and shortcuts from it.
#pragma once

#include <vector>

#include "platform/CommandIds.h"

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
    // Every command once, in menu order, separators included.
    static const std::vector<SCommand>& Commands();
    // The toolbar's buttons from left to right, 0 for a gap.
    static const std::vector<int>& Toolbar();
    // The row of nId, or none.
    static const SCommand* Find(int nId);
};
