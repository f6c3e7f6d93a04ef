// The clipboard import: pasting a spreadsheet's table into the grid, refusing other shapes,
// correcting cells, the highlight, the popup menu, and what OK hands to the loads list.
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "DialogFixture.h"
#include "dialogs/ClipboardImportDlg.h"
#include "dialogs/ClipboardTable.h"
#include "dialogs/LoadListDlg.h"
#include "dialogs/MSFlexGrid.h"
#include "dialogs/QtListBox.h"

namespace
{
const char* const kTwoRows = "A\t10\t0\t5\t2\t0\t3\r\nB\t4\t5\t7\t1\t0\t1\r\n";
const char* const kHeadings = "Nome\tPeso[t]\tX1[m]\tX2[m]\tXg[m]\tyg[m]\tZg[m]\r\n";

// Opens the grid's popup menu with the right button, or with the menu key, and clicks the item of
// that text; the items offered, "-" for a separator and " (off)" after a disabled one.
QStringList ChooseFromMenu(CMSFlexGrid& grid, const QString& strItem, bool bKeyboard = false)
{
    QStringList items;
    QTimer::singleShot(0, [&] {
        auto* pMenu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_TRUE(pMenu);
        QAction* pChosen = nullptr;
        for (QAction* pAction : pMenu->actions())
        {
            items << (pAction->isSeparator() ? "-"
                                             : pAction->text() + (pAction->isEnabled() ? "" : " (off)"));
            if (pAction->text() == strItem)
                pChosen = pAction;
        }
        if (pChosen)
            QTest::mouseClick(pMenu, Qt::LeftButton, Qt::NoModifier, pMenu->actionGeometry(pChosen).center());
        else
            pMenu->close();
    });
    if (bKeyboard)
        QTest::keyClick(&grid, Qt::Key_Menu);
    else
        CDialogFixture::ClickCell(grid, 1, 1, Qt::RightButton);
    EXPECT_TRUE(items.contains(strItem) || strItem.isEmpty());
    // The offscreen platform leaves the closed menu active, where a desktop gives the activation
    // back to the dialog.
    CDialogFixture::Activate(grid.window());
    return items;
}

std::string GridText(const CMSFlexGrid& grid)
{
    std::string strText;
    grid.GetGridText(strText, 0, 0);
    return strText;
}
} // namespace

class ClipboardImportDlg : public CDialogFixture
{
protected:
    void SetUp() override
    {
        CDialogFixture::SetUp();
        m_pDialog = std::make_unique<CClipboardImportDlg>(m_services);
        m_pDialog->show();
        ASSERT_TRUE(Activate(m_pDialog.get()));
    }
    CMSFlexGrid& Grid() { return *m_pDialog->Grid(); }
    void Paste(const QString& strText)
    {
        SetClipboard(strText);
        ChooseFromMenu(Grid(), "Incolla");
    }

    std::unique_ptr<CClipboardImportDlg> m_pDialog;
};

