// A long random session on the real main window: commands from the menus and the toolbar with
// their file dialogs answered into a scratch folder, edits, adds, deletes, moves and pastes in the
// loads list (texts that are no number, huge, negative or not finite among them), undo, redo,
// copy and paste in the main window, graph modes, zoom, pan, picking, the explorer, saves, opens,
// merges and imports of the files written. After every action the program's invariants must hold.
// SCAFOMETRO_RANDOM_ACTIONS sets the length.
#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <cstring>
#include <map>
#include <random>

#include "AppFixture.h"
#include "app/MainFrame.h"
#include "dialogs/ClipboardImportDlg.h"
#include "dialogs/DiscontinuityDlg.h"
#include "dialogs/LoadListDlg.h"
#include "dialogs/MSFlexGrid.h"
#include "dialogs/QtListBox.h"
#include "document/FileException.h"
#include "document/ScafometroDoc.h"
#include "view/ScafometroView.h"

namespace
{
// The loads as a string of their normalised fields: what a save must bring back, and what
// changes only when the user changes the loads.
std::string Fingerprint(const CLoadList& list)
{
    std::string strOut;
    for (const CLoad* pSource : list.Loads())
    {
        CLoad load;
        load.CopyFrom(*pSource);
        load.Normalize();
        strOut += load.m_strName + '\x01';
        for (double d : {load.m_dWeight, load.m_dX1, load.m_dX2, load.m_dXgRel, load.m_dYg, load.m_dZg})
            strOut.append(reinterpret_cast<const char*>(&d), sizeof d);
    }
    return strOut;
}

const char* const kTexts[] = {"12.5",  "-3",  "0",  "1e6",   "-1e300", "abc",  "",     "inf",   "nan",
                              "1e999", "7,5", "42", "0.001", "-0.5",   "3e-9", "1E+2", "  8  ", "1e308"};
} // namespace

class RandomSessionTest : public CAppFixture
{
protected:
    void Act();
    void Check(const char* pszAction, const std::string& strBefore);

    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }
    QPoint ViewPoint()
    {
        return QPoint(Pick(std::max(1, View().width())), Pick(std::max(1, View().height())));
    }
    std::string ExistingFile()
    {
        if (m_files.empty() || Pick(5) == 0)
            return Pick(3) == 0 ? m_scratch.Path("manca.p3d") : Example();
        return m_files[Pick(static_cast<int>(m_files.size()))];
    }
    std::string NewFile(const char* pszExt)
    {
        if (Pick(10) == 0)
            return "";
        return m_scratch.Path("f" + std::to_string(m_nFiles++ % 12) + pszExt);
    }
    CLoadListDlg* LoadsDlg() { return View().GetLoadListDlg(); }
    bool LoadsDlgShown() { return LoadsDlg() && LoadsDlg()->isVisible(); }
    // Runs a command that may show a modal window, closing whatever modal window appears.
    void RunClosingModals(int nId);
    void TypeInto(QLineEdit* pEdit, const char* pszText);
    void Paste();

    std::mt19937 m_rng{20261206};
    std::vector<std::string> m_files;
    int m_nFiles = 0;
    std::string m_strSaved;
    std::map<std::string, int> m_actions;
};

void RandomSessionTest::RunClosingModals(int nId)
{
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (QWidget* pModal = QApplication::activeModalWidget())
            pModal->close();
    });
    closer.start(0);
    Run(nId);
}

void RandomSessionTest::TypeInto(QLineEdit* pEdit, const char* pszText)
{
    QTest::mouseClick(pEdit, Qt::LeftButton);
    pEdit->selectAll();
    QTest::keyClicks(pEdit, pszText);
    QTest::keyClick(pEdit, Qt::Key_Tab);
}

void RandomSessionTest::Paste()
{
    std::string strTable;
    const int nRows = Pick(4);
    for (int r = 0; r < nRows; ++r)
    {
        const int nCols = Pick(10) == 0 ? 6 : 7;
        strTable += "carico" + std::to_string(r);
        for (int c = 1; c < nCols; ++c)
            strTable += std::string("\t") + kTexts[Pick(std::size(kTexts))];
        strTable += Pick(2) ? "\r\n" : "\n";
    }
    QGuiApplication::clipboard()->setText(QString::fromStdString(strTable));
    const bool bAccept = Pick(4) != 0;
    QTimer::singleShot(0, [bAccept] {
        auto* pDialog = qobject_cast<CClipboardImportDlg*>(QApplication::activeModalWidget());
        if (!pDialog)
            return;
        QTest::keySequence(pDialog->Grid(), QKeySequence("Ctrl+V"));
        // A message about the table's form may be up; the services answered it already.
        if (bAccept)
            pDialog->accept();
        else
            pDialog->reject();
    });
    QTest::mouseClick(LoadsDlg()->m_btnImport, Qt::LeftButton);
}

