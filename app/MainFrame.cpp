// The main window, built from the command table.
#include "app/MainFrame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <algorithm>

#include "app/CommandTable.h"

static void InitResources()
{
    Q_INIT_RESOURCE(scafometro);
}

namespace
{
QString Prompt(const SCommand& command)
{
    return QString::fromUtf8(command.pszPrompt ? command.pszPrompt : "").section('\n', 0, 0);
}

QString Tooltip(const SCommand& command)
{
    const QString strPrompt = QString::fromUtf8(command.pszPrompt ? command.pszPrompt : "");
    return strPrompt.contains('\n') ? strPrompt.section('\n', 1).trimmed() : QString();
}
} // namespace

const char* const CMainFrame::kIdleMessage = "Pronto";

CMainFrame::CMainFrame()
{
    InitResources();
    setWindowIcon(QIcon(QStringLiteral(":/icons/scafometro.svg")));
    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    OnCommand(ID_VIEW_TOOLBAR, [this] { m_pToolBar->setVisible(!m_pToolBar->isVisible()); });
    OnUpdateCommand(ID_VIEW_TOOLBAR, [this](CCmdUI& ui) { ui.SetCheck(m_pToolBar->isVisible()); });
    OnCommand(ID_VIEW_STATUS_BAR, [this] { statusBar()->setVisible(!statusBar()->isVisible()); });
    OnUpdateCommand(ID_VIEW_STATUS_BAR, [this](CCmdUI& ui) { ui.SetCheck(statusBar()->isVisible()); });
    qApp->installEventFilter(this);
    resize(1000, 680);
}

CMainFrame::~CMainFrame()
{
    qApp->removeEventFilter(this);
}

void CMainFrame::SetRoute(CCmdTarget* pView, CCmdTarget* pDocument, CCmdTarget* pApplication)
{
    m_route = {pView, pDocument, this, pApplication};
    UpdateCommandStates();
}

bool CMainFrame::RouteCommand(int nId)
{
    bool bHandled = false;
    for (CCmdTarget* pTarget : m_route)
    {
        if (pTarget && pTarget->OnCmdMsg(nId))
        {
            bHandled = true;
            break;
        }
    }
    UpdateCommandStates();
    return bHandled;
}

void CMainFrame::UpdateCommandStates()
{
    for (const auto& [nId, pAction] : m_actions)
    {
        CCmdUI ui;
        bool bHandled = false;
        for (CCmdTarget* pTarget : m_route)
        {
            if (pTarget && pTarget->OnUpdateCmdUI(nId, ui))
            {
                bHandled = true;
                break;
            }
        }
        pAction->setEnabled(bHandled && ui.m_bEnabled);
        pAction->setCheckable(ui.m_bCheckable);
        pAction->setChecked(ui.m_bChecked);
    }
}

void CMainFrame::UpdateTitle(const std::string& strDocument, bool bModified)
{
    setWindowTitle(QString::fromStdString(strDocument) + QStringLiteral("[*] - Scafometro"));
    setWindowModified(bModified);
}

QAction* CMainFrame::Action(int nId) const
{
    const auto action = m_actions.find(nId);
    return action == m_actions.end() ? nullptr : action->second;
}

QString CMainFrame::StatusMessage() const
{
    return m_pMessage->text();
}

void CMainFrame::CreateActions()
{
    for (const SCommand& command : CCommandTable::Commands())
    {
        if (command.nId == 0)
            continue;
        auto* pAction = new QAction(QString::fromUtf8(command.pszText ? command.pszText : ""), this);
        pAction->setShortcuts(QKeySequence::listFromString(QString::fromUtf8(command.pszShortcuts)));
        pAction->setShortcutContext(Qt::WindowShortcut);
        if (command.pszIcon)
            pAction->setIcon(QIcon::fromTheme(QString::fromUtf8(command.pszIcon),
                                              QIcon(QStringLiteral(":/icons/") + command.pszIconFile)));
        pAction->setStatusTip(Prompt(command));
        const QString strTip = Tooltip(command);
        pAction->setToolTip(
            strTip.isEmpty()
                ? QString::fromUtf8(command.pszText ? command.pszText : "").section('\t', 0, 0).remove('&')
                : strTip);
        const int nId = command.nId;
        connect(pAction, &QAction::triggered, this, [this, nId] { RouteCommand(nId); });
        connect(pAction, &QAction::hovered, this, [this, pAction] {
            if (m_nMenusOpen > 0)
                ShowPrompt(pAction->statusTip());
        });
        // Reached by its shortcut wherever the focus is in the window, menu or not.
        addAction(pAction);
        m_actions[nId] = pAction;
    }
}

