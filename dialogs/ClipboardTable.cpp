// The table of the clipboard import.
#include "dialogs/ClipboardTable.h"

#include <algorithm>
#include <climits>

#include "dialogs/CellReader.h"

const char* const CClipboardTable::kBadFormat =
    "Formato appunti non valido \n oppure numero di colonne diverso da 7";

namespace
{
const char* const kHeadings[] = {"Nome", "Peso[t]", "X1[m]", "X2[m]", "Xg[m]", "yg[m]", "Zg[m]"};
} // namespace

CClipboardTable::CClipboardTable() : m_grid(2, 7, 1, 0)
{
    for (int nCol = 0; nCol < 7; ++nCol)
        m_grid.SetTextMatrix(0, nCol, kHeadings[nCol]);
}

CClipboardTable::~CClipboardTable() = default;

bool CClipboardTable::Paste(const std::string& strText)
{
    if (strText.size() >= static_cast<size_t>(INT_MAX - 1))
        return false;
    CCellReader reader;
    reader.Attach(strText);
    if (reader.CountColumns() != 7)
        return false;
    if (std::count(strText.begin(), strText.end(), '\r') >= kMaxRows)
        return false;
    m_grid.SetGridText(reader);
    m_grid.GetGridText(m_strTable, 1, 0);
    return true;
}

void CClipboardTable::ConvertCommas()
{
    for (int nRow = 1; nRow < m_grid.GetRows(); ++nRow)
    {
        for (int nCol = 1; nCol < m_grid.GetCols(); ++nCol)
        {
            std::string strCell = m_grid.GetTextMatrix(nRow, nCol);
            std::replace(strCell.begin(), strCell.end(), ',', '.');
            m_grid.SetTextMatrix(nRow, nCol, strCell);
        }
    }
}
