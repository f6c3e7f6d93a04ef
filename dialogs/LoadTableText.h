// Loads as the table text of a spreadsheet, the one the clipboard import reads: a row per load of
// seven TAB-separated cells (name, P, X1, X2, XG relativa, YG, ZG), each row ending with CR LF.
#pragma once

#include <string>
#include <vector>

class CLoad;

class CLoadTableText
{
public:
    // The names stay in the model's single-byte code page. A TAB, CR or LF in a name becomes a
    // space, so that the name stays one cell.
    static std::string Rows(const std::vector<const CLoad*>& loads);
    // The shortest text that reads back, as atof reads it, to the very same double.
    static std::string Number(double dValue);
};
