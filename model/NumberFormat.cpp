// Numbers to text and back with the point as decimal separator.
#include "model/NumberFormat.h"

#include <algorithm>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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

// Below this magnitude a value counted in units of the eighth decimal fits 64 bits.
constexpr double kExactLimit = 1e10;
constexpr std::uint64_t kUnitsPerOne = 100000000;

// |dValue| in units of the eighth decimal, rounded as printf rounds the exact binary value: to the
// nearest, a tie to the even one. dValue is finite and below kExactLimit in magnitude.
std::uint64_t EighthDecimalUnits(double dValue)
{
    std::uint64_t nBits;
    std::memcpy(&nBits, &dValue, sizeof nBits);
    const int nBiased = static_cast<int>((nBits >> 52) & 0x7ff);
    std::uint64_t nMantissa = nBits & ((std::uint64_t(1) << 52) - 1);
    if (nBiased != 0)
        nMantissa |= std::uint64_t(1) << 52;
    // |dValue| is nMantissa / 2^nShift, and below kExactLimit the shift is at least 19.
    const int nShift = 1075 - std::max(nBiased, 1);
    const unsigned __int128 nScaled = static_cast<unsigned __int128>(nMantissa) * kUnitsPerOne;
    // nScaled is below 2^80: from this shift on it is less than half a unit.
    if (nShift > 80)
        return 0;
    const unsigned __int128 nUnits = nScaled >> nShift;
    const unsigned __int128 nRest = nScaled - (nUnits << nShift);
    const unsigned __int128 nHalf = static_cast<unsigned __int128>(1) << (nShift - 1);
    const bool bUp = nRest > nHalf || (nRest == nHalf && (nUnits & 1) != 0);
    return static_cast<std::uint64_t>(nUnits) + (bUp ? 1 : 0);
}

// "00", "01" .. "99": the decimals are written two at a time.
struct SDigitPairs
{
    char pairs[200];
    constexpr SDigitPairs() : pairs()
    {
        for (int i = 0; i < 100; ++i)
        {
            pairs[2 * i] = static_cast<char>('0' + i / 10);
            pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
        }
    }
    char* Write(char* p, std::uint32_t nTwoDigits) const
    {
        std::memcpy(p, pairs + 2 * nTwoDigits, 2);
        return p + 2;
    }
};
constexpr SDigitPairs kDigitPairs;
} // namespace

std::string CNumberFormat::Format(const char* pszFormat, double dValue)
{
    return FormatValue(pszFormat, dValue);
}

std::string CNumberFormat::Format(const char* pszFormat, int nValue)
{
    return FormatValue(pszFormat, nValue);
}

char* CNumberFormat::WriteFixed8(char* p, double dValue)
{
    if (std::fabs(dValue) < kExactLimit)
    {
        const std::uint64_t nUnits = EighthDecimalUnits(dValue);
        // printf keeps the sign of a negative value that rounds to zero, and of -0.
        if (std::signbit(dValue))
            *p++ = '-';
        p = std::to_chars(p, p + 20, nUnits / kUnitsPerOne).ptr;
        *p++ = '.';
        const std::uint32_t nDecimals = static_cast<std::uint32_t>(nUnits % kUnitsPerOne);
        const std::uint32_t nHigh = nDecimals / 10000;
        const std::uint32_t nLow = nDecimals % 10000;
        p = kDigitPairs.Write(p, nHigh / 100);
        p = kDigitPairs.Write(p, nHigh % 100);
        p = kDigitPairs.Write(p, nLow / 100);
        return kDigitPairs.Write(p, nLow % 100);
    }
    // Larger values are rare enough for the standard library's exact conversion; it writes no
    // infinities or not-a-numbers as printf does, which take the formatted output itself.
    if (std::isfinite(dValue))
    {
        const std::to_chars_result result =
            std::to_chars(p, p + kFixed8Room, dValue, std::chars_format::fixed, 8);
        if (result.ec == std::errc())
            return result.ptr;
    }
    const std::string strText = Format("%.8f", dValue);
    return std::copy(strText.begin(), strText.end(), p);
}

double CNumberFormat::ParseDouble(const std::string& strText)
{
    return strtod_l(strText.c_str(), nullptr, CLocale());
}
