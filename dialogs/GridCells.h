// The cells of a grid with fixed header rows and columns, and the table text in and out of it:
// what the grid dialogs keep in their grid control, without the control.
#pragma once

#include <string>
#include <vector>

class CCellReader;

class CGridCells
{
public:
    CGridCells(int nRows, int nCols, int nFixedRows, int nFixedCols);
    virtual ~CGridCells();

    int GetRows() const { return m_nRows; }
    int GetCols() const { return m_nCols; }
    int GetFixedRows() const { return m_nFixedRows; }
    int GetFixedCols() const { return m_nFixedCols; }
    // Cells already there keep their text; new ones are empty. Never fewer than the fixed
    // rows (columns) plus one.
    void SetRows(int nRows);
    void SetCols(int nCols);

    // The text of the cell at 0-based row and column; empty outside the grid.
    std::string GetTextMatrix(int nRow, int nCol) const;
    // Outside the grid nothing changes.
    void SetTextMatrix(int nRow, int nCol, const std::string& strText);

    // The counts of rows and columns, fixed ones included, that the reader's text fills.
    static void SizeFor(CCellReader& reader, int nFixedRows, int nFixedCols, int& nRows, int& nCols);
    // Sizes the grid for the reader's text and fills every cell below and right of the fixed
    // ones with the reader's cells, row after row; the fixed cells are not touched.
    void SetGridText(CCellReader& reader);
    // The cells from the given row and column to the last ones: a row's cells joined by TAB,
    // rows joined by CR LF, nothing after the last row.
    void GetGridText(std::string& strText, int nFirstRow, int nFirstCol) const;

private:
    bool Contains(int nRow, int nCol) const;

    int m_nRows = 0;
    int m_nCols = 0;
    int m_nFixedRows = 0;
    int m_nFixedCols = 0;
    // Row after row.
    std::vector<std::vector<std::string>> m_cells;
};
