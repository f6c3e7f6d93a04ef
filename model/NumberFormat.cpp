// Numbers to text and back with the point as decimal separator.
#include "model/NumberFormat.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <locale.h>

namespace
{
// The "C" locale, made once and kept for the life of the process.
locale_t CLocale()
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    return cLocale;
}

// Switches this thread to the "C" locale for as long as it lives.
class CLocaleScope
{
public:
    CLocaleScope() : m_previous(uselocale(CLocale())) {}
    ~CLocaleScope() { uselocale(m_previous); }

private:
    locale_t m_previous;
};

template <typename T> std::string FormatValue(const char* pszFormat, T value)
{
    CLocaleScope scope;
    char buffer[64];
    const int nLength = std::snprintf(buffer, sizeof buffer, pszFormat, value);
    if (nLength < 0)
        return std::string();
    if (static_cast<size_t>(nLength) < sizeof buffer)
        return std::string(buffer, static_cast<size_t>(nLength));
    // Fixed notation of a huge number ("%.8f" of 1e300) needs more room.
    std::string strText(static_cast<size_t>(nLength) + 1, '\0');
    std::snprintf(&strText[0], strText.size(), pszFormat, value);
    strText.resize(static_cast<size_t>(nLength));
    return strText;
}
} // namespace

std::string CNumberFormat::Format(const char* pszFormat, double dValue)
{
    return FormatValue(pszFormat, dValue);
}

std::string CNumberFormat::Format(const char* pszFormat, int nValue)
{
    return FormatValue(pszFormat, nValue);
}

double CNumberFormat::ParseDouble(const std::string& strText)
{
    return strtod_l(strText.c_str(), nullptr, CLocale());
}
