// The table of the clipboard import: the grid's cells, the paste that fills them and the table
// text handed back to the loads list. The dialog shows and edits what this holds.
#pragma once

#include <string>

#include "dialogs/GridCells.h"

class CClipboardTable
{
public:
    // Shown when a pasted text is refused.
    static const char* const kBadFormat;
    // Pastes of more rows are refused as no weight estimate's table: every row costs the grid
    // seven cells.
    static const int kMaxRows = 1000000;

    // One header row with the seven column headings and one empty data row.
    CClipboardTable();
    virtual ~CClipboardTable();

    // "Incolla": a text whose first row holds seven cells fills the grid, and the data rows come
    // back as the table text. Otherwise false, and the grid and the table text stay as they were.
    bool Paste(const std::string& strText);
    // Every "," of a data cell becomes "."; the names and the headings stay as they are.
    void ConvertCommas();

    CGridCells m_grid;
    // The data rows as the last successful paste left them; empty until then.
    std::string m_strTable;
};
