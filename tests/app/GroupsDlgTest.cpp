// The weight groups window as a user meets it: opened from "Calcoli", its tree opened and clicked,
// the green strip of the group clicked drawn where its loads lie, the export of a level set against
// the batch tool's bytes, the refresh after an update of the views, and the printed table.
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTreeWidget>
#include <algorithm>
#include <climits>

#include "AppFixture.h"
#include "app/MainFrame.h"
#include "dialogs/GroupGraphWnd.h"
#include "dialogs/WeightGroupsDlg.h"
#include "document/ScafometroDoc.h"
#include "view/GraphPass.h"
#include "view/ScafometroView.h"

using testsupport::ReadBytes;

namespace
{
// Group "11" over 0..20 m, "12" over 20..30 m, and "2", listed last, under all of them over 0..40 m
// at 1 t/m, so that a group's strip lies on the others' resultant only when stacked above it.
const char* const kNames[] = {"111 A", "1.1.2 B", "12-C", "2 D"};

bool IsGreen(const QImage& image, int x, int y)
{
    const QRgb green = qRgb(GetRValue(CGraphPass::kBandColour), GetGValue(CGraphPass::kBandColour),
                            GetBValue(CGraphPass::kBandColour));
    return (image.pixel(x, y) & 0xffffff) == (green & 0xffffff);
}

// The leftmost and rightmost columns holding the strip's green; INT_MAX and -1 when there is none.
std::pair<int, int> GreenColumns(const QImage& image)
{
    std::pair<int, int> columns(INT_MAX, -1);
    for (int y = 0; y < image.height(); ++y)
    {
        for (int x = 0; x < image.width(); ++x)
        {
            if (IsGreen(image, x, y))
                columns = {std::min(columns.first, x), std::max(columns.second, x)};
        }
    }
    return columns;
}

// The top and bottom rows of green in a column.
std::pair<int, int> GreenRows(const QImage& image, int x)
{
    std::pair<int, int> rows(INT_MAX, -1);
    for (int y = 0; y < image.height(); ++y)
    {
        if (IsGreen(image, x, y))
            rows = {std::min(rows.first, y), std::max(rows.second, y)};
    }
    return rows;
}
} // namespace

class GroupsDlgTest : public CAppFixture
{
protected:
    CWeightGroupsDlg& Open()
    {
        CLoadList list;
        for (int i = 0; i < 4; ++i)
        {
            list.Append(kNames[i], i < 3 ? 5 : 20, i < 3 ? 10 * i : 0, i < 3 ? 10 * i + 10 : 40,
                        10.0 * (i + 1));
            list.m_pCurrent->m_dZg = i;
        }
        m_strFile = m_scratch.Path("gruppi.p3d");
        testsupport::Saved(list, m_strFile);
        Start(m_strFile);
        EXPECT_TRUE(RunMenuItem("Riepilogo per gruppi..."));
        CWeightGroupsDlg* pDlg = View().m_pGroupsDlg;
        EXPECT_NE(pDlg, nullptr);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(pDlg));
        return *pDlg;
    }

    // The rows of the tree as shown, each "name count weight share" with its depth in blanks.
    static QStringList Rows(QTreeWidget* pTree)
    {
        QStringList rows;
        for (QTreeWidgetItemIterator it(pTree); *it; ++it)
        {
            QString strIndent;
            for (QTreeWidgetItem* p = (*it)->parent(); p; p = p->parent())
                strIndent += "  ";
            if ((*it)->parent() && !(*it)->parent()->isExpanded())
                continue;
            rows << strIndent + (*it)->text(0) + " " + (*it)->text(1) + " " + (*it)->text(2) + " " +
                        (*it)->text(3);
        }
        return rows;
    }

    static QTreeWidgetItem* Find(QTreeWidget* pTree, const QString& strName)
    {
        for (QTreeWidgetItemIterator it(pTree); *it; ++it)
        {
            if ((*it)->text(0) == strName)
                return *it;
        }
        return nullptr;
    }

    // Clicks the row with the mouse; the graph drawn for it.
    QImage Click(CWeightGroupsDlg& dlg, const QString& strName)
    {
        QTreeWidgetItem* pItem = Find(dlg.m_treeGroups, strName);
        EXPECT_NE(pItem, nullptr) << strName.toStdString();
        if (!pItem)
            return QImage();
        QTest::mouseClick(dlg.m_treeGroups->viewport(), Qt::LeftButton, Qt::NoModifier,
                          dlg.m_treeGroups->visualItemRect(pItem).center());
        dlg.m_wndGraph->repaint();
        return dlg.m_wndGraph->grab().toImage();
    }

    // The device column of a world abscissa in the graph, and the row of an ordinate.
    static int Column(CWeightGroupsDlg& dlg, double x)
    {
        double px = 0;
        dlg.m_wndGraph->m_viewport.MapX(x, px);
        return static_cast<int>(px);
    }
    static int Row(CWeightGroupsDlg& dlg, double y)
    {
        double py = 0;
        dlg.m_wndGraph->m_viewport.MapY(y, py);
        return static_cast<int>(py);
    }

    std::string m_strFile;
};

TEST_F(GroupsDlgTest, OpensFromCalcoliAndBelongsToTheMainWindow)
{
    Start(Example());
    ASSERT_TRUE(RunMenuItem("Riepilogo per gruppi..."));
    CWeightGroupsDlg* pDlg = View().m_pGroupsDlg;
    ASSERT_NE(pDlg, nullptr);
    EXPECT_TRUE(pDlg->isVisible());
    EXPECT_TRUE(pDlg->isWindow());
    EXPECT_EQ(pDlg->parentWidget(), &m_pApp->Frame());
    EXPECT_EQ(pDlg->windowTitle(), "Riepilogo per gruppi");
    // The example without codes is one group of everything.
    EXPECT_EQ(Rows(pDlg->m_treeGroups),
              QStringList({"- 42 591.3000 100.0000", "Totale 42 591.3000 100.0000"}));
    EXPECT_TRUE(RunMenuItem("Riepilogo per gruppi..."));
    EXPECT_EQ(View().m_pGroupsDlg, pDlg);
}

