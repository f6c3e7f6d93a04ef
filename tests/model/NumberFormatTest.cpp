// Number formatting and parsing keep the decimal point in any locale.
#include <clocale>
#include <gtest/gtest.h>

#include "model/NumberFormat.h"

TEST(NumberFormat, FormatsAsTheCLocaleDoes)
{
    EXPECT_EQ(CNumberFormat::Format("%.8G", 0.5), "0.5");
    EXPECT_EQ(CNumberFormat::Format("%.8G", 2.0), "2");
    EXPECT_EQ(CNumberFormat::Format("%.8G", 1e8), "1E+08");
    EXPECT_EQ(CNumberFormat::Format("%.8G", 0.00001234), "1.234E-05");
    EXPECT_EQ(CNumberFormat::Format("%.8f", -0.25), "-0.25000000");
    EXPECT_EQ(CNumberFormat::Format("%.8f", 1e20), "100000000000000000000.00000000");
    EXPECT_EQ(CNumberFormat::Format("%.8f", 1e300).size(), 301u + 9u);
    EXPECT_EQ(CNumberFormat::Format("%i", 300), "300");
}

TEST(NumberFormat, ParsesAsAtofDoes)
{
    EXPECT_EQ(CNumberFormat::ParseDouble("  12.5xyz"), 12.5);
    EXPECT_EQ(CNumberFormat::ParseDouble("2,5"), 2);
    EXPECT_EQ(CNumberFormat::ParseDouble(""), 0);
    EXPECT_EQ(CNumberFormat::ParseDouble("abc"), 0);
    EXPECT_EQ(CNumberFormat::ParseDouble("-3e2"), -300);
}

TEST(NumberFormat, IgnoresACommaLocale)
{
    const char* pszLocale = std::setlocale(LC_ALL, "it_IT.UTF-8");
    if (!pszLocale)
        pszLocale = std::setlocale(LC_ALL, "de_DE.UTF-8");
    if (!pszLocale)
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    EXPECT_EQ(CNumberFormat::Format("%.8G", 0.5), "0.5");
    EXPECT_EQ(CNumberFormat::ParseDouble("1.5"), 1.5);
    std::setlocale(LC_ALL, "C");
}
