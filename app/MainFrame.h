// The main window: menus, toolbar, shortcuts and status bar built from the command table, and the
// routing of every command to the view, the document, the frame and the application in turn.
#pragma once

#include <QMainWindow>
#include <functional>
#include <map>
#include <vector>

#include "platform/CmdTarget.h"

class QAction;
class QLabel;
class QMenu;
class QToolBar;

class CMainFrame : public QMainWindow, public CCmdTarget
{
    Q_OBJECT

public:
    CMainFrame();
    ~CMainFrame() override;

    // The targets a command is offered to, in order; the frame itself comes after the document.
    void SetRoute(CCmdTarget* pView, CCmdTarget* pDocument, CCmdTarget* pApplication);
    // Runs the command's handler in the first target that has one; false when none has.
    bool RouteCommand(int nId);
    // Enables, disables and ticks every action as its target says; a command no target handles
    // is disabled.
    void UpdateCommandStates();
    // The window title "<document> - Scafometro", with the modified mark.
    void UpdateTitle(const std::string& strDocument, bool bModified);

    QAction* Action(int nId) const;
    QToolBar* ToolBar() const { return m_pToolBar; }
    // The text of the status bar's message pane.
    QString StatusMessage() const;

    // Asked before the window closes; false keeps it open.
    std::function<bool()> m_canClose;

    static const char* const kIdleMessage;

protected:
    void closeEvent(QCloseEvent* pEvent) override;
    bool event(QEvent* pEvent) override;
    bool eventFilter(QObject* pObject, QEvent* pEvent) override;

private:
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    QMenu* MenuFor(const char* pszPath);
    void ShowPrompt(const QString& strPrompt);
    void UpdateIndicators();

    std::vector<CCmdTarget*> m_route;
    std::map<int, QAction*> m_actions;
    std::map<QString, QMenu*> m_menus;
    QToolBar* m_pToolBar = nullptr;
    QLabel* m_pMessage = nullptr;
    QLabel* m_pCaps = nullptr;
    QLabel* m_pNum = nullptr;
    QLabel* m_pScroll = nullptr;
    bool m_bCaps = false;
    bool m_bNum = false;
    bool m_bScroll = false;
    // While a menu is open its items' prompts show, each even when empty.
    int m_nMenusOpen = 0;
};
