// The table of the clipboard import.
#include "dialogs/ClipboardTable.h"

#include <algorithm>
#include <climits>

#include "dialogs/CellReader.h"

const char* const CClipboardTable::kBadFormat =
    "Formato appunti non valido \n oppure numero di colonne diverso da 7";

const char* const CClipboardTable::kHeadings[7] = {"Nome",  "Peso[t]", "X1[m]", "X2[m]",
                                                   "Xg[m]", "yg[m]",   "Zg[m]"};

CClipboardTable::CClipboardTable() : m_grid(2, 7, 1, 0)
{
    for (int nCol = 0; nCol < 7; ++nCol)
        m_grid.SetTextMatrix(0, nCol, kHeadings[nCol]);
}

CClipboardTable::~CClipboardTable() = default;

bool CClipboardTable::Accepts(const std::string& strText, int nMaxRows)
{
    if (strText.size() >= static_cast<size_t>(INT_MAX - 1))
        return false;
    CCellReader reader;
    reader.Attach(strText);
    return reader.CountColumns() == 7 && std::count(strText.begin(), strText.end(), '\r') < nMaxRows;
}

bool CClipboardTable::ConvertCommas(std::string& strCell)
{
    if (strCell.find(',') == std::string::npos)
        return false;
    std::replace(strCell.begin(), strCell.end(), ',', '.');
    return true;
}

bool CClipboardTable::Paste(const std::string& strText)
{
    if (!Accepts(strText, kMaxRows))
        return false;
    CCellReader reader;
    reader.Attach(strText);
    m_grid.SetGridText(reader);
    return true;
}

void CClipboardTable::ConvertCommas()
{
    for (int nRow = 1; nRow < m_grid.GetRows(); ++nRow)
    {
        for (int nCol = 1; nCol < m_grid.GetCols(); ++nCol)
        {
            std::string strCell = m_grid.GetTextMatrix(nRow, nCol);
            if (ConvertCommas(strCell))
                m_grid.SetTextMatrix(nRow, nCol, strCell);
        }
    }
}

std::string CClipboardTable::Rows() const
{
    std::string strRows;
    m_grid.GetGridText(strRows, 1, 0);
    return strRows;
}
