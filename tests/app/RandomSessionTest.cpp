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
#include <map>
#include <random>

#include "AppFixture.h"
#include "dialogs/ClipboardImportDlg.h"
#include "dialogs/DiscontinuityDlg.h"
#include "dialogs/LoadListDlg.h"
#include "dialogs/MSFlexGrid.h"
#include "dialogs/QtListBox.h"
#include "document/ScafometroDoc.h"

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
    // Does the action of that number; its name.
    std::string Do(int nAction);
    void Explore();
    void Check(const std::string& strAction, const std::string& strBefore);

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
    const std::string strBefore = Fingerprint(m_pApp->Document().m_listLoads);
    const int nAction = Pick(20);
    // The loads list's actions need it open: open it first when it is not.
    if (nAction >= 12 && !LoadsDlgShown())
    {
        Run(ID_VIEW_LOADS);
        Check("open loads list", strBefore);
        return;
    }
    const std::string strAction = Do(nAction);
    ++m_actions[strAction];
    m_services.m_answers.clear();
    m_services.m_paths.clear();
    m_services.m_saveAnswers.clear();
    Check(strAction, strBefore);
}

std::string RandomSessionTest::Do(int nAction)
{
    const CLoadList& list = m_pApp->Document().m_listLoads;
    switch (nAction)
    {
    case 0:
        m_services.m_paths = {ExistingFile()};
        m_services.m_saveAnswers = {Pick(2) ? CServices::saveNo : CServices::saveCancel};
        Run(ID_FILE_OPEN);
        return "open";
    case 1: {
        const bool bSave = Pick(2);
        m_services.m_paths = {NewFile(".p3d")};
        Run(bSave ? ID_FILE_SAVE : ID_FILE_SAVE_AS);
        // "Salva" writes to the document's own file when it has one.
        m_strSaved = m_pApp->Document().IsModified() ? "" : m_pApp->Document().GetPathName();
        if (!m_strSaved.empty())
            m_files.push_back(m_strSaved);
        return bSave ? "save" : "save as";
    }
    case 2: {
        const int ids[] = {ID_EXPORT_LOADS_TXT, ID_EXPORT_RESULTANT_TXT, ID_EXPORT_RESULTANT_CSV,
                           ID_EXPORT_RESULTANT_DXF, ID_EXPORT_DETAILED_DXF};
        m_services.m_paths = {NewFile(".out")};
        Run(ids[Pick(5)]);
        return "export";
    }
    case 3:
        if (list.m_nCount > 150)
            return "merge";
        m_services.m_paths = {ExistingFile()};
        Run(Pick(2) ? ID_INSERT_ALL_LOADS : ID_INSERT_EQUIVALENT_LOAD);
        return "merge";
    case 4:
        m_services.m_saveAnswers = {CServices::saveNo};
        m_services.m_paths = {testsupport::DataPath("old-two-loads/estimate.p")};
        Run(Pick(3) ? ID_FILE_NEW : ID_IMPORT_OLD_FORMAT);
        return "new or import";
    case 5: {
        const int ids[] = {32777, 32778, 32779, 32780, 32800, 32783, 32784, 32789,
                           59392, 59393, 57643, 57643, 57644, 57634, 57637};
        const int nId = ids[Pick(std::size(ids))];
        if (nId != ID_EDIT_PASTE || list.m_nCount <= 150)
            Run(nId);
        return "graph or edit command";
    }
    case 6:
        RunClosingModals(Pick(3) == 0 ? ID_VIEW_BONJEAN : (Pick(2) ? ID_VIEW_RESULTS : ID_APP_ABOUT));
        return "modal window";
    case 7:
        Drag(Qt::RightButton, ViewPoint(), ViewPoint());
        return "zoom box";
    case 8: {
        const QPoint pt = ViewPoint();
        Wheel(pt, Pick(2) ? 120 : -120 * (1 + Pick(3)));
        return "wheel";
    }
    case 9:
        if (Pick(2))
            Drag(Qt::LeftButton, ViewPoint(), ViewPoint());
        else
            QTest::mouseClick(&View(), Qt::LeftButton, Qt::NoModifier, ViewPoint());
        return "pan or pick";
    case 10:
        Explore();
        return "explorer";
    case 11:
        Painted();
        return "redraw";
    case 12:
    case 13: {
        CQtListBox* pList = LoadsDlg()->m_lbLoads;
        if (pList->count() == 0)
            return "select load";
        QListWidgetItem* pItem = pList->item(Pick(pList->count()));
        pList->scrollToItem(pItem);
        QTest::mouseClick(pList->viewport(), Qt::LeftButton, Qt::NoModifier,
                          pList->visualItemRect(pItem).center());
        return "select load";
    }
    case 14:
    case 15: {
        CLoadListDlg* pDlg = LoadsDlg();
        QLineEdit* edits[] = {pDlg->m_editName,  pDlg->m_editX1, pDlg->m_editX2, pDlg->m_editWeight,
                              pDlg->m_editXgRel, pDlg->m_editYg, pDlg->m_editZg};
        TypeInto(edits[Pick(7)], kTexts[Pick(std::size(kTexts))]);
        return "edit field";
    }
    case 16:
    case 17: {
        CLoadListDlg* pDlg = LoadsDlg();
        if (Pick(2))
            m_services.m_answers = {Pick(2) ? CServices::IDOK : CServices::IDCANCEL};
        QAbstractButton* buttons[] = {pDlg->m_btnAddNew, pDlg->m_btnDelete,
                                      pDlg->m_btnMoveUp, pDlg->m_btnMoveDown,
                                      pDlg->m_btnApply,  pDlg->m_radioMode->button(Pick(4))};
        QAbstractButton* pButton = buttons[Pick(std::size(buttons))];
        if (pButton != pDlg->m_btnAddNew || list.m_nCount <= 150)
            QTest::mouseClick(pButton, Qt::LeftButton);
        return "loads list button";
    }
    case 18:
        Paste();
        return "paste";
    default:
        QTest::keyClick(LoadsDlg(), Qt::Key_Escape);
        return "close loads list";
    }
}

