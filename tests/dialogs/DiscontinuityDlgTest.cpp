// The discontinuity explorer: the abscissae, the running sums to the left and right of one, and
// their markers on the graph.
#include <QPushButton>
#include <QTest>

#include "DialogFixture.h"
#include "dialogs/DiscontinuityDlg.h"
#include "dialogs/LoadListDlg.h"
#include "dialogs/QtListBox.h"

using Lines_t = std::vector<std::string>;
using DiscontinuityDlg = CDialogFixture;

TEST_F(DiscontinuityDlg, ListsTheAbscissaeAndTheRunningSumsAtEachSideAndMarksThem)
{
    // A 0..10 m at 1 t/m, then B 10..20 m at 2 t/m.
    AddLoad("A", 10, 0, 10, 5);
    AddLoad("B", 20, 10, 20, 5);
    const QRgb red = qRgb(200, 0, 0);
    EXPECT_EQ(CountColour(Painted(), red), 0);
    EXPECT_TRUE(Run(32789));
    CDiscontinuityDlg& dialog = *View().GetDiscontinuityDlg();
    ASSERT_TRUE(dialog.isVisible() && Activate(&dialog));
    EXPECT_FALSE(Doc().IsModified());
    Click(dialog.m_btnShowRight);
    EXPECT_TRUE(Lines(dialog.m_lbRight).empty()) << "nothing explored yet";
    Click(dialog.m_btnExplore);
    EXPECT_EQ(Lines(dialog.m_lbAbscissae), Lines_t({"0", "10", "20"}));

    // Nothing selected: the first abscissa.
    Click(dialog.m_btnShowLeft);
    EXPECT_EQ(Lines(dialog.m_lbLeft), Lines_t({"-"}));
    Click(dialog.m_btnShowRight);
    EXPECT_EQ(Lines(dialog.m_lbRight), Lines_t({"1", "-"}));

    SelectLine(dialog.m_lbAbscissae, 1);
    Click(dialog.m_btnShowRight);
    EXPECT_EQ(Lines(dialog.m_lbRight), Lines_t({"0", "2", "-"}));
    // Red circles at (10, 0) and (10, 2), the running sums just right of 10 m, until redrawn.
    const QImage image = View().grab().toImage();
    EXPECT_GT(CountColour(image, red, DevicePoint(10, 2), 3), 0);
    EXPECT_GT(CountColour(image, red, DevicePoint(10, 0), 3), 0);
    EXPECT_EQ(CountColour(image, red, DevicePoint(10, 1), 2), 0);
    Click(dialog.m_btnRedraw);
    EXPECT_EQ(CountColour(Painted(), red), 0);
    Click(dialog.m_btnShowLeft);
    EXPECT_EQ(Lines(dialog.m_lbLeft), Lines_t({"1", "-"}));

    // Hidden and shown again, the lists start empty.
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(Run(32789));
    for (const CQtListBox* pList : {dialog.m_lbAbscissae, dialog.m_lbLeft, dialog.m_lbRight})
        EXPECT_TRUE(Lines(pList).empty());

    // Exploring follows the loads as edited since the last repaint.
    CLoadListDlg& loads = OpenLoadList();
    SelectLine(loads.m_lbLoads, 0);
    Type(loads.m_editX2, "12");
    EXPECT_TRUE(Run(32789));
    ASSERT_TRUE(Activate(&dialog));
    Click(dialog.m_btnExplore);
    EXPECT_EQ(Lines(dialog.m_lbAbscissae), Lines_t({"0", "10", "12", "20"}));
}
