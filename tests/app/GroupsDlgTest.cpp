// The weight groups window as a user meets it: opened from "Calcoli", its tree opened and clicked,
// the green strip of the group clicked drawn where its loads lie, the export of a level set against
// the batch tool's bytes, the refresh after an update of the views, and the printed table.
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTreeWidget>
#include <climits>

#include "AppFixture.h"
#include "dialogs/GroupGraphWnd.h"
#include "dialogs/WeightGroupsDlg.h"
#include "document/ScafometroDoc.h"
#include "view/GraphPass.h"

namespace
{
// The rows the tree shows, in order: name, loads, weight, share, each with its depth in blanks.
QStringList Rows(QTreeWidget* pTree)
{
    QStringList rows;
    for (QTreeWidgetItemIterator it(pTree, QTreeWidgetItemIterator::NotHidden); *it; ++it)
    {
        QString strIndent;
        bool bShown = true;
        for (QTreeWidgetItem* p = (*it)->parent(); p; p = p->parent())
            strIndent += "  ", bShown = bShown && p->isExpanded();
        if (bShown)
            rows << strIndent + QStringList({(*it)->text(0), (*it)->text(1), (*it)->text(2), (*it)->text(3)})
                                    .join(' ');
    }
    return rows;
}

// The extent of the strip's green: leftmost and rightmost column, then top and bottom row in column x.
QRect Green(const QImage& image, int x)
{
    const QRgb green = CAppFixture::Rgb(CGraphPass::kBandColour);
    int nLeft = INT_MAX, nRight = -1, nTop = INT_MAX, nBottom = -1;
    for (int py = 0; py < image.height(); ++py)
    {
        for (int px = 0; px < image.width(); ++px)
        {
            if ((image.pixel(px, py) & 0xffffff) != (green & 0xffffff))
                continue;
            nLeft = std::min(nLeft, px), nRight = std::max(nRight, px);
            if (px == x)
                nTop = std::min(nTop, py), nBottom = std::max(nBottom, py);
        }
    }
    return QRect(QPoint(nLeft, nTop), QPoint(nRight, nBottom));
}
} // namespace

class GroupsDlgTest : public CAppFixture
{
protected:
    // Group "11" over 0..20 m, "12" over 20..30 m, and "2", listed last, under all of them over
    // 0..40 m at 1 t/m, so that a group's strip lies on the others' resultant only when stacked on it.
    CWeightGroupsDlg& Open()
    {
        CLoadList list;
        const char* const names[] = {"111 A", "1.1.2 B", "12-C", "2 D"};
        for (int i = 0; i < 4; ++i)
        {
            list.Append(names[i], i < 3 ? 5 : 20, i < 3 ? 10 * i : 0, i < 3 ? 10 * i + 10 : 40,
                        10.0 * (i + 1));
            list.m_pCurrent->m_dZg = i;
        }
        m_strFile = m_scratch.Path("gruppi.p3d");
        testsupport::Saved(list, m_strFile);
        Start(m_strFile);
        CWeightGroupsDlg& dlg = OpenWindow("Riepilogo per gruppi...", &CScafometroView::GetGroupsDlg);
        EXPECT_TRUE(dlg.isWindow());
        return dlg;
    }

    // Clicks the row of the group with the mouse; the graph then drawn.
    static QImage Click(CWeightGroupsDlg& dlg, const QString& strName)
    {
        const QList<QTreeWidgetItem*> found =
            dlg.m_treeGroups->findItems(strName, Qt::MatchExactly | Qt::MatchRecursive);
        EXPECT_EQ(found.size(), 1) << strName.toStdString();
        if (found.isEmpty())
            return QImage();
        QTest::mouseClick(dlg.m_treeGroups->viewport(), Qt::LeftButton, Qt::NoModifier,
                          dlg.m_treeGroups->visualItemRect(found[0]).center());
        dlg.m_wndGraph->repaint();
        return dlg.m_wndGraph->grab().toImage();
    }

    std::string m_strFile;
};

