// The main window as a user meets it: menus, toolbar, shortcuts, routing, status bar, title, the
// About box, the bars shown and hidden, and the command line.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPrinterInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include "AppFixture.h"
#include "document/ScafometroDoc.h"

namespace
{
// Menus as text: a line per item, indented by its depth, "-" for a separator.
std::string Listed(const QList<QAction*>& actions, const std::string& strIndent = "")
{
    std::string strText;
    for (QAction* pAction : actions)
    {
        strText += strIndent + (pAction->isSeparator() ? "-" : pAction->text().toStdString()) + "\n";
        if (pAction->menu())
            strText += Listed(pAction->menu()->actions(), strIndent + "  ");
    }
    return strText;
}
} // namespace

using ShellTest = CAppFixture;

TEST_F(ShellTest, MenusToolbarShortcutsAndCommandsThatNothingHandles)
{
    Start();
    CMainFrame& frame = m_pApp->Frame();
    EXPECT_TRUE(testsupport::SameAsFile(Listed(frame.menuBar()->actions()), "app/menus.txt"));
    // The toolbar's buttons in order, 0 for a separator.
    QList<QAction*> expected, shown;
    for (int nId : {57600, 57601, 57603, 0, 57634, 57635, 57637, 0, 57607, 0, 57664, 32783, 32784, 0, 32777,
                    32771, 32807})
        expected << (nId ? frame.Action(nId) : nullptr);
    for (QAction* pAction : frame.ToolBar()->actions())
        shown << (pAction->isSeparator() ? nullptr : pAction);
    EXPECT_EQ(shown, expected);
    for (int nId : {ID_EDIT_COPY, ID_EDIT_CUT, ID_EDIT_PASTE, ID_EDIT_UNDO, ID_NEXT_PANE, ID_PREV_PANE})
        EXPECT_FALSE(frame.Action(nId)->isEnabled()) << nId;
    for (int nId : {57600, 57601, 57603, 57604, 32777, 32778, 32779, 32783, 32784, 57607, 57609})
        EXPECT_TRUE(frame.Action(nId)->isEnabled()) << nId;
    EXPECT_EQ(frame.Action(ID_EDIT_COPY)->shortcuts(),
              QList<QKeySequence>({QKeySequence("Ctrl+C"), QKeySequence("Ctrl+Ins")}));
    EXPECT_EQ(frame.Action(ID_PREV_PANE)->shortcuts(), QList<QKeySequence>({QKeySequence("Shift+F6")}));

    // The disabled shortcuts do nothing; Ctrl+O opens although the menu shows Ctrl+A.
    for (const char* pszKey : {"Ctrl+C", "Ctrl+X", "Ctrl+V", "Ctrl+Z", "Shift+Ins", "F6"})
        QTest::keySequence(&frame, QKeySequence(pszKey));
    EXPECT_TRUE(m_services.m_asked.empty());
    QTest::keySequence(&frame, QKeySequence("Ctrl+O"));
    ASSERT_EQ(m_services.Kinds(), std::vector<std::string>({"open"}));
    EXPECT_EQ(m_services.m_asked[0].dialog.strDefaultExt, "p3d");
    EXPECT_NE(m_services.m_asked[0].dialog.strFilter.find("File Pesi (*.p3d)"), std::string::npos);
    QTest::keySequence(&frame, QKeySequence("Ctrl+A"));
    EXPECT_EQ(m_services.m_asked.size(), 1u);

    // Redraw from the menu and from the toolbar, and the graph modes, route to the view.
    Painted();
    QSignalSpy passes(&View(), &CScafometroView::Drawn);
    ASSERT_TRUE(Run(ID_VIEW_REDRAW));
    EXPECT_TRUE(QTest::qWaitFor([&] { return passes.count() == 1; })) << "the menu's redraw";
    QTest::mouseClick(frame.ToolBar()->widgetForAction(frame.Action(ID_VIEW_REDRAW)), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return passes.count() == 2; })) << "the toolbar's redraw";
    ASSERT_TRUE(Run(ID_VIEW_DETAILED));
    EXPECT_EQ(View().GetMode(), 1);
    ASSERT_TRUE(Run(ID_VIEW_RESULTANT));
    EXPECT_EQ(View().GetMode(), 0);
}

