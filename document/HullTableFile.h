// Reading a hull's Bonjean table from the text a spreadsheet or a hull-design program exports.
#pragma once

#include <string>

class CHullTable;

// The first row holds a label cell and the drafts [m]; every other row a station abscissa [m] and
// the immersed sectional areas [m²] at those drafts, in delimited text as CDelimitedText reads it.
class CHullTableFile
{
public:
    // Reads the table in the file at strPath into table, which is left alone on failure. Throws
    // CFileException naming the file and, for a malformed table, the row, the column and what is
    // wrong there.
    static void Read(const std::string& strPath, CHullTable& table);
    // The same from the file's bytes, the messages naming strPath.
    static void Parse(const std::string& strPath, const std::string& strBytes, CHullTable& table);
};