TEST_F(GroupsDlgTest, TreeByLevelsGreenStripsExportAndUpdates)
{
    CWeightGroupsDlg& dlg = Open();
    EXPECT_EQ(Rows(dlg.m_treeGroups),
              QStringList({"1 3 60.0000 60.0000", "2 1 40.0000 40.0000", "Totale 4 100.0000 100.0000"}));
    EXPECT_EQ(Green(dlg.m_wndGraph->grab().toImage(), 0).right(), -1) << "nothing selected, nothing green";

    // The arrow key opens the row clicked, its children open in turn; "2" has nothing deeper.
    Click(dlg, "1");
    QTest::keyClick(dlg.m_treeGroups, Qt::Key_Right);
    Click(dlg, "11");
    QTest::keyClick(dlg.m_treeGroups, Qt::Key_Right);
    EXPECT_EQ(Rows(dlg.m_treeGroups),
              QStringList({"1 3 60.0000 60.0000", "  11 2 30.0000 30.0000", "    111 1 10.0000 10.0000",
                           "    112 1 20.0000 20.0000", "  12 1 30.0000 30.0000", "2 1 40.0000 40.0000",
                           "Totale 4 100.0000 100.0000"}));
    const QTreeWidgetItem* pOne = dlg.m_treeGroups->topLevelItem(0);
    EXPECT_EQ(pOne->text(4) + " " + pOne->text(6),
              "18.3333 1.3333"); // (5·10 + 15·20 + 25·30) / 60, (20 + 60) / 60

    // Each group's strip lies over its loads' extent, stacked on the resultant of all the others:
    // at the abscissa probed, from the others' ordinate up to the whole's.
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
        const CViewport& viewport = dlg.m_wndGraph->GetViewport();
        double pxFrom = 0, pxTo = 0, pxProbe = 0, pyLower = 0, pyUpper = 0;
        viewport.MapX(strip.dFrom, pxFrom), viewport.MapX(strip.dTo, pxTo),
            viewport.MapX(strip.dProbe, pxProbe);
        viewport.MapY(strip.dLower, pyLower), viewport.MapY(strip.dUpper, pyUpper);
        const QRect green = Green(image, static_cast<int>(pxProbe));
        EXPECT_NEAR(green.left(), pxFrom, 2) << strip.pszName;
        EXPECT_NEAR(green.right(), pxTo, 2) << strip.pszName;
        EXPECT_NEAR(green.top(), pyUpper, 2) << strip.pszName;
        EXPECT_NEAR(green.bottom(), pyLower, 2) << strip.pszName;
    }

    // The export of a level chosen is the batch tool's.
    QTest::keyClick(dlg.m_spinLevel, Qt::Key_Up);
    ExpectExportIsBatchTools(dlg.m_btnExport, {"groups", m_strFile, "OUT", "--level", "2"});

    // After an update of the views the tree shows the loads as they are, the open row and the
    // selection kept; a total of zero leaves the shares empty.
    Click(dlg, "11");
    QTest::keyClick(dlg.m_treeGroups, Qt::Key_Left);
    Click(dlg, "1");
    CLoadList& list = m_pApp->Document().m_listLoads;
    list.GoTo(4);
    list.m_pCurrent->m_strName = "3 D";
    list.m_pCurrent->m_dWeight = -60;
    m_pApp->Document().UpdateAllViews();
    EXPECT_EQ(Rows(dlg.m_treeGroups), QStringList({"1 3 60.0000 ", "  11 2 30.0000 ", "  12 1 30.0000 ",
                                                   "3 1 -60.0000 ", "Totale 4 0.0000 "}));
    EXPECT_EQ(dlg.m_treeGroups->topLevelItem(2)->text(4), "") << "the centre of no weight is nowhere";
    ASSERT_EQ(dlg.m_treeGroups->selectedItems().size(), 1);
    EXPECT_EQ(dlg.m_treeGroups->selectedItems().front()->text(0), "1");

    // The printed table holds the rows the tree shows, in its order, as pdftotext lays it out.
    const QString strPdf = QString::fromStdString(Printed(dlg.m_btnPrint));
    QProcess::execute("pdftotext", {"-layout", strPdf, strPdf + ".txt"});
    const QString strPrinted =
        QString::fromStdString(testsupport::ReadBytes(strPdf.toStdString() + ".txt")).simplified();
    qsizetype nAt = 0;
    for (const QString& strRow : Rows(dlg.m_treeGroups))
    {
        nAt = strPrinted.indexOf(strRow.simplified(), nAt);
        ASSERT_GE(nAt, 0) << strRow.toStdString() << " in " << strPrinted.toStdString();
    }
}