TEST_F(ShellTest, StatusBarTitleAndBars)
{
    Start();
    CMainFrame& frame = m_pApp->Frame();
    EXPECT_EQ(frame.StatusMessage(), "Pronto");
    EXPECT_EQ(frame.windowTitle(), "Pondera[*] - Scafometro");
    EXPECT_FALSE(frame.isWindowModified());
    m_pApp->Document().SetModifiedFlag(true);
    EXPECT_TRUE(frame.isWindowModified());
    m_pApp->Document().SetModifiedFlag(false);

    // Hovering a toolbar button shows its prompt; leaving it brings "Pronto" back.
    QWidget* pButton = frame.ToolBar()->widgetForAction(frame.Action(32783));
    QStatusTipEvent tip(frame.Action(32783)->statusTip());
    QApplication::sendEvent(pButton, &tip);
    EXPECT_EQ(frame.StatusMessage(), "Ingrandisce la finestra di visualizzazione ");
    EXPECT_EQ(frame.Action(32783)->toolTip(), "Zoom Out");
    QStatusTipEvent none{QString()};
    QApplication::sendEvent(pButton, &none);
    EXPECT_EQ(frame.StatusMessage(), "Pronto");

    QStringList indicators;
    for (QLabel* pLabel : frame.statusBar()->findChildren<QLabel*>())
        indicators << pLabel->text();
    EXPECT_TRUE(indicators.contains("MA") && indicators.contains("NUM") && indicators.contains("BS"));

    ASSERT_TRUE(Run(59392));
    EXPECT_FALSE(frame.ToolBar()->isVisible());
    EXPECT_FALSE(frame.Action(59392)->isChecked());
    ASSERT_TRUE(Run(59392));
    EXPECT_TRUE(frame.ToolBar()->isVisible());
    EXPECT_TRUE(frame.Action(59392)->isChecked());
    ASSERT_TRUE(Run(59393));
    EXPECT_FALSE(frame.statusBar()->isVisible());
    EXPECT_FALSE(frame.Action(59393)->isChecked());

    // Closing "Calcoli" leaves "Visualizza" open, and its items' prompts, empty ones too, showing.
    QMenu* pView = frame.menuBar()->actions()[2]->menu();
    QAction* pCalc = pView->actions()[pView->actions().indexOf(frame.Action(ID_VIEW_BONJEAN)) + 2];
    QTest::mouseClick(frame.menuBar(), Qt::LeftButton, {},
                      frame.menuBar()->actionGeometry(pView->menuAction()).center());
    ASSERT_TRUE(pView->isVisible());
    QTest::mouseMove(pView, pView->actionGeometry(pCalc).center());
    QTest::keyClick(pView, Qt::Key_Right);
    ASSERT_TRUE(pCalc->menu()->isVisible());
    QTest::keyClick(pCalc->menu(), Qt::Key_Escape);
    QTest::mouseMove(pView, pView->actionGeometry(frame.Action(ID_VIEW_DISCONTINUITIES)).center());
    EXPECT_EQ(frame.StatusMessage(), "");
    QTest::keyClick(pView, Qt::Key_Escape);
    EXPECT_EQ(frame.StatusMessage(), "Pronto");
}

TEST_F(ShellTest, AboutBoxTexts)
{
    Start();
    QStringList texts;
    QString strTitle;
    QTimer::singleShot(0, [&] {
        QWidget* pBox = QApplication::activeModalWidget();
        ASSERT_NE(pBox, nullptr);
        strTitle = pBox->windowTitle();
        for (QLabel* pLabel : pBox->findChildren<QLabel*>())
            texts << pLabel->text();
        QTest::keyClick(pBox, Qt::Key_Return);
    });
    ASSERT_TRUE(Run(57664));
    EXPECT_EQ(strTitle, "Informazioni su Scafometro");
    EXPECT_TRUE(texts.contains("Scafometro Versione 2.1"));
    EXPECT_TRUE(texts.contains("Inoformazioni pratiche d'uso"));
    EXPECT_TRUE(texts.contains("- Utilizzare la \"rotellina\" del mouse per usare lo zoom dinamico"));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(ShellTest, CommandLine)
{
    using SLine = CScafometroApp::SCommandLine;
    // Several files, as a file manager passes them: the first is opened.
    const struct
    {
        QStringList arguments;
        SLine::EShell nShell;
        const char *pszFile, *pszPrinter;
    } lines[] = {{{"a.p3d", "b.p3d"}, SLine::fileOpen, "a.p3d", ""},
                 {{"/p", "a.p3d"}, SLine::filePrint, "a.p3d", ""},
                 {{"/p"}, SLine::invalid, "", ""}};
    for (const auto& line : lines)
    {
        const SLine parsed = CScafometroApp::ParseCommandLine(line.arguments);
        EXPECT_EQ(parsed.nShell, line.nShell) << line.arguments.join(' ').toStdString();
        EXPECT_EQ(parsed.strFile, line.pszFile);
        EXPECT_EQ(parsed.strPrinter, line.pszPrinter);
    }

    // Asked to print on the default printer where there is none, the program says so and ends.
    if (QPrinterInfo::defaultPrinter().isNull())
    {
        CScafometroApp app(m_services);
        ASSERT_TRUE(
            app.InitInstance(CScafometroApp::ParseCommandLine({"/p", QString::fromStdString(Example())})));
        EXPECT_TRUE(app.m_bQuitAfterStart);
        EXPECT_EQ(app.m_nExitCode, 1);
        EXPECT_EQ(m_services.Messages(),
                  std::vector<std::string>(
                      {"Nessuna stampante predefinita: impossibile stampare «" + Example() + "»."}));
    }

    // Started on a file, the program counts it among the recent ones.
    Start(Example());
    EXPECT_EQ(m_pApp->RecentFiles(), QStringList({QString::fromStdString(Example())}));
}

TEST_F(ShellTest, ProgramPrintsFromTheCommandLineAndExits)
{
    const QString strPdf = QString::fromStdString(m_scratch.Path("stampa.pdf"));
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    program.setProcessEnvironment(environment);
    program.start(SCAFOMETRO_PROGRAM, {"-pt", QString::fromStdString(Example()), strPdf});
    ASSERT_TRUE(program.waitForFinished(60000));
    EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
    EXPECT_EQ(testsupport::ReadBytes(strPdf.toStdString()).compare(0, 5, "%PDF-"), 0);

    program.start(SCAFOMETRO_PROGRAM, {"--version"});
    ASSERT_TRUE(program.waitForFinished(60000));
    EXPECT_EQ(program.readAllStandardOutput(), "Scafometro 2.1\n");
}
