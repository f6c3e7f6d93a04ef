// Numbers to text and back with the point as decimal separator, whatever locale the program
// runs in (the desktop toolkit switches the C library to the user's locale at start-up).
#pragma once

#include <cstddef>
#include <string>

class CNumberFormat
{
public:
    // printf-style formatting of one double, e.g. Format("%.8G", 0.5) == "0.5".
    static std::string Format(const char* pszFormat, double dValue);
    // printf-style formatting of one integer, e.g. Format("%i", 3) == "3".
    static std::string Format(const char* pszFormat, int nValue);
    // Writes at p what Format("%.8f", dValue) gives and returns the end of it. The drawings write
    // millions of coordinates, and this costs a fraction of the formatted output.
    static char* WriteFixed8(char* p, double dValue);
    // The most characters WriteFixed8 writes: the minus sign, the 309 digits of the largest
    // double, the point and the 8 decimals.
    static constexpr size_t kFixed8Room = 319;
    // What the standard atof gives in the "C" locale: leading blanks skipped, conversion up to
    // the first character that cannot continue the number, 0 when there is none.
    static double ParseDouble(const std::string& strText);
};
