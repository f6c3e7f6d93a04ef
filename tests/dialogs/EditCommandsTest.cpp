// Undo and redo over every kind of change to the loads, and copy and paste with a spreadsheet.
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "DialogFixture.h"
#include "TestSupport.h"
#include "app/MainFrame.h"
#include "dialogs/ClipboardImportDlg.h"
#include "dialogs/ClipboardTable.h"
#include "dialogs/LoadListDlg.h"
#include "dialogs/MSFlexGrid.h"
#include "dialogs/QtListBox.h"

using testsupport::SameBytes;

class EditCommands : public CDialogFixture
{
protected:
    // The loads as the document's file would hold them now, normalised as a repaint leaves them.
    std::string Bytes(bool bNormalised = true)
    {
        if (bNormalised)
            Doc().m_listLoads.RebuildAbscissae();
        return testsupport::Saved(Doc().m_listLoads, m_scratch.Path("ora.p3d"));
    }
    void Keys(const char* pszKeys)
    {
        Activate(&m_pApp->Frame());
        QTest::keySequence(&m_pApp->Frame(), QKeySequence(pszKeys));
    }
};

TEST_F(EditCommands, UndoAndRedoGoThroughEveryKindOfChangeAndCopyAndPasteRoundTrip)
{
    m_services.m_paths = {Example()};
    Run(57601);
    const std::string strOpened = Bytes(false);
    CLoadListDlg& dialog = OpenLoadList();
    const QString strRows = "A\t10\t0\t5\t2\t0\t3\r\nB\t4\t5\t7\t1\t0\t1\r\n";
    const auto open = [&](const char* pszFile, int nId) {
        m_services.m_paths = {testsupport::DataPath(pszFile)};
        Run(nId);
    };
    const std::vector<std::function<void()>> changes = {
        [&] { SelectLine(dialog.m_lbLoads, 1), Type(dialog.m_editX1, "3.75"); },
        [&] { Type(dialog.m_editName, "Rinominato"); },
        [&] { Type(dialog.m_editWeight, "77", false), QTest::keyClick(dialog.m_editWeight, Qt::Key_Return); },
        [&] { SelectLine(dialog.m_lbLoads, 0), Click(dialog.m_btnDelete); },
        [&] { SelectLine(dialog.m_lbLoads, 5), Click(dialog.m_btnMoveUp); },
        [&] { SelectLine(dialog.m_lbLoads, 2), Click(dialog.m_btnMoveDown); },
        [&] {
            SetClipboard(strRows);
            WithModal([&] { Click(dialog.m_btnImport); },
                      [&](QWidget* pModal) {
                          auto* pImport = qobject_cast<CClipboardImportDlg*>(pModal);
                          QTest::keyClick(pImport->Grid(), Qt::Key_V, Qt::ControlModifier);
                          pImport->accept();
                      });
        },
        [&] { open("merge/altro.p3d", 32798); },
        [&] { open("merge/altro.p3d", 32799); },
        [&] { SetClipboard(strRows), Keys("Ctrl+V"); },
        [&] { open("old-two-loads/estimate.p", 32797); },
    };
    std::vector<std::string> states = {Bytes()};
    for (const auto& change : changes)
    {
        Run(32771);
        change();
        states.push_back(Bytes());
        EXPECT_FALSE(states.back() == states[states.size() - 2]) << "change " << states.size() - 1;
    }
    ASSERT_EQ(Doc().m_undoStack.count(), static_cast<int>(changes.size())) << "one step each";

    // Back all the way, from the menu and both keys, then forward again: each step as it was.
    Doc().SetModifiedFlag(false);
    for (size_t i = changes.size(); i-- > 0;)
    {
        i % 3 == 0 ? (void)Run(57643) : Keys(i % 3 == 1 ? "Ctrl+Z" : "Alt+Backspace");
        EXPECT_TRUE(i > 0 || SameBytes(Bytes(false), strOpened)) << "the file as opened";
        EXPECT_TRUE(SameBytes(Bytes(), states[i])) << "undo to " << i;
        EXPECT_EQ(Lines(dialog.m_lbLoads), Names());
        EXPECT_EQ(dialog.m_lbLoads->GetCurSel(), -1);
    }
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_FALSE(Run(57643));
    for (size_t i = 1; i <= changes.size(); ++i)
    {
        i % 2 ? (void)Run(57644) : Keys(i % 4 ? "Ctrl+Y" : "Ctrl+Shift+Z");
        EXPECT_TRUE(SameBytes(Bytes(), states[i])) << "redo to " << i;
    }
    EXPECT_FALSE(Run(57644));
    m_services.m_saveAnswers = {CServices::saveNo};
    Run(57600);
    EXPECT_FALSE(Run(57643)) << "a new document has nothing to undo";

    // Copy and paste round trip bit for bit; a bad table is refused.
    AddLoad("Motore \xe8 \x80", 0.1, 1.0 / 3, 7, 2, -0.0, 5e-324);
    AddLoad("Serbatoio", -123456.789e10, 1e-300, 1e300, 0.7, 1.7976931348623157e308, 3);
    Doc().UpdateAllViews();
    const std::string strBefore = Bytes(false);
    Keys("Ctrl+C");
    const QString strCopied = QGuiApplication::clipboard()->text();
    EXPECT_EQ(strCopied.section("\r\n", 0, 0),
              QString::fromUtf8("Motore \u00e8 \u20ac\t0.1\t0.3333333333333333\t7\t2\t-0\t5e-324"));

    m_services.m_saveAnswers = {CServices::saveNo};
    Run(57600);
    Keys("Shift+Ins");
    EXPECT_TRUE(SameBytes(Bytes(false), strBefore)) << "the same loads, bit for bit";
    EXPECT_TRUE(Doc().IsModified());

    // A table of other than seven columns changes nothing.
    SetClipboard("a\tb\tc\r\n");
    Doc().SetModifiedFlag(false);
    m_services.m_asked.clear();
    Run(57637);
    EXPECT_EQ(m_services.Messages(), Texts_t({CClipboardTable::kBadFormat}));
    EXPECT_TRUE(SameBytes(Bytes(false), strBefore));
    EXPECT_EQ(Doc().m_undoStack.count(), 1);
    EXPECT_FALSE(Doc().IsModified());

    // In the loads list Ctrl+C copies the selected load only.
    OpenLoadList();
    SelectLine(dialog.m_lbLoads, 1);
    QTest::keySequence(dialog.m_lbLoads, QKeySequence("Ctrl+C"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), strCopied.section("\r\n", 1, 1) + "\r\n");
}
