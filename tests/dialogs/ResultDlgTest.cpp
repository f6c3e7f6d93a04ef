// The results and the Bonjean tables, each opened from its menu command and answered modally.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "DialogFixture.h"
#include "dialogs/BonjeanDlg.h"
#include "dialogs/MSFlexGrid.h"
#include "dialogs/ResultDlg.h"
#include "document/ScafometroDoc.h"
#include "view/ScafometroView.h"

namespace
{
std::vector<std::string> Shown(QWidget* pModal)
{
    auto* pDialog = qobject_cast<CResultDlg*>(pModal);
    EXPECT_TRUE(pDialog);
    if (!pDialog)
        return {};
    std::vector<std::string> texts;
    for (const QLineEdit* pEdit :
         {pDialog->m_editWeight, pDialog->m_editXg, pDialog->m_editYg, pDialog->m_editZg})
    {
        EXPECT_TRUE(pEdit->isReadOnly());
        texts.push_back(pEdit->text().toStdString());
    }
    return texts;
}

void ClickCell(CMSFlexGrid& grid, int nRow, int nCol)
{
    const QModelIndex index = grid.model()->index(nRow - grid.GetFixedRows(), nCol - grid.GetFixedCols());
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier, grid.visualRect(index).center());
}
} // namespace

using Texts_t = std::vector<std::string>;
using ResultDlg = CDialogFixture;
using BonjeanDlg = CDialogFixture;

TEST_F(ResultDlg, ShowsTheTotalsWithFourDecimals)
{
    Texts_t texts;
    const auto run = [&] {
        WithModal([&] { Run(32774); },
                  [&](QWidget* pModal) {
                      texts = Shown(pModal);
                      auto* pOk = pModal->findChild<QPushButton*>();
                      ASSERT_TRUE(pOk);
                      Click(pOk);
                  });
    };
    run();
    EXPECT_EQ(texts, Texts_t({"0.0000", "0.0000", "0.0000", "0.0000"}));

    AddLoad("uno", 10, 0, 4, 2, 1, 3);
    run();
    EXPECT_EQ(texts, Texts_t({"10.0000", "2.0000", "1.0000", "3.0000"}));
    EXPECT_EQ(View().m_dlgResult.windowTitle(), "Risultante e Baricentro dei Pesi");
    QStringList labels;
    for (const QLabel* pLabel : View().m_dlgResult.findChildren<QLabel*>())
        labels << pLabel->text();
    for (const char* pszLabel :
         {"Risultante dei Carichi (Dislocamento)", "Baricentro dei Carichi rispetto all'Origine - Xg",
          "Baricentro dei Carichi rispetto all'Origine - Yg",
          "Baricentro dei Carichi rispetto all'Origine - Zg", "[ t ]", "[ m ]"})
        EXPECT_TRUE(labels.contains(pszLabel)) << pszLabel;

    // Weights that sum to zero leave the centre of gravity undefined.
    AddLoad("contrappeso", -10, 0, 4, 2, 5, 5);
    run();
    EXPECT_EQ(texts,
              Texts_t({"0.0000", CResultDlg::kUndefined, CResultDlg::kUndefined, CResultDlg::kUndefined}));
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
        EXPECT_EQ(dialog.windowTitle(), "Tavole del Bonjean");
        for (const CMSFlexGrid* pGrid : {dialog.m_gridAreas, dialog.m_gridMoments})
        {
            EXPECT_EQ(std::vector<int>(
                          {pGrid->GetRows(), pGrid->GetCols(), pGrid->GetFixedRows(), pGrid->GetFixedCols()}),
                      std::vector<int>({2, 2, 1, 1}));
        }
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
