// The results and the Bonjean tables, each opened from its menu command and answered modally.
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
#include "dialogs/ResultDlg.h"

using Texts_t = std::vector<std::string>;
using ResultDlg = CDialogFixture;
using BonjeanDlg = CDialogFixture;

TEST_F(ResultDlg, ShowsTheTotalsWithFourDecimals)
{
    const auto shown = [&] {
        Texts_t texts;
        WithModal([&] { Run(32774); },
                  [&](QWidget* pModal) {
                      auto* pDialog = qobject_cast<CResultDlg*>(pModal);
                      ASSERT_TRUE(pDialog);
                      for (const QLineEdit* pEdit :
                           {pDialog->m_editWeight, pDialog->m_editXg, pDialog->m_editYg, pDialog->m_editZg})
                      {
                          EXPECT_TRUE(pEdit->isReadOnly());
                          texts.push_back(pEdit->text().toStdString());
                      }
                      Click(pModal->findChild<QPushButton*>());
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

TEST_F(BonjeanDlg, EditsMirrorTheSelectedCellAndTheTablesStartEmpty)
{
    const auto open = [&](const std::function<void(CBonjeanDlg&)>& act) {
        WithModal([&] { Run(32807); },
                  [&](QWidget* pModal) {
                      auto* pDialog = qobject_cast<CBonjeanDlg*>(pModal);
                      ASSERT_TRUE(pDialog);
                      act(*pDialog);
                      QTest::keyClick(pDialog, Qt::Key_Escape);
                  });
    };
    open([&](CBonjeanDlg& dialog) {
        EXPECT_EQ(&dialog, &Doc().m_dlgBonjean);
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
    });
    open([&](CBonjeanDlg& dialog) {
        EXPECT_EQ(dialog.m_gridAreas->GetTextMatrix(1, 1), "");
        EXPECT_EQ(dialog.m_gridMoments->GetTextMatrix(1, 1), "");
        EXPECT_EQ(dialog.m_editAreas->text(), "");
    });
}

TEST_F(ResultDlg, DialogsBelongToTheMainWindowAndOpenCentredOnIt)
{
    // Each opens above the main window and centred on it, and goes with it.
    QWidget& frame = m_pApp->Frame();
    frame.setGeometry(60, 40, 700, 500);
    const auto expectOwned = [&frame](QWidget* pWindow) {
        ASSERT_TRUE(pWindow && pWindow->isWindow() && pWindow->parentWidget());
        EXPECT_EQ(pWindow->parentWidget()->window(), &frame) << pWindow->windowTitle().toStdString();
        const QPoint ptOffset = pWindow->frameGeometry().center() - frame.frameGeometry().center();
        EXPECT_LE(ptOffset.manhattanLength(), 4) << pWindow->windowTitle().toStdString();
    };
    for (int nId : {32774, 32807})
        WithModal([&] { Run(nId); },
                  [&](QWidget* pModal) {
                      expectOwned(pModal);
                      QTest::keyClick(pModal, Qt::Key_Escape);
                  });
    Run(32789);
    expectOwned(View().GetDiscontinuityDlg());
    Run(32771);
    expectOwned(View().GetLoadListDlg());
}
