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

namespace
{
const std::string kHull = SCAFOMETRO_EXAMPLES "/motonave-bonjean.csv";
} // namespace

using HydrostaticsDlgTest = CAppFixture;

TEST_F(HydrostaticsDlgTest, CurvesOfTheExampleAsTheBatchToolWritesThem)
{
    Start(Example());
    CHydrostaticsDlg& dlg = OpenWindow("Curve idrostatiche...", &CScafometroView::GetHydrostaticsDlg);
    EXPECT_FALSE(dlg.m_btnExport->isEnabled());

    // The table's own drafts: the grid and the exported file are the batch tool's.
    Choose(dlg.m_btnBrowse, kHull);
    QTest::mouseClick(dlg.m_btnCompute, Qt::LeftButton);
    EXPECT_EQ(m_services.Messages(), std::vector<std::string>());
    ASSERT_EQ(dlg.m_gridCurves->rowCount(), 8);
    EXPECT_EQ(dlg.m_gridCurves->item(0, 0)->text(), "0.5000");
    EXPECT_EQ(dlg.m_gridCurves->item(7, 1)->text(), "1029.8206");
    ExpectExportIsBatchTools(dlg.m_btnExport, {"hydrostatics", kHull, "OUT"});

    // A range typed with a decimal comma, in fresh water.
    Retype(dlg.m_editDensity, "1");
    Retype(dlg.m_editFrom, "1");
    Retype(dlg.m_editTo, "2");
    Retype(dlg.m_editStep, "0,25");
    QTest::keyClick(dlg.m_editStep, Qt::Key_Return);
    ASSERT_EQ(dlg.m_gridCurves->rowCount(), 5);
    ExpectExportIsBatchTools(dlg.m_btnExport,
                             {"hydrostatics", kHull, "OUT", "--drafts", "1:2:0.25", "--density", "1"});

    // The curves follow the window's size, and go on paper.
    ExpectGrowsWithWindow(dlg, *dlg.m_wndCurves, QSize(200, 200));
    dlg.m_wndCurves->grab();
    EXPECT_TRUE(dlg.m_wndCurves->m_bDrawn);
    Printed(dlg.m_btnPrint);

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
