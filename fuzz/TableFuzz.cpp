// Fuzz target: a pasted table. The seven-column check, the grid filled from the text and read
// back, the commas converted, and the rows imported as loads and totalled.
#include <cstddef>
#include <cstdint>
#include <string>

#include "dialogs/CellReader.h"
#include "dialogs/ClipboardTable.h"
#include "dialogs/LoadTableImport.h"
#include "fuzz/FuzzCheck.h"
#include "model/LoadList.h"

using namespace fuzzcheck;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    const std::string strText(reinterpret_cast<const char*>(pData), nSize);
    CCellReader reader;
    reader.Attach(strText);
    const int nColumns = reader.CountColumns();
    const int nLines = reader.CountLines();
    Check(strText.empty() ? nColumns == -1 && nLines == -1 : nColumns >= 1 && nLines >= 1,
          "an empty text has no cells, any other at least one");
    reader.Reset();
    std::string strCell;
    for (int i = 0; i < 64 && reader.NextCell(strCell) >= 0; ++i)
        Check(strCell.find_first_of("\t\r") == std::string::npos, "a cell holds no TAB and no CR");

    CClipboardTable table;
    const std::string strBefore = table.Rows();
    if (!table.Paste(strText))
    {
        Check(nColumns != 7 || strText.empty() || nLines > CClipboardTable::kMaxRows,
              "a first row of seven cells is accepted");
        Check(table.Rows() == strBefore && table.m_grid.GetRows() == 2, "a refused paste changes nothing");
        return 0;
    }
    Check(nColumns == 7, "only a first row of seven cells is accepted");
    Check(table.m_grid.GetRows() == nLines + 1 && table.m_grid.GetCols() == 7, "one grid row per line");

    // The table text pasted again fills the grid the same way.
    CClipboardTable again;
    Check(again.Paste(table.Rows()), "the table text is accepted again");
    Check(again.Rows() == table.Rows(), "the grid round trip keeps every cell");

    table.ConvertCommas();
    std::string strConverted;
    table.m_grid.GetGridText(strConverted, 1, 1);
    Check(strConverted.find(',') == std::string::npos, "no comma is left among the numbers");

    CLoadList list;
    const int nAppended = CLoadTableImport::AppendRows(table.Rows(), list);
    Check(nAppended == list.m_nCount && nAppended <= nLines, "at most one load a row");
    list.RebuildAbscissae();
    list.TotalWeight();
    list.Xg();
    list.Yg();
    list.Zg();
    return 0;
}
