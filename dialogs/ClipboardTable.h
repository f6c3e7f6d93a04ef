// The table of the clipboard import: which pasted texts are a table of loads, its column headings,
// the decimal commas turned into points, and, for the batch tool, the grid the paste fills.
#pragma once

#include <string>

#include "dialogs/GridCells.h"

class CClipboardTable
{
public:
    // Shown when a pasted text is refused.
    static const char* const kBadFormat;
    // The header row.
    static const char* const kHeadings[7];
    // The batch tool refuses more rows as no weight estimate's table: every row costs the grid
    // seven cells.
    static const int kMaxRows = 1000000;

    // One header row with the seven column headings and one empty data row.
    CClipboardTable();
    virtual ~CClipboardTable();

    // Whether a text can fill the grid: seven cells in its first row, fewer than nMaxRows CRs
    // and a size the reader can count.
    static bool Accepts(const std::string& strText, int nMaxRows);
    // Every "," of a data cell becomes "."; true when there was one.
    static bool ConvertCommas(std::string& strCell);

    // "Incolla": an accepted text fills the grid; otherwise false, and the grid stays as it was.
    bool Paste(const std::string& strText);
    // The commas of every data cell; the names and the headings stay as they are.
    void ConvertCommas();
    // The data rows as the grid holds them, as the loads are imported from them.
    std::string Rows() const;

    CGridCells m_grid;
};
