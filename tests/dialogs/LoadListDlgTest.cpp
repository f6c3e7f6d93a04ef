// The loads list as a user meets it: selecting, editing, adding, deleting and moving loads, the
// fields that hold no number, the graph's mode, and picking a load on the graph.
#include <QApplication>
#include <QButtonGroup>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "DialogFixture.h"
#include "dialogs/DataExchange.h"
#include "dialogs/DiscontinuityDlg.h"
#include "dialogs/LoadListDlg.h"
#include "dialogs/QtListBox.h"

using Numbers_t = std::vector<double>;

namespace
{
Texts_t Fields(const CLoadListDlg& dialog)
{
    Texts_t fields;
    for (const QLineEdit* pEdit : {dialog.m_editName, dialog.m_editWeight, dialog.m_editX1, dialog.m_editX2,
                                   dialog.m_editXgRel, dialog.m_editYg, dialog.m_editZg})
        fields.push_back(pEdit->text().toStdString());
    return fields;
}
} // namespace

class LoadListDlg : public CDialogFixture
{
protected:
    CLoadListDlg& OpenWithThree()
    {
        AddLoad("A", 10, 0, 10, 5, 1, 2);
        AddLoad("B", 12.5, 10, 20, 4, 0.5, 3.25);
        AddLoad("C", 4, 20, 22, 1, 0, 1);
        return OpenLoadList();
    }
    // Clicks the button and checks the loads, the selection and whether the document changed.
    void Press(QPushButton* pButton, const Texts_t& names, int nSel, bool bModified)
    {
        Doc().SetModifiedFlag(false);
        Click(pButton);
        const CLoadListDlg& dialog = *View().GetLoadListDlg();
        EXPECT_EQ(Names(), names);
        EXPECT_EQ(Lines(dialog.m_lbLoads), names);
        EXPECT_EQ(dialog.m_lbLoads->GetCurSel(), nSel);
        EXPECT_TRUE(nSel < 0 || Fields(dialog)[0] == names[static_cast<size_t>(nSel)]) << "the fields' load";
        EXPECT_EQ(Doc().IsModified(), bModified);
    }
};

