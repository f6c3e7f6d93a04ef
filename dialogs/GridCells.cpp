// The cells of a grid and its table text.
#include "dialogs/GridCells.h"

#include <algorithm>
#include <climits>

#include "dialogs/CellReader.h"

CGridCells::CGridCells(int nRows, int nCols, int nFixedRows, int nFixedCols)
    : m_nFixedRows(std::max(nFixedRows, 0)), m_nFixedCols(std::max(nFixedCols, 0))
{
    SetCols(nCols);
    SetRows(nRows);
}

CGridCells::~CGridCells() = default;

void CGridCells::SetRows(int nRows)
{
    m_nRows = std::max(nRows, m_nFixedRows + 1);
    m_cells.resize(static_cast<size_t>(m_nRows), std::vector<std::string>(static_cast<size_t>(m_nCols)));
}

void CGridCells::SetCols(int nCols)
{
    m_nCols = std::max(nCols, m_nFixedCols + 1);
    for (std::vector<std::string>& row : m_cells)
        row.resize(static_cast<size_t>(m_nCols));
}

bool CGridCells::Contains(int nRow, int nCol) const
{
    return nRow >= 0 && nRow < m_nRows && nCol >= 0 && nCol < m_nCols;
}

std::string CGridCells::GetTextMatrix(int nRow, int nCol) const
{
    if (!Contains(nRow, nCol))
        return std::string();
    return m_cells[static_cast<size_t>(nRow)][static_cast<size_t>(nCol)];
}

void CGridCells::SetTextMatrix(int nRow, int nCol, const std::string& strText)
{
    if (Contains(nRow, nCol))
        m_cells[static_cast<size_t>(nRow)][static_cast<size_t>(nCol)] = strText;
}

void CGridCells::SizeFor(CCellReader& reader, int nFixedRows, int nFixedCols, int& nRows, int& nCols)
{
    // Counted wide: a text of 2^31 - 1 lines must not wrap the count around.
    const long long nLines = static_cast<long long>(reader.CountLines()) + nFixedRows;
    nRows = static_cast<int>(std::clamp<long long>(nLines, nFixedRows + 1, INT_MAX));
    const long long nCells = static_cast<long long>(reader.CountColumns()) + nFixedCols;
    nCols = static_cast<int>(std::clamp<long long>(nCells, nFixedCols + 1, INT_MAX));
}

void CGridCells::SetGridText(CCellReader& reader)
{
    int nRows = 0;
    int nCols = 0;
    SizeFor(reader, m_nFixedRows, m_nFixedCols, nRows, nCols);
    SetRows(nRows);
    SetCols(nCols);
    reader.Reset();
    std::string strCell;
    for (int nRow = m_nFixedRows; nRow < m_nRows; ++nRow)
    {
        for (int nCol = m_nFixedCols; nCol < m_nCols; ++nCol)
        {
            reader.NextCell(strCell);
            m_cells[static_cast<size_t>(nRow)][static_cast<size_t>(nCol)] = strCell;
        }
    }
}

void CGridCells::GetGridText(std::string& strText, int nFirstRow, int nFirstCol) const
{
    strText.clear();
    nFirstRow = std::max(nFirstRow, 0);
    nFirstCol = std::max(nFirstCol, 0);
    for (int nRow = nFirstRow; nRow < m_nRows; ++nRow)
    {
        if (nRow > nFirstRow)
            strText += "\r\n";
        for (int nCol = nFirstCol; nCol < m_nCols; ++nCol)
        {
            if (nCol > nFirstCol)
                strText += '\t';
            strText += m_cells[static_cast<size_t>(nRow)][static_cast<size_t>(nCol)];
        }
    }
}