void RandomSessionTest::Act()
{
    CLoadList& list = m_pApp->Document().m_listLoads;
    const std::string strBefore = Fingerprint(list);
    const int nAction = Pick(20);
    const char* pszAction = "";
    // The loads list's actions need it open: open it first when it is not.
    if (nAction >= 12 && !LoadsDlgShown())
    {
        Run(32771);
        Check("open loads list", strBefore);
        return;
    }
    switch (nAction)
    {
    case 0:
        pszAction = "open";
        m_services.m_paths = {ExistingFile()};
        m_services.m_saveAnswers = {Pick(2) ? CServices::saveNo : CServices::saveCancel};
        Run(57601);
        break;
    case 1:
        pszAction = Pick(2) ? "save" : "save as";
        m_strSaved = NewFile(".p3d");
        m_services.m_paths = {m_strSaved};
        Run(std::strcmp(pszAction, "save") == 0 ? 57603 : 57604);
        // "Salva" writes to the document's own file when it has one.
        m_strSaved = m_pApp->Document().IsModified() ? "" : m_pApp->Document().GetPathName();
        if (!m_strSaved.empty())
            m_files.push_back(m_strSaved);
        break;
    case 2: {
        pszAction = "export";
        const int ids[] = {32790, 32792, 32804, 32793, 32796};
        m_services.m_paths = {NewFile(".out")};
        Run(ids[Pick(5)]);
        break;
    }
    case 3:
        pszAction = "merge";
        if (list.m_nCount > 150)
            break;
        m_services.m_paths = {ExistingFile()};
        Run(Pick(2) ? 32798 : 32799);
        break;
    case 4:
        pszAction = "new or import";
        m_services.m_saveAnswers = {CServices::saveNo};
        m_services.m_paths = {testsupport::DataPath("old-two-loads/estimate.p")};
        Run(Pick(3) ? 57600 : 32797);
        break;
    case 5: {
        pszAction = "graph or edit command";
        const int ids[] = {32777, 32778, 32779, 32780, 32800, 32783, 32784, 32789,
                           59392, 59393, 57643, 57643, 57644, 57634, 57637};
        const int nId = ids[Pick(std::size(ids))];
        if (nId != 57637 || list.m_nCount <= 150)
            Run(nId);
        break;
    }
    case 6:
        pszAction = "modal window";
        RunClosingModals(Pick(3) == 0 ? 32807 : (Pick(2) ? 32774 : 57664));
        break;
    case 7:
        pszAction = "zoom box";
        Drag(Qt::RightButton, ViewPoint(), ViewPoint());
        break;
    case 8: {
        pszAction = "wheel";
        const QPointF pt = ViewPoint();
        QWheelEvent event(pt, View().mapToGlobal(pt), QPoint(),
                          QPoint(0, Pick(2) ? 120 : -120 * (1 + Pick(3))), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(&View(), &event);
        break;
    }
    case 9:
        pszAction = "pan or pick";
        if (Pick(2))
            Drag(Qt::LeftButton, ViewPoint(), ViewPoint());
        else
            QTest::mouseClick(&View(), Qt::LeftButton, Qt::NoModifier, ViewPoint());
        break;
    case 10: {
        pszAction = "explorer";
        CDiscontinuityDlg* pExplorer = View().GetDiscontinuityDlg();
        if (!pExplorer || !pExplorer->isVisible())
        {
            Run(32789);
            break;
        }
        QAbstractButton* buttons[] = {pExplorer->m_btnExplore, pExplorer->m_btnShowLeft,
                                      pExplorer->m_btnShowRight, pExplorer->m_btnRedraw};
        if (pExplorer->m_lbAbscissae->count() > 0 && Pick(2))
            pExplorer->m_lbAbscissae->setCurrentRow(Pick(pExplorer->m_lbAbscissae->count()));
        QTest::mouseClick(buttons[Pick(4)], Qt::LeftButton);
        break;
    }
    case 11:
        pszAction = "redraw";
        Painted();
        break;
    case 12:
    case 13: {
        pszAction = "select load";
        CQtListBox* pList = LoadsDlg()->m_lbLoads;
        if (pList->count() == 0)
            break;
        QListWidgetItem* pItem = pList->item(Pick(pList->count()));
        pList->scrollToItem(pItem);
        QTest::mouseClick(pList->viewport(), Qt::LeftButton, Qt::NoModifier,
                          pList->visualItemRect(pItem).center());
        break;
    }
    case 14:
    case 15: {
        pszAction = "edit field";
        CLoadListDlg* pDlg = LoadsDlg();
        QLineEdit* edits[] = {pDlg->m_editName,  pDlg->m_editX1, pDlg->m_editX2, pDlg->m_editWeight,
                              pDlg->m_editXgRel, pDlg->m_editYg, pDlg->m_editZg};
        TypeInto(edits[Pick(7)], kTexts[Pick(std::size(kTexts))]);
        break;
    }
    case 16:
    case 17: {
        pszAction = "loads list button";
        CLoadListDlg* pDlg = LoadsDlg();
        if (Pick(2))
            m_services.m_answers = {Pick(2) ? CServices::IDOK : CServices::IDCANCEL};
        QAbstractButton* buttons[] = {pDlg->m_btnAddNew, pDlg->m_btnDelete,
                                      pDlg->m_btnMoveUp, pDlg->m_btnMoveDown,
                                      pDlg->m_btnApply,  pDlg->m_radioMode->button(Pick(4))};
        QAbstractButton* pButton = buttons[Pick(std::size(buttons))];
        if (pButton == pDlg->m_btnAddNew && list.m_nCount > 150)
            break;
        QTest::mouseClick(pButton, Qt::LeftButton);
        break;
    }
    case 18:
        pszAction = "paste";
        Paste();
        break;
    default:
        pszAction = "close loads list";
        QTest::keyClick(LoadsDlg(), Qt::Key_Escape);
        break;
    }
    ++m_actions[pszAction];
    m_services.m_answers.clear();
    m_services.m_paths.clear();
    m_services.m_saveAnswers.clear();
    Check(pszAction, strBefore);
}

void RandomSessionTest::Check(const char* pszAction, const std::string& strBefore)
{
    CScafometroDoc& document = m_pApp->Document();
    CLoadList& list = document.m_listLoads;
    const bool bReplaced =
        std::strcmp(pszAction, "open") == 0 || std::strcmp(pszAction, "new or import") == 0;
    if (!bReplaced && Fingerprint(list) != strBefore)
    {
        ASSERT_TRUE(document.IsModified()) << "the loads changed by '" << pszAction << "' without the flag";
    }
    if (LoadsDlgShown())
    {
        ASSERT_EQ(LoadsDlg()->m_lbLoads->GetCount(), list.m_nCount) << pszAction;
    }
    if (std::strncmp(pszAction, "save", 4) == 0 && !m_strSaved.empty() && !document.IsModified())
    {
        CLoadList saved;
        CFile file(m_strSaved, CFile::modeRead);
        saved.ReadFrom(file);
        ASSERT_EQ(Fingerprint(saved), Fingerprint(list)) << "a saved file read back differently";
    }
    // The drawing pass rebuilds the abscissae: they must strictly increase.
    Painted();
    double dPrevious = 0;
    for (int n = list.m_abscissae.First(), i = 0; n; n = list.m_abscissae.Next(), ++i)
    {
        const double x = list.m_abscissae.m_pCurrent->m_dX;
        ASSERT_TRUE(i == 0 || dPrevious < x) << "after " << pszAction << ": " << dPrevious << " then " << x;
        dPrevious = x;
    }
}

TEST_F(RandomSessionTest, InvariantsHoldThroughoutAFixedRandomSession)
{
    int nActions = 10000;
    if (const char* pszActions = std::getenv("SCAFOMETRO_RANDOM_ACTIONS"))
        nActions = std::atoi(pszActions);
    Start(Example());
    m_pApp->Frame().resize(640, 480);
    for (int i = 0; i < nActions && !HasFatalFailure(); ++i)
    {
        Act();
        if (HasFatalFailure())
            ADD_FAILURE() << "at action " << i;
    }
    // What the session did, so that a reader sees it reached every part of the program.
    for (const auto& [strAction, nCount] : m_actions)
        std::printf("%6d %s\n", nCount, strAction.c_str());
    std::printf("%zu files saved, %d messages shown, %d loads at the end\n", m_files.size(),
                static_cast<int>(m_services.Messages().size()), m_pApp->Document().m_listLoads.m_nCount);
}
