// The Qt list box of the model's list-box interface.
#include "dialogs/QtListBox.h"

#include <QSignalBlocker>

#include "dialogs/AnsiText.h"

CQtListBox::CQtListBox(QWidget* pParent) : QListWidget(pParent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    connect(this, &QListWidget::itemSelectionChanged, this, &CQtListBox::SelChange);
}

void CQtListBox::ResetContent()
{
    if (m_bBatch)
    {
        m_batch.clear();
        m_nBatchSel = -1;
        return;
    }
    const QSignalBlocker blocker(this);
    clear();
}

int CQtListBox::InsertString(int nIndex, const std::string& strText)
{
    const QString strLine = CAnsiText::ToQString(strText);
    if (m_bBatch)
    {
        if (nIndex < 0 || nIndex > m_batch.size())
            nIndex = static_cast<int>(m_batch.size());
        m_batch.insert(nIndex, strLine);
        return nIndex;
    }
    if (nIndex < 0 || nIndex > count())
        nIndex = count();
    const QSignalBlocker blocker(this);
    insertItem(nIndex, strLine);
    return nIndex;
}

void CQtListBox::SetCurSel(int nIndex)
{
    if (m_bBatch)
    {
        m_nBatchSel = nIndex;
        return;
    }
    const QSignalBlocker blocker(this);
    if (nIndex < 0 || nIndex >= count())
    {
        clearSelection();
        setCurrentRow(-1);
        return;
    }
    setCurrentRow(nIndex);
    scrollToItem(item(nIndex));
}

int CQtListBox::GetCount() const
{
    return m_bBatch ? static_cast<int>(m_batch.size()) : count();
}

void CQtListBox::SetRedraw(bool bRedraw)
{
    if (!bRedraw && !m_bBatch)
    {
        m_batch.clear();
        for (int i = 0; i < count(); ++i)
            m_batch << item(i)->text();
        m_nBatchSel = GetCurSel();
        m_bBatch = true;
        setUpdatesEnabled(false);
    }
    else if (bRedraw && m_bBatch)
    {
        m_bBatch = false;
        {
            const QSignalBlocker blocker(this);
            clear();
            addItems(m_batch);
        }
        m_batch.clear();
        SetCurSel(m_nBatchSel);
        setUpdatesEnabled(true);
    }
}

void CQtListBox::SetScrollRange(int, int, bool)
{
    // The widget sizes its scroll bar from its lines.
}

int CQtListBox::GetCurSel() const
{
    if (m_bBatch)
        return m_nBatchSel;
    const QListWidgetItem* pItem = currentItem();
    return pItem && pItem->isSelected() ? currentRow() : -1;
}

std::string CQtListBox::GetText(int nIndex) const
{
    const QListWidgetItem* pItem = item(nIndex);
    return pItem ? CAnsiText::FromQString(pItem->text()) : std::string();
}
