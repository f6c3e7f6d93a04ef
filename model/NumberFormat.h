// Numbers to text and back with the point as decimal separator, whatever locale the program
// runs in (the desktop toolkit switches the C library to the user's locale at start-up).
#pragma once

#include <string>

class CNumberFormat
{
public:
    // printf-style formatting of one double, e.g. Format("%.8G", 0.5) == "0.5".
    static std::string Format(const char* pszFormat, double dValue);
    // printf-style formatting of one integer, e.g. Format("%i", 3) == "3".
    static std::string Format(const char* pszFormat, int nValue);
    // What the standard atof gives in the "C" locale: leading blanks skipped, conversion up to
    // the first character that cannot continue the number, 0 when there is none.
    static double ParseDouble(const std::string& strText);
};