void RandomSessionTest::Explore()
{
    CDiscontinuityDlg* pExplorer = View().GetDiscontinuityDlg();
    if (!pExplorer || !pExplorer->isVisible())
    {
        Run(ID_VIEW_DISCONTINUITIES);
        return;
    }
    QAbstractButton* buttons[] = {pExplorer->m_btnExplore, pExplorer->m_btnShowLeft,
                                  pExplorer->m_btnShowRight, pExplorer->m_btnRedraw};
    if (pExplorer->m_lbAbscissae->count() > 0 && Pick(2))
        pExplorer->m_lbAbscissae->setCurrentRow(Pick(pExplorer->m_lbAbscissae->count()));
    QTest::mouseClick(buttons[Pick(4)], Qt::LeftButton);
}

void RandomSessionTest::Check(const std::string& strAction, const std::string& strBefore)
{
    CScafometroDoc& document = m_pApp->Document();
    CLoadList& list = document.m_listLoads;
    const bool bReplaced = strAction == "open" || strAction == "new or import";
    if (!bReplaced && Fingerprint(list) != strBefore)
    {
        ASSERT_TRUE(document.IsModified()) << "the loads changed by '" << strAction << "' without the flag";
    }
    if (LoadsDlgShown())
    {
        ASSERT_EQ(LoadsDlg()->m_lbLoads->GetCount(), list.m_nCount) << strAction;
    }
    if (strAction.rfind("save", 0) == 0 && !m_strSaved.empty() && !document.IsModified())
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
        ASSERT_TRUE(i == 0 || dPrevious < x) << "after " << strAction << ": " << dPrevious << " then " << x;
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
