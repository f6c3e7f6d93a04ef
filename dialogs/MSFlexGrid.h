// The grid of the table dialogs: rows and columns with fixed header rows and columns, a current
// cell, cell texts and background colours, and the selection-change and mouse-down notifications.
// At most one fixed row and one fixed column, shown as the table's headers.
#pragma once

#include <QTableWidget>
#include <cstdint>
#include <string>

class CCellReader;

class CMSFlexGrid : public QTableWidget
{
    Q_OBJECT

public:
    CMSFlexGrid(int nRows, int nCols, int nFixedRows, int nFixedCols, QWidget* pParent = nullptr);

    // Counts include the fixed rows and columns; there is always one cell that is not fixed.
    int GetRows() const;
    void SetRows(int nRows);
    int GetCols() const;
    void SetCols(int nCols);
    int GetFixedRows() const { return m_nFixedRows; }
    int GetFixedCols() const { return m_nFixedCols; }
    // The current cell, never a fixed one. Moving it from code raises no SelChange.
    int GetRow() const;
    void SetRow(int nRow);
    int GetCol() const;
    void SetCol(int nCol);
    // The background of the current cell, as 0x00bbggrr.
    void SetCellBackColor(std::uint32_t crColour);
    std::uint32_t GetCellBackColor(int nRow, int nCol) const;
    // The text of the cell at 0-based row and column, fixed ones included; empty outside.
    QString GetTextMatrix(int nRow, int nCol) const;
    void SetTextMatrix(int nRow, int nCol, const QString& strText);

    // The cells from the given row and column to the last ones as Windows-1252 text: a row's
    // cells joined by TAB, rows joined by CR LF, nothing after the last row.
    void GetGridText(std::string& strText, int nFirstRow, int nFirstCol) const;
    // Sizes the grid for the reader's text and fills every cell that is not fixed with the
    // reader's cells, row after row; the fixed cells keep their text.
    void SetGridText(CCellReader& reader);

signals:
    void SelChange();
    // nButton 1 left, 2 right, 4 middle; nShift 1 Shift, 2 Ctrl, 4 Alt; x and y in the grid's
    // pixels. A right press does not move the current cell.
    void MouseDown(int nButton, int nShift, int x, int y);
    // Ctrl+V or Shift+Ins in the grid.
    void PasteKey();
    // The keyboard's menu key, with the current cell's corner in the grid's pixels.
    void MenuKey(int x, int y);

protected:
    void mousePressEvent(QMouseEvent* pEvent) override;
    void keyPressEvent(QKeyEvent* pEvent) override;
    void contextMenuEvent(QContextMenuEvent* pEvent) override;

private:
    QTableWidgetItem* Cell(int nRow, int nCol) const;
    QTableWidgetItem* MakeCell(const QString& strText) const;
    void EnsureCurrent();
    void EmitMenuKey();

    int m_nFixedRows;
    int m_nFixedCols;
    // The corner cell, fixed in both directions: no header shows it.
    QString m_strCorner;
};
