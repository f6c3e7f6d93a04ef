// Loads from the table text of the clipboard import, as the loads list appends them.
#pragma once

#include <string>

class CLoadList;

class CLoadTableImport
{
public:
    // Appends one load per row (name, weight, X1, X2, XG relativa, YG, ZG) after the list's
    // loads, without normalising them, until a row with an empty name or the end of the text.
    // Returns the number of loads appended.
    static int AppendRows(const std::string& strTable, CLoadList& list);
};
