// The grid of the table dialogs over a QTableWidget.
#include "dialogs/MSFlexGrid.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <algorithm>

#include "dialogs/AnsiText.h"
#include "dialogs/CellReader.h"
#include "dialogs/GridCells.h"

namespace
{
// A cell given a colour of its own shows it also while it is the selected cell, where the style
// would paint the selection over it.
class CCellColourDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* pOption, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(pOption, index);
        if (index.data(Qt::BackgroundRole).canConvert<QBrush>())
            pOption->state &= ~QStyle::State_Selected;
    }
};
} // namespace

CMSFlexGrid::CMSFlexGrid(int nRows, int nCols, int nFixedRows, int nFixedCols, QWidget* pParent)
    : QTableWidget(pParent), m_nFixedRows(std::clamp(nFixedRows, 0, 1)),
      m_nFixedCols(std::clamp(nFixedCols, 0, 1))
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setItemDelegate(new CCellColourDelegate(this));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    horizontalHeader()->setVisible(m_nFixedRows > 0);
    verticalHeader()->setVisible(m_nFixedCols > 0);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setSectionsClickable(false);
    verticalHeader()->setSectionsClickable(false);
    SetCols(nCols);
    SetRows(nRows);
    connect(this, &QTableWidget::currentCellChanged, this, [this] { emit SelChange(); });
}

int CMSFlexGrid::GetRows() const
{
    return rowCount() + m_nFixedRows;
}

void CMSFlexGrid::SetRows(int nRows)
{
    const int nOld = rowCount();
    const int nNew = std::max(nRows - m_nFixedRows, 1);
    setRowCount(nNew);
    for (int nRow = nOld; nRow < nNew; ++nRow)
    {
        if (m_nFixedCols > 0)
            setVerticalHeaderItem(nRow, MakeCell(QString()));
    }
    EnsureCurrent();
}

int CMSFlexGrid::GetCols() const
{
    return columnCount() + m_nFixedCols;
}

void CMSFlexGrid::SetCols(int nCols)
{
    const int nOld = columnCount();
    const int nNew = std::max(nCols - m_nFixedCols, 1);
    setColumnCount(nNew);
    for (int nCol = nOld; nCol < nNew; ++nCol)
    {
        if (m_nFixedRows > 0)
            setHorizontalHeaderItem(nCol, MakeCell(QString()));
    }
    EnsureCurrent();
}

void CMSFlexGrid::EnsureCurrent()
{
    // The grid always has a current cell, the first one that is not fixed to begin with.
    if (currentRow() < 0 || currentColumn() < 0)
    {
        const QSignalBlocker blocker(this);
        setCurrentCell(0, 0);
    }
}

int CMSFlexGrid::GetRow() const
{
    return std::max(currentRow(), 0) + m_nFixedRows;
}

void CMSFlexGrid::SetRow(int nRow)
{
    if (nRow < m_nFixedRows || nRow >= GetRows())
        return;
    const QSignalBlocker blocker(this);
    setCurrentCell(nRow - m_nFixedRows, std::max(currentColumn(), 0));
}

int CMSFlexGrid::GetCol() const
{
    return std::max(currentColumn(), 0) + m_nFixedCols;
}

void CMSFlexGrid::SetCol(int nCol)
{
    if (nCol < m_nFixedCols || nCol >= GetCols())
        return;
    const QSignalBlocker blocker(this);
    setCurrentCell(std::max(currentRow(), 0), nCol - m_nFixedCols);
}

void CMSFlexGrid::SetCellBackColor(std::uint32_t crColour)
{
    QTableWidgetItem* pCell = Cell(GetRow(), GetCol());
    if (!pCell)
    {
        pCell = MakeCell(QString());
        setItem(GetRow() - m_nFixedRows, GetCol() - m_nFixedCols, pCell);
    }
    pCell->setBackground(QColor(crColour & 0xff, crColour >> 8 & 0xff, crColour >> 16 & 0xff));
}

std::uint32_t CMSFlexGrid::GetCellBackColor(int nRow, int nCol) const
{
    const QTableWidgetItem* pCell = Cell(nRow, nCol);
    // A cell never coloured shows the grid's own background.
    const QColor colour = pCell && pCell->background().style() != Qt::NoBrush
                              ? pCell->background().color()
                              : palette().color(QPalette::Base);
    return static_cast<std::uint32_t>(colour.red()) | static_cast<std::uint32_t>(colour.green()) << 8 |
           static_cast<std::uint32_t>(colour.blue()) << 16;
}

QTableWidgetItem* CMSFlexGrid::Cell(int nRow, int nCol) const
{
    if (nRow < m_nFixedRows || nCol < m_nFixedCols || nRow >= GetRows() || nCol >= GetCols())
        return nullptr;
    return item(nRow - m_nFixedRows, nCol - m_nFixedCols);
}

QTableWidgetItem* CMSFlexGrid::MakeCell(const QString& strText) const
{
    auto* pCell = new QTableWidgetItem(strText);
    pCell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return pCell;
}

QString CMSFlexGrid::GetTextMatrix(int nRow, int nCol) const
{
    if (nRow < 0 || nCol < 0 || nRow >= GetRows() || nCol >= GetCols())
        return QString();
    if (nRow < m_nFixedRows && nCol < m_nFixedCols)
        return m_strCorner;
    if (nRow < m_nFixedRows)
        return horizontalHeaderItem(nCol - m_nFixedCols)->text();
    if (nCol < m_nFixedCols)
        return verticalHeaderItem(nRow - m_nFixedRows)->text();
    const QTableWidgetItem* pCell = Cell(nRow, nCol);
    return pCell ? pCell->text() : QString();
}