QMenu* CMainFrame::MenuFor(const char* pszPath)
{
    const QString strPath = QString::fromUtf8(pszPath);
    const auto found = m_menus.find(strPath);
    if (found != m_menus.end())
        return found->second;
    QMenu* pMenu = nullptr;
    const int nSlash = strPath.lastIndexOf('/');
    if (nSlash < 0)
        pMenu = menuBar()->addMenu(strPath);
    else
        pMenu = MenuFor(strPath.left(nSlash).toUtf8().constData())->addMenu(strPath.mid(nSlash + 1));
    // "&Modifica" begins with a separator, and shows it.
    pMenu->setSeparatorsCollapsible(false);
    // A submenu opens and closes inside its menu, which stays open.
    connect(pMenu, &QMenu::aboutToShow, this, [this] {
        ++m_nMenusOpen;
        UpdateCommandStates();
    });
    connect(pMenu, &QMenu::aboutToHide, this, [this] {
        m_nMenusOpen = std::max(m_nMenusOpen - 1, 0);
        ShowPrompt(QString());
    });
    m_menus[strPath] = pMenu;
    return pMenu;
}

void CMainFrame::CreateMenus()
{
    for (const SCommand& command : CCommandTable::Commands())
    {
        if (!command.pszMenu)
            continue;
        QMenu* pMenu = MenuFor(command.pszMenu);
        if (command.nId == 0)
            pMenu->addSeparator();
        else
            pMenu->addAction(m_actions[command.nId]);
    }
}

void CMainFrame::CreateToolBar()
{
    m_pToolBar = addToolBar(QStringLiteral("Barra degli strumenti"));
    m_pToolBar->setObjectName(QStringLiteral("toolbar"));
    m_pToolBar->setIconSize(QSize(16, 16));
    m_pToolBar->setMovable(true);
    m_pToolBar->setAllowedAreas(Qt::AllToolBarAreas);
    for (int nId : CCommandTable::Toolbar())
    {
        if (nId == 0)
            m_pToolBar->addSeparator();
        else
            m_pToolBar->addAction(m_actions[nId]);
    }
}

void CMainFrame::CreateStatusBar()
{
    m_pMessage = new QLabel(QString::fromUtf8(kIdleMessage));
    statusBar()->addWidget(m_pMessage, 1);
    const auto indicator = [this](const char* pszText) {
        auto* pLabel = new QLabel(QString::fromUtf8(pszText));
        pLabel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        pLabel->setMinimumWidth(pLabel->fontMetrics().horizontalAdvance(QStringLiteral("NUM")) + 10);
        pLabel->setAlignment(Qt::AlignCenter);
        statusBar()->addPermanentWidget(pLabel);
        return pLabel;
    };
    m_pCaps = indicator("MA");
    m_pNum = indicator("NUM");
    m_pScroll = indicator("BS");
    UpdateIndicators();
}

void CMainFrame::ShowPrompt(const QString& strPrompt)
{
    m_pMessage->setText(strPrompt.isEmpty() && m_nMenusOpen == 0 ? QString::fromUtf8(kIdleMessage)
                                                                 : strPrompt);
}

void CMainFrame::UpdateIndicators()
{
    m_pCaps->setEnabled(m_bCaps);
    m_pNum->setEnabled(m_bNum);
    m_pScroll->setEnabled(m_bScroll);
}

void CMainFrame::closeEvent(QCloseEvent* pEvent)
{
    if (m_canClose && !m_canClose())
    {
        pEvent->ignore();
        return;
    }
    pEvent->accept();
    // The windows it owns go with it: once the user has answered, nothing is left to edit.
    for (QWidget* pWindow : findChildren<QWidget*>())
    {
        if (pWindow->isWindow() && pWindow->isVisible())
            pWindow->close();
    }
}

bool CMainFrame::event(QEvent* pEvent)
{
    // The toolbar's buttons send their prompts here; a menu's items show theirs while it is open.
    if (pEvent->type() == QEvent::StatusTip)
    {
        if (m_nMenusOpen == 0)
            ShowPrompt(static_cast<QStatusTipEvent*>(pEvent)->tip());
        return true;
    }
    return QMainWindow::event(pEvent);
}

bool CMainFrame::eventFilter(QObject* pObject, QEvent* pEvent)
{
    // The platform does not tell the lock keys' state: the indicators follow the presses seen.
    // Each key reaches its window once, and then perhaps several widgets: count it at the window.
    if (pEvent->type() == QEvent::KeyPress && pObject->isWindowType() &&
        !static_cast<QKeyEvent*>(pEvent)->isAutoRepeat())
    {
        switch (static_cast<QKeyEvent*>(pEvent)->key())
        {
        case Qt::Key_CapsLock:
            m_bCaps = !m_bCaps;
            break;
        case Qt::Key_NumLock:
            m_bNum = !m_bNum;
            break;
        case Qt::Key_ScrollLock:
            m_bScroll = !m_bScroll;
            break;
        default:
            return QMainWindow::eventFilter(pObject, pEvent);
        }
        UpdateIndicators();
    }
    return QMainWindow::eventFilter(pObject, pEvent);
}