TEST_F(LoadListDlg, OpensEmptyShowsTheSelectedLoadAndHidesWhenTheLoadsAreReplaced)
{
    CLoadListDlg& dialog = OpenWithThree();
    EXPECT_TRUE(dialog.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(Lines(dialog.m_lbLoads), Texts_t({"A", "B", "C"}));
    EXPECT_EQ(dialog.m_lbLoads->GetCurSel(), -1);
    EXPECT_EQ(Fields(dialog), Texts_t({"", "0", "0", "0", "0", "0", "0"}));

    Painted();
    QSignalSpy passes(&View(), &CScafometroView::Drawn);
    SelectLine(dialog.m_lbLoads, 1);
    EXPECT_EQ(Fields(dialog), Texts_t({"B", "12.5", "10", "20", "4", "0.5", "3.25"}));
    EXPECT_EQ(View().SelectedLoad(), 2);
    EXPECT_TRUE(QTest::qWaitFor([&] { return passes.count() > 0; })) << "a new selection redraws the graph";

    // Opening again shows the same window; hidden by Escape and opened again, it is cleared.
    EXPECT_EQ(&dialog, &OpenLoadList());
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    OpenLoadList();
    EXPECT_EQ(dialog.m_lbLoads->GetCurSel(), -1);
    EXPECT_EQ(Fields(dialog)[0], "");
    dialog.close();
    EXPECT_FALSE(dialog.isVisible()) << "the close box hides it";

    // Loads replaced as a file opened in their place hide it and the explorer, and the selection
    // goes: a line beyond them names none.
    OpenLoadList();
    EXPECT_TRUE(Run(32789));
    Click(dialog.m_radioMode->button(2));
    SelectLine(dialog.m_lbLoads, 2);
    Doc().m_listLoads.Remove(3);
    EXPECT_EQ(View().SelectedLoad(), 0);
    Doc().UpdateAllViews();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(View().GetDiscontinuityDlg()->isVisible());
    EXPECT_EQ(Lines(dialog.m_lbLoads), Texts_t({"A", "B"}));
    EXPECT_EQ(dialog.m_lbLoads->GetCurSel(), -1);
}

TEST_F(LoadListDlg, LeavingAFieldStoresItInTheSelectedLoadOrRefusesItThere)
{
    CLoadListDlg& dialog = OpenWithThree();
    SelectLine(dialog.m_lbLoads, 1);
    Doc().SetModifiedFlag(false);
    Type(dialog.m_editX1, "3.75");
    EXPECT_TRUE(Doc().IsModified());

    // Each field goes to its own member of the load, and to no other load.
    Type(dialog.m_editWeight, "-7");
    Type(dialog.m_editX2, "21");
    Type(dialog.m_editXgRel, "0.1");
    Type(dialog.m_editYg, "-2e-3");
    Type(dialog.m_editZg, " 6 ");
    const Numbers_t typed = {-7, 3.75, 21, 0.1, -2e-3, 6};
    EXPECT_EQ(Numbers(Load(2)), typed);
    EXPECT_EQ(Numbers(Load(1)), Numbers_t({10, 0, 10, 5, 1, 2}));

    // Leaving a field unchanged changes nothing.
    Doc().SetModifiedFlag(false);
    Type(dialog.m_editX1, "3.75");
    EXPECT_FALSE(Doc().IsModified());

    // A rename shows in the list and keeps the selection; the name is kept in the file's code page.
    Type(dialog.m_editName, "Motore \u20ac \u00e8");
    EXPECT_EQ(Load(2).m_strName, "Motore \x80 \xe8");
    EXPECT_EQ(dialog.m_lbLoads->item(1)->text(), QString::fromUtf8("Motore \u20ac \u00e8"));
    EXPECT_EQ(dialog.m_lbLoads->GetCurSel(), 1);
    EXPECT_TRUE(Doc().IsModified());

    // A text that is no finite number is refused, and the focus goes back to its field.
    for (const char* pszBad : {"abc", "1e999"})
    {
        m_services.m_asked.clear();
        Type(dialog.m_editX1, pszBad);
        EXPECT_EQ(m_services.Messages(), Texts_t({CDataExchange::kNotANumber})) << pszBad;
        EXPECT_EQ(QApplication::focusWidget(), dialog.m_editX1);
        EXPECT_EQ(Numbers(Load(2)), typed) << pszBad;
    }
    // The exchange stops at that field: the mode buttons come after it and are not read.
    m_services.m_asked.clear();
    Click(dialog.m_radioMode->button(1));
    EXPECT_FALSE(m_services.Messages().empty());
    EXPECT_EQ(View().GetMode(), 0);
    Type(dialog.m_editX1, "11");
    EXPECT_EQ(Numbers(Load(2))[1], 11);

    // Enter in a field adds a load: the prompt shows once, over the list.
    Type(dialog.m_editWeight, "1e999", false);
    m_services.m_asked.clear();
    QTest::keyClick(dialog.m_editWeight, Qt::Key_Return);
    EXPECT_EQ(m_services.Messages(), Texts_t({CDataExchange::kNotANumber}));
    EXPECT_EQ(m_services.m_asked.back().pParent, &dialog);
    EXPECT_EQ(Numbers(Load(2))[0], -7);

    // With no selection, leaving a field writes nothing.
    Type(dialog.m_editWeight, "8");
    dialog.m_lbLoads->SetCurSel(-1);
    Type(dialog.m_editX1, "99");
    EXPECT_EQ(Numbers(Load(2))[1], 11);
}

TEST_F(LoadListDlg, AddNewDeleteAndMoveWorkOnTheSelectedLoad)
{
    CLoadListDlg& dialog = OpenLoadList();
    const std::string strNew = CLoadListDlg::kNewLoadName;
    Press(dialog.m_btnAddNew, {strNew}, 0, true);
    EXPECT_EQ(Numbers(Load(1)), Numbers_t({1, 0, 2, 1, 0, 0}));
    EXPECT_EQ(QApplication::focusWidget(), dialog.m_editName);

    // On a full list with no selection Delete asks nothing, and the others are left alone when
    // Enter in a field adds a load.
    AddLoad("A", 10, 0, 10, 5, 1, 2);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    OpenLoadList();
    Click(dialog.m_btnDelete);
    EXPECT_TRUE(m_services.Messages().empty());
    Type(dialog.m_editX1, "50", false);
    QTest::keyClick(dialog.m_editX1, Qt::Key_Return);
    EXPECT_EQ(Names(), Texts_t({strNew, "A", strNew}));
    EXPECT_EQ(Numbers(Load(2)), Numbers_t({10, 0, 10, 5, 1, 2}));
    EXPECT_EQ(dialog.m_lbLoads->GetCurSel(), 2);

    // With a selection, the fields typed go into the selected load first.
    SelectLine(dialog.m_lbLoads, 1);
    Type(dialog.m_editName, "B", false);
    Press(dialog.m_btnAddNew, {strNew, "B", strNew, strNew}, 3, true);

    // Delete asks over the list, which stays on top, offering OK and Cancel.
    SelectLine(dialog.m_lbLoads, 1);
    m_services.m_answers = {CServices::IDCANCEL};
    Press(dialog.m_btnDelete, {strNew, "B", strNew, strNew}, 1, false);
    EXPECT_EQ(m_services.Messages(), Texts_t({CLoadListDlg::kDeleteQuestion}));
    EXPECT_EQ(m_services.m_asked.back().pParent, &dialog);
    EXPECT_EQ(m_services.m_asked.back().nButtons, CServices::MB_OKCANCEL);
    // Moves stop at the ends; a deletion selects the last load.
    Press(dialog.m_btnMoveUp, {"B", strNew, strNew, strNew}, 0, true);
    Press(dialog.m_btnMoveUp, {"B", strNew, strNew, strNew}, 0, false);
    Press(dialog.m_btnMoveDown, {strNew, "B", strNew, strNew}, 1, true);
    Press(dialog.m_btnMoveDown, {strNew, strNew, "B", strNew}, 2, true);
    Press(dialog.m_btnDelete, {strNew, strNew, strNew}, 2, true);
    Press(dialog.m_btnMoveDown, {strNew, strNew, strNew}, 2, false);
    Press(dialog.m_btnDelete, {strNew, strNew}, 1, true);
    Press(dialog.m_btnDelete, {strNew}, 0, true);
    Press(dialog.m_btnDelete, {}, -1, true);
}

TEST_F(LoadListDlg, ModesFromTheButtonsAndCommandsAndPickingInTheWhole)
{
    // A 0..10 m at 10 t/m below B 5..15 m at 5 t/m: at x = 7 the strips are 0..10 and 10..15.
    AddLoad("A", 100, 0, 10, 5);
    AddLoad("B", 50, 5, 15, 5);
    // The whole-load command opens the list with its button checked.
    CLoadListDlg& dialog = OpenLoadList(32800);
    EXPECT_TRUE(View().GetMode() == 3 && dialog.m_radioMode->button(3)->isChecked());
    Painted();
    const QRgb green = qRgb(0, 200, 0);
    const auto pick = [&](double y) {
        QTest::mouseClick(&View(), Qt::LeftButton, Qt::NoModifier, DevicePoint(7, y));
        return dialog.m_lbLoads->GetCurSel();
    };
    EXPECT_EQ(pick(12), 1);
    EXPECT_EQ(Fields(dialog)[0], "B");
    EXPECT_GT(CountColour(Painted(), green, DevicePoint(7, 12.5), 3), 0) << "B's strip is green";
    // Above the resultant nothing is picked and nothing is green.
    EXPECT_EQ(pick(16), -1);
    EXPECT_EQ(CountColour(Painted(), green), 0);

    // The buttons set the view's mode and redraw it; in the other modes a click picks nothing.
    SelectLine(dialog.m_lbLoads, 1);
    for (int nMode : {1, 2, 0, 3})
    {
        Painted();
        QSignalSpy passes(&View(), &CScafometroView::Drawn);
        Click(dialog.m_radioMode->button(nMode));
        EXPECT_EQ(View().GetMode(), nMode);
        EXPECT_TRUE(QTest::qWaitFor([&] { return passes.count() > 0; })) << "redrawn in mode " << nMode;
        EXPECT_EQ(pick(5), nMode == 3 ? 0 : 1) << nMode;
    }
    // The other mode commands check their button.
    Run(32779);
    EXPECT_TRUE(dialog.m_radioMode->button(1)->isChecked());
}