void CMSFlexGrid::SetTextMatrix(int nRow, int nCol, const QString& strText)
{
    if (nRow < 0 || nCol < 0 || nRow >= GetRows() || nCol >= GetCols())
        return;
    if (nRow < m_nFixedRows && nCol < m_nFixedCols)
        m_strCorner = strText;
    else if (nRow < m_nFixedRows)
        horizontalHeaderItem(nCol - m_nFixedCols)->setText(strText);
    else if (nCol < m_nFixedCols)
        verticalHeaderItem(nRow - m_nFixedRows)->setText(strText);
    else if (QTableWidgetItem* pCell = Cell(nRow, nCol))
        pCell->setText(strText);
    else
        setItem(nRow - m_nFixedRows, nCol - m_nFixedCols, MakeCell(strText));
}

void CMSFlexGrid::GetGridText(std::string& strText, int nFirstRow, int nFirstCol) const
{
    strText.clear();
    nFirstRow = std::max(nFirstRow, 0);
    nFirstCol = std::max(nFirstCol, 0);
    for (int nRow = nFirstRow; nRow < GetRows(); ++nRow)
    {
        if (nRow > nFirstRow)
            strText += "\r\n";
        for (int nCol = nFirstCol; nCol < GetCols(); ++nCol)
        {
            if (nCol > nFirstCol)
                strText += '\t';
            strText += CAnsiText::FromQString(GetTextMatrix(nRow, nCol));
        }
    }
}

void CMSFlexGrid::SetGridText(CCellReader& reader)
{
    // The cells go in with the model silent, so that the view lays itself out once instead of
    // once per cell.
    int nRows = 0;
    int nCols = 0;
    CGridCells::SizeFor(reader, m_nFixedRows, m_nFixedCols, nRows, nCols);
    reader.Reset();
    setUpdatesEnabled(false);
    {
        const QSignalBlocker blocker(this);
        QHeaderView* pRowHeader = verticalHeader();
        std::vector<QString> rowHeads;
        for (int nRow = 0; m_nFixedCols > 0 && nRow < rowCount(); ++nRow)
            rowHeads.push_back(verticalHeaderItem(nRow)->text());
        setRowCount(0);
        SetCols(nCols);
        SetRows(nRows);
        for (size_t nRow = 0; nRow < rowHeads.size() && static_cast<int>(nRow) < rowCount(); ++nRow)
            verticalHeaderItem(static_cast<int>(nRow))->setText(rowHeads[nRow]);
        {
            const QSignalBlocker modelBlocker(model());
            std::string strCell;
            for (int nRow = 0; nRow < nRows - m_nFixedRows; ++nRow)
            {
                for (int nCol = 0; nCol < nCols - m_nFixedCols; ++nCol)
                {
                    reader.NextCell(strCell);
                    setItem(nRow, nCol, MakeCell(CAnsiText::ToQString(strCell)));
                }
            }
        }
        setCurrentCell(0, 0);
        pRowHeader->viewport()->update();
    }
    setUpdatesEnabled(true);
    viewport()->update();
}

void CMSFlexGrid::mousePressEvent(QMouseEvent* pEvent)
{
    int nButton = 0;
    if (pEvent->button() == Qt::LeftButton)
        nButton = 1;
    else if (pEvent->button() == Qt::RightButton)
        nButton = 2;
    else if (pEvent->button() == Qt::MiddleButton)
        nButton = 4;
    const Qt::KeyboardModifiers modifiers = pEvent->modifiers();
    const int nShift = (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
                       (modifiers & Qt::AltModifier ? 4 : 0);
    const QPoint pt = viewport()->mapTo(this, pEvent->position().toPoint());
    if (nButton != 2)
    {
        const QModelIndex previous = currentIndex();
        QTableWidget::mousePressEvent(pEvent);
        // A click on the cell already current selects it again, as the user means it to.
        if (nButton == 1 && currentIndex() == previous && indexAt(pEvent->position().toPoint()) == previous)
            emit SelChange();
    }
    emit MouseDown(nButton, nShift, pt.x(), pt.y());
}

void CMSFlexGrid::keyPressEvent(QKeyEvent* pEvent)
{
    const QKeyCombination key = pEvent->keyCombination();
    if (key == QKeyCombination(Qt::ControlModifier, Qt::Key_V) ||
        key == QKeyCombination(Qt::ShiftModifier, Qt::Key_Insert))
    {
        emit PasteKey();
        return;
    }
    if (key == QKeyCombination(Qt::Key_Menu))
    {
        EmitMenuKey();
        return;
    }
    QTableWidget::keyPressEvent(pEvent);
}

void CMSFlexGrid::contextMenuEvent(QContextMenuEvent* pEvent)
{
    // The mouse's right button has its own notification; this is the keyboard's menu key.
    if (pEvent->reason() == QContextMenuEvent::Keyboard)
        EmitMenuKey();
}

void CMSFlexGrid::EmitMenuKey()
{
    const QRect rcCell = visualRect(currentIndex());
    const QPoint pt = viewport()->mapTo(this, rcCell.isValid() ? rcCell.bottomLeft() : QPoint(0, 0));
    emit MenuKey(pt.x(), pt.y());
}
