// The numbers of the dialogs' edit fields: shown so that the text reads back to the same double,
// and read back only when the whole text is a finite number.
#pragma once

#include <string>

class CEditNumber
{
public:
    // The shortest text that reads back to exactly dValue, with a point as decimal separator.
    static std::string Format(double dValue);
    // Blanks around the number and a leading "+" are allowed; anything else after it ("12,5",
    // "3 t"), no number at all, and numbers that are not finite ("inf", "nan", "1e999") are
    // refused, leaving dValue as it was.
    static bool Parse(const std::string& strText, double& dValue);
    // The same, with a lone decimal comma read as a point, as an Italian keyboard types it.
    static bool ParseTyped(std::string strText, double& dValue);
};
