// Number formatting and parsing keep the decimal point in any locale; the eight-decimal writer
// matches printf.
#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <gtest/gtest.h>
#include <random>
#include <vector>

#include "model/NumberFormat.h"

TEST(NumberFormat, WritesFixedEightAsPrintfDoes)
{
    // Any bit pattern, drawing-sized values, and exact ties of the eighth decimal (odd multiples
    // of 2^-9), which printf rounds to the even neighbour.
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> exponent(-10, 12), mantissa(-1, 1);
    std::vector<double> values = {-0.0, -1e-20, 5e-9, 1e10, -DBL_MAX, DBL_MIN, NAN, -INFINITY};
    for (int i = 0; i < 20000; ++i)
    {
        const std::uint64_t nBits = random();
        double dBits;
        std::memcpy(&dBits, &nBits, sizeof dBits);
        const double dTie = std::ldexp(static_cast<double>(random() % 4000000001) * 2 - 4e9 + 1, -9);
        values.insert(values.end(), {dBits, mantissa(random) * std::pow(10.0, exponent(random)), dTie});
    }
    for (double dValue : values)
    {
        char szText[CNumberFormat::kFixed8Room + 1];
        char szExpected[CNumberFormat::kFixed8Room + 1];
        *CNumberFormat::WriteFixed8(szText, dValue) = '\0';
        std::snprintf(szExpected, sizeof szExpected, "%.8f", dValue);
        ASSERT_STREQ(szText, szExpected) << std::hexfloat << dValue;
    }
}

// The exports' expected files check the formats; a text longer than the usual room is written whole.
TEST(NumberFormat, IgnoresACommaLocale)
{
    EXPECT_EQ(CNumberFormat::Format("%.8f", 1e300).size(), 301u + 9u);
    const char* pszLocale = std::setlocale(LC_ALL, "it_IT.UTF-8");
    if (!pszLocale)
        pszLocale = std::setlocale(LC_ALL, "de_DE.UTF-8");
    if (!pszLocale)
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    EXPECT_EQ(CNumberFormat::Format("%.8G", 0.5), "0.5");
    EXPECT_EQ(CNumberFormat::ParseDouble("1.5"), 1.5);
    EXPECT_EQ(CNumberFormat::ParseDouble("  2,5xyz"), 2);
    std::setlocale(LC_ALL, "C");
}
