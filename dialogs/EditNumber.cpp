// The numbers of the dialogs' edit fields.
#include "dialogs/EditNumber.h"

#include <charconv>
#include <cmath>

std::string CEditNumber::Format(double dValue)
{
    char buffer[64];
    const std::to_chars_result result = std::to_chars(buffer, buffer + sizeof buffer, dValue);
    return std::string(buffer, result.ptr);
}

bool CEditNumber::Parse(const std::string& strText, double& dValue)
{
    const char* pFirst = strText.data();
    const char* pLast = pFirst + strText.size();
    const auto isBlank = [](char ch) { return ch == ' ' || ch == '\t'; };
    while (pFirst < pLast && isBlank(*pFirst))
        ++pFirst;
    while (pLast > pFirst && isBlank(pLast[-1]))
        --pLast;
    // from_chars takes a minus but no plus; "+-1" must stay refused.
    if (pFirst < pLast && *pFirst == '+' && pLast - pFirst > 1 && pFirst[1] != '-')
        ++pFirst;
    double dRead = 0;
    const std::from_chars_result result = std::from_chars(pFirst, pLast, dRead);
    if (result.ec != std::errc() || result.ptr != pLast || !std::isfinite(dRead))
        return false;
    dValue = dRead;
    return true;
}

bool CEditNumber::ParseTyped(std::string strText, double& dValue)
{
    const size_t nComma = strText.find(',');
    if (strText.find('.') == std::string::npos && nComma != std::string::npos &&
        strText.find(',', nComma + 1) == std::string::npos)
        strText[nComma] = '.';
    return Parse(strText, dValue);
}