TEST_F(ClipboardImportDlg, PastesSevenColumnsOnlyAndTheEditWritesTheHighlightedCell)
{
    QStringList labels;
    for (const QLabel* pLabel : m_pDialog->findChildren<QLabel*>())
        labels << pLabel->text();
    for (const char* pszLine : CClipboardImportDlg::kInstructions)
        EXPECT_TRUE(labels.contains(QString::fromUtf8(pszLine))) << pszLine;
    EXPECT_EQ(GridText(Grid()), std::string(kHeadings) + "\t\t\t\t\t\t");
    EXPECT_EQ(ChooseFromMenu(Grid(), ""),
              QStringList({"Copia (off)", "Incolla", "-", "Converti tutte le virgole in punti"}));

    // One row without a line end, by keyboard (Ctrl+V is the loads' undo test's).
    SetClipboard("Poppa\t1\t2\t3\t4\t5\t6");
    QTest::keyClick(&Grid(), Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(GridText(Grid()), std::string(kHeadings) + "Poppa\t1\t2\t3\t4\t5\t6");

    // LF-only rows are the import test's.
    Paste(kTwoRows);
    EXPECT_EQ(GridText(Grid()), std::string(kHeadings) + kTwoRows + "\t\t\t\t\t\t");
    const std::string strBefore = GridText(Grid());
    // Six cells, or as many rows as the grid cannot hold: told over the grid.
    const std::string strTooLong = "A\t1\t2\t3\t4\t5\t6" + std::string(CClipboardImportDlg::kMaxRows, '\r');
    for (const std::string& strBad : {std::string("a\tb\tc\td\te\tf\r\n"), strTooLong})
    {
        m_services.m_asked.clear();
        Paste(QString::fromStdString(strBad));
        EXPECT_EQ(m_services.Messages(), Texts_t({CClipboardTable::kBadFormat}));
        EXPECT_EQ(m_services.m_asked.back().pParent, m_pDialog.get());
        EXPECT_EQ(GridText(Grid()), strBefore);
    }

    // The highlight follows the selected cell, and the edit writes it.
    ClickCell(Grid(), 2, 3);
    EXPECT_EQ(Grid().GetCellBackColor(2, 3), RGB(240, 240, 0));
    EXPECT_EQ(m_pDialog->CellEdit()->text(), "7");
    ClickCell(Grid(), 1, 1);
    EXPECT_EQ(Grid().GetCellBackColor(1, 1), RGB(240, 240, 0));
    EXPECT_EQ(Grid().GetCellBackColor(2, 3), RGB(255, 255, 255));
    EXPECT_EQ(m_pDialog->CellEdit()->text(), "10");
    EXPECT_EQ(QApplication::focusWidget(), m_pDialog->CellEdit());
    QTest::keyClicks(m_pDialog->CellEdit(), "5");
    EXPECT_EQ(Grid().GetTextMatrix(1, 1), "105");
    EXPECT_EQ(Grid().GetTextMatrix(2, 3), "7");
    // The yellow shows on the screen, where the selection would paint over it.
    const QRect rcCell = Grid().visualRect(Grid().model()->index(0, 1));
    EXPECT_GT(CountColour(Grid().viewport()->grab(rcCell).toImage(), qRgb(240, 240, 0)), rcCell.width());

    // After another paste the edit shows the current cell, and typing changes that one.
    Paste(kTwoRows);
    QTest::keyClicks(m_pDialog->CellEdit(), "x");
    EXPECT_EQ(Grid().GetTextMatrix(1, 0), "Ax");
    EXPECT_EQ(Grid().GetTextMatrix(1, 1), "10");
}

TEST_F(ClipboardImportDlg, TheLoadsListImportsWhatTheGridShowsAfterItsLoadsAndCancelImportsNothing)
{
    m_pDialog->hide();
    AddLoad("esistente", 1, 0, 2, 1);
    CLoadListDlg& dialog = OpenLoadList();
    Doc().SetModifiedFlag(false);
    for (const bool bOk : {true, false})
    {
        SetClipboard("12,5\t10,5\t0\t5\t2\t0\t3,25\nB\t4\t5\t7\t1\t0\t1\n");
        WithModal([&] { Click(dialog.m_btnImport); },
                  [&](QWidget* pModal) {
                      auto* pImport = qobject_cast<CClipboardImportDlg*>(pModal);
                      ASSERT_TRUE(pImport);
                      CMSFlexGrid& grid = *pImport->Grid();
                      ChooseFromMenu(grid, "Incolla");
                      // Commas become points outside the names, by the button or the popup's item.
                      if (bOk)
                          Click(pImport->ConvertButton());
                      else
                          ChooseFromMenu(grid, "Converti tutte le virgole in punti", true);
                      EXPECT_EQ(GridText(grid), std::string(kHeadings) + "12,5\t10.5\t0\t5\t2\t0\t3.25\r\n" +
                                                    "B\t4\t5\t7\t1\t0\t1\r\n\t\t\t\t\t\t");
                      // A cell corrected by hand is taken as well.
                      ClickCell(grid, 2, 0);
                      QTest::keyClicks(pImport->CellEdit(), "Y");
                      QTest::keyClick(pImport->CellEdit(), bOk ? Qt::Key_Return : Qt::Key_Escape);
                  });
    }
    ASSERT_EQ(Names(), Texts_t({"esistente", "12,5", "BY"}));
    EXPECT_EQ(Numbers(Load(2)), std::vector<double>({10.5, 0, 5, 2, 0, 3.25}));
    EXPECT_EQ(dialog.m_lbLoads->GetCurSel(), 2);
    EXPECT_TRUE(Doc().IsModified());
}
