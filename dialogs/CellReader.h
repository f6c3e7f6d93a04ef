// Reads the cells of a spreadsheet table pasted as text: cells separated by TAB, rows ended by
// CR LF.
#pragma once

#include <string>

class CCellReader
{
public:
    CCellReader() = default;
    virtual ~CCellReader();

    // The text must outlive the reader. Only its first 2 GB are read.
    void Attach(const std::string& strText);
    // Position back to the start; returns the length of the text.
    int Reset();
    // The next cell into strCell (emptied first); returns its length. Past the end every cell
    // is empty.
    int NextCell(std::string& strCell);
    // The next cell converted as atof does in the "C" locale, 0 for an empty cell; returns the
    // cell's length.
    int NextNumber(double& dValue);
    // CR characters in the whole text plus one, -1 for an empty text; the position ends at the end.
    int CountLines();
    // TAB characters before the first CR (or the end) plus one, -1 for an empty text; the
    // position ends where counting stopped.
    int CountColumns();

private:
    int Length() const;

    const std::string* m_pText = nullptr;
    int m_nPos = 0;
};
