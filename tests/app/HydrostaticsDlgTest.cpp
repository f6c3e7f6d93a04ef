// The curves of form's window as a user meets it: opened from "Calcoli" right after the strength
// item, the table chosen with "Sfoglia...", "Calcola" clicked, a range of drafts typed; its grid
// and exports set against the batch tool's, its refusals, the curves on screen and on paper.
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "AppFixture.h"
#include "dialogs/CurvesOfFormWnd.h"
#include "dialogs/HydrostaticsDlg.h"
#include "view/ScafometroView.h"

using testsupport::ReadBytes;

namespace
{
const std::string kHull = SCAFOMETRO_EXAMPLES "/motonave-bonjean.csv";
} // namespace

using HydrostaticsDlgTest = CAppFixture;

TEST_F(HydrostaticsDlgTest, CurvesOfTheExampleAsTheBatchToolWritesThem)
{
    Start(Example());
    ASSERT_TRUE(RunMenuItem("Curve idrostatiche..."));
    CHydrostaticsDlg* pDlg = View().GetHydrostaticsDlg();
    ASSERT_NE(pDlg, nullptr);
    CHydrostaticsDlg& dlg = *pDlg;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    EXPECT_FALSE(dlg.m_btnExport->isEnabled());
    ExpectNoOverlaps(dlg);

    // The table's own drafts: the grid and the exported file are the batch tool's.
    m_services.m_paths = {kHull};
    QTest::mouseClick(dlg.m_btnBrowse, Qt::LeftButton);
    QTest::mouseClick(dlg.m_btnCompute, Qt::LeftButton);
    EXPECT_EQ(m_services.Messages(), std::vector<std::string>());
    ASSERT_EQ(dlg.m_gridCurves->rowCount(), 8);
    EXPECT_EQ(dlg.m_gridCurves->item(0, 0)->text(), "0.5000");
    EXPECT_EQ(dlg.m_gridCurves->item(7, 1)->text(), "1029.8206");
    const auto exportMatches = [&](std::vector<std::string> args) {
        const std::string strShown = m_scratch.Path("shown.csv"), strBatch = m_scratch.Path("batch.csv");
        m_services.m_paths = {strShown};
        QTest::mouseClick(dlg.m_btnExport, Qt::LeftButton);
        args.insert(args.begin(), {"hydrostatics", kHull, strBatch});
        EXPECT_EQ(RunCli(args), 0);
        EXPECT_EQ(ReadBytes(strShown), ReadBytes(strBatch));
        EXPECT_GT(ReadBytes(strShown).size(), 100u);
    };
    exportMatches({});

    // A range typed with a decimal comma, in fresh water.
    Retype(dlg.m_editDensity, "1");
    Retype(dlg.m_editFrom, "1");
    Retype(dlg.m_editTo, "2");
    Retype(dlg.m_editStep, "0,25");
    QTest::keyClick(dlg.m_editStep, Qt::Key_Return);
    ASSERT_EQ(dlg.m_gridCurves->rowCount(), 5);
    exportMatches({"--drafts", "1:2:0.25", "--density", "1"});

    // The curves follow the window's size.
    dlg.resize(900, 600);
    QTest::qWait(20);
    const QSize small = dlg.m_wndCurves->size();
    dlg.resize(1400, 950);
    QTest::qWait(20);
    EXPECT_GT(dlg.m_wndCurves->width(), small.width() + 200);
    EXPECT_GT(dlg.m_wndCurves->height(), small.height() + 200);
    dlg.m_wndCurves->grab();
    EXPECT_TRUE(dlg.m_wndCurves->m_bDrawn);

    // On paper.
    m_services.m_strPrintPdf = m_scratch.Path("curve.pdf");
    QTest::mouseClick(dlg.m_btnPrint, Qt::LeftButton);
    EXPECT_EQ(ReadBytes(m_services.m_strPrintPdf).substr(0, 4), "%PDF");

    // Refusals say why and leave nothing to export or print.
    const std::pair<const char*, const char*> refusals[] = {{"9", "outside the hull table's 0..4 m"},
                                                            {"", "oppure nessuna"}};
    for (const auto& [pszTo, pszWhy] : refusals)
    {
        Retype(dlg.m_editTo, pszTo);
        EXPECT_NE(MessageOfClick(dlg.m_btnCompute).find(pszWhy), std::string::npos);
        EXPECT_EQ(dlg.m_gridCurves->rowCount(), 0);
        EXPECT_FALSE(dlg.m_btnExport->isEnabled());
        EXPECT_FALSE(dlg.m_btnPrint->isEnabled());
    }
}
