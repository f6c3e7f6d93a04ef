// The loading conditions' window as a user meets it: opened from "Calcoli", the hull table and the
// limits chosen with "Sfoglia...", conditions added and joined with their buttons, "Verifica"
// clicked; its rows set against the batch tool's figures, its table export byte for byte, the
// report saved, a refusal, and the choices remembered for the next time.
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "AppFixture.h"
#include "dialogs/CheckDlg.h"
#include "dialogs/CheckPlotWnd.h"

using testsupport::ReadBytes;

namespace
{
const std::string kExamples = SCAFOMETRO_EXAMPLES "/";

QString Cell(const QTableWidget* pGrid, int nRow, int nColumn)
{
    const QTableWidgetItem* pItem = pGrid->item(nRow, nColumn);
    return pItem ? pItem->text() : QString();
}
} // namespace

using CheckDlgTest = CAppFixture;

TEST_F(CheckDlgTest, ChecksTheExampleConditionsAsTheBatchToolDoes)
{
    Start(Example());
    CCheckDlg* pDlg = &OpenWindow("Verifica condizioni di carico...", &CScafometroView::GetCheckDlg);
    EXPECT_FALSE(pDlg->m_btnExportTable->isEnabled());

    Choose(pDlg->m_btnBrowseHull, kExamples + "motonave-bonjean.csv");
    Choose(pDlg->m_btnBrowseLimits, kExamples + "motonave-limiti.csv");
    // The arrival: the example with the voyage's consumption joined to it; then the ballast.
    for (const char* pszJoined : {"motonave-arrivo.p3d", "motonave-zavorra.p3d"})
    {
        Choose(pDlg->m_btnAddCondition, kExamples + "motonave.p3d");
        Choose(pDlg->m_btnAddFile, kExamples + pszJoined);
    }
    // A third condition added and removed again leaves the three.
    Choose(pDlg->m_btnAddCondition, kExamples + "motonave.p3d");
    QTest::mouseClick(pDlg->m_btnRemove, Qt::LeftButton);
    ASSERT_EQ(pDlg->m_listConditions->count(), 3);
    EXPECT_EQ(pDlg->m_listConditions->item(1)->text(), "motonave+motonave-arrivo");

    // A density that is not a number is refused before anything is read.
    Retype(pDlg->m_editDensity, "abc");
    EXPECT_NE(MessageOfClick(pDlg->m_btnCheck).find("abc"), std::string::npos);
    EXPECT_EQ(m_services.m_pParent, &m_pApp->Frame());
    EXPECT_EQ(pDlg->Check(), nullptr);
    Retype(pDlg->m_editDensity, "1,025");
    m_services.m_asked.clear();
    QTest::mouseClick(pDlg->m_btnCheck, Qt::LeftButton);
    EXPECT_EQ(m_services.Messages(), std::vector<std::string>());
    ASSERT_NE(pDlg->Check(), nullptr);

    // The rows: the arrival exceeds the sagging limit at 25.2 m, in red; the departure is amber.
    const QTableWidget* pGrid = pDlg->m_gridResults;
    ASSERT_EQ(pGrid->rowCount(), 3);
    EXPECT_EQ(Cell(pGrid, 0, 0), "motonave");
    const int nMoment = 7, nVerdict = pGrid->columnCount() - 1;
    EXPECT_EQ(Cell(pGrid, 1, nMoment), "102.0");
    EXPECT_EQ(Cell(pGrid, 1, nMoment + 1), "25.20");
    EXPECT_EQ(Cell(pGrid, 1, nVerdict), "fuori dai limiti");
    EXPECT_EQ(Cell(pGrid, 2, nVerdict), "entro i limiti");
    EXPECT_EQ(pGrid->item(1, nMoment)->background().color(), QColor(240, 130, 130));
    EXPECT_EQ(pGrid->item(0, nMoment)->background().color(), QColor(250, 205, 110));
    EXPECT_EQ(pGrid->item(2, nMoment)->background().color(), QColor(170, 225, 170));
    pDlg->m_wndPlot->grab();
    EXPECT_TRUE(pDlg->m_wndPlot->m_bDrawn);

    // The table is the batch tool's, byte for byte, the open estimate named after its file; the
    // report is saved and printed.
    ExpectExportIsBatchTools(pDlg->m_btnExportTable,
                             {"check", kExamples + "motonave-bonjean.csv", kExamples + "motonave-limiti.csv",
                              Example(), kExamples + "motonave.p3d+" + kExamples + "motonave-arrivo.p3d",
                              kExamples + "motonave.p3d+" + kExamples + "motonave-zavorra.p3d", "--table",
                              "OUT"},
                             3);
    const std::string strReport = m_scratch.Path("rapporto.pdf");
    Choose(pDlg->m_btnSaveReport, strReport);
    EXPECT_EQ(ReadBytes(strReport).substr(0, 5), "%PDF-");
    Printed(pDlg->m_btnPrint);

    // Closed and opened again, the window remembers the files chosen.
    pDlg->close();
    delete pDlg;
    ASSERT_TRUE(RunMenuItem("Verifica condizioni di carico..."));
    EXPECT_EQ(View().GetCheckDlg()->m_editLimits->text().toStdString(), kExamples + "motonave-limiti.csv");
    EXPECT_EQ(View().GetCheckDlg()->m_editHull->text().toStdString(), kExamples + "motonave-bonjean.csv");
}
