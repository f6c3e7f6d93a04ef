// Reading the delimited text a spreadsheet exports, row by row and cell by cell, with messages that
// name the file, the row and the column: what the hull table and the limits file share.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Cells are separated by TAB, semicolon or comma, whichever the first row holds first in that
// order; with semicolons a decimal comma is read as a point. Rows starting with '#', blank rows and
// empty cells ending a row are skipped; a cell in double quotes may hold the separator. Rows are
// counted as the file's lines, so that a message's row is the line an editor or a spreadsheet shows.
class CDelimitedText
{
public:
    // Files larger than this are not tables.
    static constexpr size_t kLargestFile = size_t(16) << 20;

    // The messages name strPath; the bytes must outlive this object.
    CDelimitedText(const std::string& strPath, const std::string& strBytes);
    virtual ~CDelimitedText();

    // The whole file at strPath; throws CFileException when it cannot be read or is larger than
    // kLargestFile, saying it is too large for pszWhat ("a hull table").
    static std::string ReadFile(const std::string& strPath, const char* pszWhat);

    // The cells of the next row that holds any; false at the end of the text. Row() is its line.
    bool NextRow(std::vector<std::string>& cells);
    size_t Row() const { return m_nRow; }

    // Throws CFileException naming the row and, when nColumn is not 0, the column.
    [[noreturn]] void Fail(size_t nRow, size_t nColumn, const std::string& strWhat) const;
    // A plain decimal number (no hexadecimal, infinity or NaN, nothing after it), or a refusal
    // naming the cell and pszWhat ("a draft") that should have been there.
    double Number(const std::string& strCell, size_t nRow, size_t nColumn, const char* pszWhat) const;
    // A cell as the messages quote it: long cells cut short.
    static std::string Quoted(const std::string& strCell);
    // A number in a message, with ten significant digits.
    static std::string Shown(double dValue);

private:
    const std::string& m_strPath;
    const std::string& m_strBytes;
    size_t m_nPos = 0;
    size_t m_nRow = 0;
    // 0 until the first row with any cell chooses it.
    char m_chSeparator = 0;
};