TEST_F(GroupsDlgTest, TreeOpensByLevelsAndTheGroupClickedIsTheGreenStrip)
{
    CWeightGroupsDlg& dlg = Open();
    QTreeWidget* pTree = dlg.m_treeGroups;
    EXPECT_EQ(Rows(pTree),
              QStringList({"1 3 60.0000 60.0000", "2 1 40.0000 40.0000", "Totale 4 100.0000 100.0000"}));
    QTreeWidgetItem* pOne = Find(pTree, "1");
    ASSERT_NE(pOne, nullptr);
    EXPECT_EQ(pOne->text(4), "18.3333"); // (5·10 + 15·20 + 25·30) / 60
    EXPECT_EQ(pOne->text(6), "1.3333");  // (0·10 + 1·20 + 2·30) / 60
    // Nothing is selected: nothing is green.
    dlg.m_wndGraph->repaint();
    EXPECT_EQ(GreenColumns(dlg.m_wndGraph->grab().toImage()).second, -1);
    EXPECT_TRUE(dlg.m_wndGraph->m_bDrawn);

    // The key opens the row clicked, and its children open in turn; "2" has nothing deeper.
    Click(dlg, "1");
    QTest::keyClick(pTree, Qt::Key_Right);
    Click(dlg, "11");
    QTest::keyClick(pTree, Qt::Key_Right);
    EXPECT_EQ(Rows(pTree),
              QStringList({"1 3 60.0000 60.0000", "  11 2 30.0000 30.0000", "    111 1 10.0000 10.0000",
                           "    112 1 20.0000 20.0000", "  12 1 30.0000 30.0000", "2 1 40.0000 40.0000",
                           "Totale 4 100.0000 100.0000"}));
    EXPECT_EQ(Find(pTree, "2")->childCount(), 0);
    EXPECT_EQ(Find(pTree, "Totale")->text(4), "19.0000"); // (1100 + 20·40) / 100

    // Each group's strip lies over its loads' extent and nowhere else, stacked on the resultant of
    // all the other loads: at the abscissa probed, from the others' ordinate to the whole's.
    const struct
    {
        const char* pszName;
        double dFrom, dTo, dProbe, dLower, dUpper;
    } strips[] = {{"2", 0, 40, 25, 3, 4},
                  {"11", 0, 20, 5, 1, 2},
                  {"112", 10, 20, 15, 1, 3},
                  {"1", 0, 30, 25, 1, 4},
                  {"Totale", 0, 40, 35, 0, 1}};
    for (const auto& strip : strips)
    {
        const QImage image = Click(dlg, strip.pszName);
        const std::pair<int, int> columns = GreenColumns(image);
        EXPECT_NEAR(columns.first, Column(dlg, strip.dFrom), 1) << strip.pszName;
        EXPECT_NEAR(columns.second, Column(dlg, strip.dTo), 1) << strip.pszName;
        const std::pair<int, int> rows = GreenRows(image, Column(dlg, strip.dProbe));
        EXPECT_NEAR(rows.first, Row(dlg, strip.dUpper), 1) << strip.pszName;
        EXPECT_NEAR(rows.second, Row(dlg, strip.dLower), 1) << strip.pszName;
    }
}

TEST_F(GroupsDlgTest, ExportsTheLevelChosenAsTheBatchToolAndFollowsUpdates)
{
    CWeightGroupsDlg& dlg = Open();
    const std::string strCsv = m_scratch.Path("livello2.csv");
    m_services.m_paths = {strCsv};
    dlg.m_spinLevel->setFocus();
    QTest::keyClick(dlg.m_spinLevel, Qt::Key_Up);
    QTest::mouseClick(dlg.m_btnExport, Qt::LeftButton);
    std::string strCli;
    ASSERT_EQ(RunCli({"groups", m_strFile, "-", "--level", "2"}, &strCli), 0);
    EXPECT_EQ(ReadBytes(strCsv), strCli);
    EXPECT_NE(ReadBytes(strCsv).find("\r\n12,1,30,30,"), std::string::npos);

    // After an update of the views the tree shows the loads as they are, with the open row and the
    // selection kept; a total of zero leaves the shares empty.
    Click(dlg, "1");
    QTest::keyClick(dlg.m_treeGroups, Qt::Key_Right);
    CLoadList& list = m_pApp->Document().m_listLoads;
    list.GoTo(4);
    list.m_pCurrent->m_strName = "3 D";
    list.m_pCurrent->m_dWeight = -60;
    m_pApp->Document().UpdateAllViews();
    EXPECT_EQ(Rows(dlg.m_treeGroups), QStringList({"1 3 60.0000 ", "  11 2 30.0000 ", "  12 1 30.0000 ",
                                                   "3 1 -60.0000 ", "Totale 4 0.0000 "}));
    ASSERT_EQ(dlg.m_treeGroups->selectedItems().size(), 1);
    EXPECT_EQ(dlg.m_treeGroups->selectedItems().front()->text(0), "1");

    // The printed table: a PDF page through the print dialog.
    const std::string strPdf = m_scratch.Path("gruppi.pdf");
    m_services.m_strPrintPdf = strPdf;
    QTest::mouseClick(dlg.m_btnPrint, Qt::LeftButton);
    EXPECT_EQ(ReadBytes(strPdf).substr(0, 4), "%PDF");
}
