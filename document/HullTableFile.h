// Reading a hull's Bonjean table from the text a spreadsheet or a hull-design program exports.
#pragma once

#include <string>

class CHullTable;

// The first row holds a label cell and the drafts [m]; every other row a station abscissa [m] and
// the immersed sectional areas [m²] at those drafts. Cells are separated by TAB, semicolon or
// comma, whichever the first row holds first in that order; with semicolons a decimal comma is
// read as a point. Rows starting with '#', blank rows and empty cells ending a row are skipped;
// a cell in double quotes may hold the separator. Rows are counted as the file's lines, so that
// a message's row is the line an editor or a spreadsheet shows.
class CHullTableFile
{
public:
    // Files larger than this are not hull tables.
    static constexpr size_t kLargestFile = size_t(16) << 20;

    // Reads the table in the file at strPath into table, which is left alone on failure. Throws
    // CFileException naming the file and, for a malformed table, the row, the column and what is
    // wrong there.
    static void Read(const std::string& strPath, CHullTable& table);
    // The same from the file's bytes, the messages naming strPath.
    static void Parse(const std::string& strPath, const std::string& strBytes, CHullTable& table);
};
