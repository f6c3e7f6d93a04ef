// The results, the Bonjean tables and the discontinuity explorer: the totals and tables answered
// modally, the abscissae with the running sums at each side of one and their markers on the graph,
// and the modal windows' place over the main window.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "DialogFixture.h"
#include "app/MainFrame.h"
#include "dialogs/BonjeanDlg.h"
#include "dialogs/DiscontinuityDlg.h"
#include "dialogs/LoadListDlg.h"
#include "dialogs/MSFlexGrid.h"
#include "dialogs/QtListBox.h"
#include "dialogs/ResultDlg.h"

class ResultDlg : public CDialogFixture
{
protected:
    // Answers the modal window the command opens; each belongs to the main window and opens
    // centred on it.
    template <class TDialog> void Answer(int nId, const std::function<void(TDialog&)>& act)
    {
        m_pApp->Frame().setGeometry(60, 40, 700, 500);
        WithModal([&] { Run(nId); },
                  [&](QWidget* pModal) {
                      auto* pDialog = qobject_cast<TDialog*>(pModal);
                      ASSERT_TRUE(pDialog);
                      ExpectOwnedAndCentred(*pModal);
                      act(*pDialog);
                  });
    }
};
using DiscontinuityDlg = CDialogFixture;

TEST_F(ResultDlg, ShowsTheTotalsWithFourDecimals)
{
    const auto shown = [&] {
        Texts_t texts;
        Answer<CResultDlg>(32774, [&](CResultDlg& dialog) {
            for (const QLineEdit* pEdit :
                 {dialog.m_editWeight, dialog.m_editXg, dialog.m_editYg, dialog.m_editZg})
            {
                EXPECT_TRUE(pEdit->isReadOnly());
                texts.push_back(pEdit->text().toStdString());
            }
            Click(dialog.findChild<QPushButton*>());
        });
        return texts;
    };
    EXPECT_EQ(shown(), Texts_t({"0.0000", "0.0000", "0.0000", "0.0000"}));
    AddLoad("uno", 10, 0, 4, 2, 1, 3);
    EXPECT_EQ(shown(), Texts_t({"10.0000", "2.0000", "1.0000", "3.0000"}));
    // Weights that sum to zero leave the centre of gravity undefined.
    AddLoad("contrappeso", -10, 0, 4, 2, 5, 5);
    const std::string strUndefined = CResultDlg::kUndefined;
    EXPECT_EQ(shown(), Texts_t({"0.0000", strUndefined, strUndefined, strUndefined}));
}

TEST_F(ResultDlg, BonjeanEditsMirrorTheSelectedCellAndTheTablesStartEmpty)
{
    Answer<CBonjeanDlg>(32807, [&](CBonjeanDlg& dialog) {
        ClickCell(*dialog.m_gridAreas, 1, 1);
        EXPECT_NE(QApplication::focusWidget(), dialog.m_editAreas) << "selecting leaves the focus";
        QTest::keyClick(dialog.m_editAreas, Qt::Key_1);
        EXPECT_EQ(dialog.m_gridAreas->GetTextMatrix(1, 1), "1") << "the cell follows each key";
        QTest::keyClicks(dialog.m_editAreas, "2.5");
        EXPECT_EQ(dialog.m_gridAreas->GetTextMatrix(1, 1), "12.5");
        QTest::keyClicks(dialog.m_editMoments, "7");
        ClickCell(*dialog.m_gridMoments, 1, 1);
        EXPECT_EQ(dialog.m_editMoments->text(), "7");
        EXPECT_EQ(dialog.m_editAreas->text(), "12.5");
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    Answer<CBonjeanDlg>(32807, [&](CBonjeanDlg& dialog) {
        EXPECT_EQ(dialog.m_gridAreas->GetTextMatrix(1, 1), "");
        EXPECT_EQ(dialog.m_gridMoments->GetTextMatrix(1, 1), "");
        EXPECT_EQ(dialog.m_editAreas->text(), "");
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
}

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
    ExpectOwnedAndCentred(dialog);
    EXPECT_FALSE(Doc().IsModified());
    Click(dialog.m_btnShowRight);
    EXPECT_TRUE(Lines(dialog.m_lbRight).empty()) << "nothing explored yet";
    Click(dialog.m_btnExplore);
    EXPECT_EQ(Lines(dialog.m_lbAbscissae), Texts_t({"0", "10", "20"}));

    // Nothing selected: the first abscissa.
    Click(dialog.m_btnShowLeft);
    EXPECT_EQ(Lines(dialog.m_lbLeft), Texts_t({"-"}));
    Click(dialog.m_btnShowRight);
    EXPECT_EQ(Lines(dialog.m_lbRight), Texts_t({"1", "-"}));

    SelectLine(dialog.m_lbAbscissae, 1);
    Click(dialog.m_btnShowRight);
    EXPECT_EQ(Lines(dialog.m_lbRight), Texts_t({"0", "2", "-"}));
    // Red circles at (10, 0) and (10, 2), the running sums just right of 10 m, until redrawn.
    const QImage image = View().grab().toImage();
    EXPECT_GT(CountColour(image, red, DevicePoint(10, 2), 3), 0);
    EXPECT_GT(CountColour(image, red, DevicePoint(10, 0), 3), 0);
    EXPECT_EQ(CountColour(image, red, DevicePoint(10, 1), 2), 0);
    Click(dialog.m_btnRedraw);
    EXPECT_EQ(CountColour(Painted(), red), 0);
    Click(dialog.m_btnShowLeft);
    EXPECT_EQ(Lines(dialog.m_lbLeft), Texts_t({"1", "-"}));

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
    EXPECT_EQ(Lines(dialog.m_lbAbscissae), Texts_t({"0", "10", "12", "20"}));
}
