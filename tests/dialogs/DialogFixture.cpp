// The program as the dialogs' tests meet it.
#include "DialogFixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "dialogs/LoadListDlg.h"
#include "dialogs/MSFlexGrid.h"
#include "dialogs/QtListBox.h"

void CDialogFixture::SetUp()
{
    CAppFixture::SetUp();
    Start();
}

void CDialogFixture::AddLoad(const std::string& strName, double dWeight, double dX1, double dX2,
                             double dXgRel, double dYg, double dZg)
{
    CLoadList& list = Doc().m_listLoads;
    list.Append(strName, dXgRel, dX1, dX2, dWeight);
    list.m_pCurrent->m_dYg = dYg;
    list.m_pCurrent->m_dZg = dZg;
    list.m_pCurrent->Normalize();
}

Texts_t CDialogFixture::Names()
{
    std::vector<std::string> names;
    for (const CLoad* pLoad : Doc().m_listLoads.Loads())
        names.push_back(pLoad->m_strName);
    return names;
}

CLoadListDlg& CDialogFixture::OpenLoadList(int nCommand)
{
    EXPECT_TRUE(Run(nCommand));
    CLoadListDlg* pDialog = View().GetLoadListDlg();
    EXPECT_TRUE(pDialog && pDialog->isVisible() && Activate(pDialog));
    ExpectOwnedAndCentred(*pDialog);
    ExpectNoOverlaps(*pDialog);
    int nUnits = 0;
    for (const QLabel* pLabel : pDialog->findChildren<QLabel*>())
        nUnits += pLabel->isVisible() && pLabel->text().startsWith('[');
    EXPECT_EQ(nUnits, 6) << "every number field shows its unit beside it";
    return *pDialog;
}

void CDialogFixture::ExpectOwnedAndCentred(QWidget& window)
{
    QWidget& frame = m_pApp->Frame();
    ASSERT_TRUE(window.isWindow() && window.parentWidget());
    EXPECT_EQ(window.parentWidget()->window(), &frame) << window.windowTitle().toStdString();
    const QPoint ptOffset = window.frameGeometry().center() - frame.frameGeometry().center();
    EXPECT_LE(ptOffset.manhattanLength(), 4) << window.windowTitle().toStdString();
}

void CDialogFixture::Click(QAbstractButton* pButton)
{
    // A radio button takes clicks on its circle and its text, which begin at its left.
    const bool bRadio = qobject_cast<QRadioButton*>(pButton) != nullptr;
    const QPoint pt = bRadio ? QPoint(6, pButton->height() / 2) : pButton->rect().center();
    QTest::mouseClick(pButton, Qt::LeftButton, Qt::NoModifier, pt);
}

void CDialogFixture::ClickCell(CMSFlexGrid& grid, int nRow, int nCol, Qt::MouseButton button)
{
    const QModelIndex index = grid.model()->index(nRow - grid.GetFixedRows(), nCol - grid.GetFixedCols());
    QTest::mouseClick(grid.viewport(), button, Qt::NoModifier, grid.visualRect(index).center());
}

void CDialogFixture::SelectLine(CQtListBox* pList, int nIndex)
{
    QListWidgetItem* pItem = pList->item(nIndex);
    ASSERT_TRUE(pItem);
    pList->scrollToItem(pItem);
    QTest::mouseClick(pList->viewport(), Qt::LeftButton, Qt::NoModifier,
                      pList->visualItemRect(pItem).center());
}

std::vector<std::string> CDialogFixture::Lines(const CQtListBox* pList)
{
    std::vector<std::string> lines;
    for (int i = 0; i < pList->GetCount(); ++i)
        lines.push_back(pList->GetText(i));
    return lines;
}

void CDialogFixture::Type(QLineEdit* pEdit, const std::string& strText, bool bLeave)
{
    QTest::mouseClick(pEdit, Qt::LeftButton, Qt::NoModifier, pEdit->rect().center());
    QTest::keyClick(pEdit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(pEdit, Qt::Key_Delete);
    // Characters beyond ASCII have no key of their own: they come as the text of a key event.
    for (const QChar ch : QString::fromUtf8(strText.c_str()))
    {
        if (ch.unicode() < 0x80)
            QTest::keyClick(pEdit, static_cast<char>(ch.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, pEdit, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
    if (bLeave)
        QTest::keyClick(pEdit, Qt::Key_Tab);
}

bool CDialogFixture::Activate(QWidget* pWindow)
{
    pWindow->activateWindow();
    // Not isActiveWindow(): it also holds for the parent of a menu that has kept the activation.
    return QTest::qWaitFor([pWindow] { return QApplication::activeWindow() == pWindow; });
}

void CDialogFixture::WithModal(const std::function<void()>& start,
                               const std::function<void(QWidget*)>& answer)
{
    bool bAnswered = false;
    std::function<void()> poll;
    poll = [&] {
        QWidget* pModal = QApplication::activeModalWidget();
        if (!pModal || !pModal->isVisible())
            return QTimer::singleShot(10, poll);
        bAnswered = true;
        // Mouse events find their widget by position: the dialog must be laid out and shown.
        EXPECT_TRUE(QTest::qWaitForWindowExposed(pModal));
        answer(pModal);
        // An answer that left the dialog open would leave the test waiting for ever.
        EXPECT_FALSE(pModal->isVisible()) << "the dialog is still open";
        pModal->close();
    };
    QTimer::singleShot(0, poll);
    start();
    EXPECT_TRUE(bAnswered);
}

QPoint CDialogFixture::DevicePoint(double x, double y)
{
    SPoint pt;
    EXPECT_TRUE(View().GetViewport().WorldToDevice(CVector3(x, y, 0), pt));
    return QPoint(pt.x, pt.y);
}
