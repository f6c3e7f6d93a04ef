// The window-free parts of the dialogs: the code page of names, the edit fields' numbers and the
// explorer's running sums.
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

#include "dialogs/EditNumber.h"
#include "dialogs/PartialValues.h"
#include "dialogs/Windows1252.h"
#include "model/LoadList.h"

TEST(Windows1252, EveryByteComesBackAndTheHighBlockIsNotLatin1)
{
    std::string strAll;
    for (int i = 1; i < 256; ++i)
        strAll += static_cast<char>(i);
    EXPECT_EQ(CWindows1252::FromUtf8(CWindows1252::ToUtf8(strAll)), strAll);
    EXPECT_EQ(CWindows1252::ToUtf8("\x80\x8a\x96\x9f"), "\u20ac\u0160\u2013\u0178");
    EXPECT_EQ(CWindows1252::ToUtf8("\xe8 \xe0"), "\u00e8 \u00e0");
    // What the code page lacks, and bytes that are no UTF-8, become '?' one for one.
    EXPECT_EQ(CWindows1252::FromUtf8("a\u4e2db\U0001F600c\xff"), "a?b?c?");
    EXPECT_EQ(CWindows1252::FromUnicode(0x0080), -1) << "U+0080 is not the euro's byte";
}

TEST(EditNumber, TextReadsBackToTheSameDouble)
{
    for (double d : {0.1, 12.5, -0.125, 1.0 / 3.0, 1e21, 123456789.123456789, 5e-324,
                     std::numeric_limits<double>::max(), -0.0})
    {
        double dRead = 42;
        ASSERT_TRUE(CEditNumber::Parse(CEditNumber::Format(d), dRead)) << CEditNumber::Format(d);
        EXPECT_EQ(dRead, d);
        EXPECT_EQ(std::signbit(dRead), std::signbit(d));
    }
    EXPECT_EQ(CEditNumber::Format(0.1), "0.1");
    EXPECT_EQ(CEditNumber::Format(2), "2");
}

TEST(EditNumber, OnlyAWholeFiniteNumberIsAccepted)
{
    double d = 7;
    EXPECT_TRUE(CEditNumber::Parse("  +2.5e1\t", d));
    EXPECT_EQ(d, 25);
    for (const char* pszBad : {"", " ", "abc", "12,5", "3 t", "inf", "-inf", "nan", "1e999", "-1e999", "+",
                               "+-1", "0x10", "1.5.2"})
    {
        d = 7;
        EXPECT_FALSE(CEditNumber::Parse(pszBad, d)) << pszBad;
        EXPECT_EQ(d, 7) << pszBad;
    }
}

TEST(PartialValues, RunningSumsWithRepeatsShownOnce)
{
    // A 0..10 m at 1 t/m, B 10..20 m at 2 t/m.
    CLoadList list;
    list.Append("A", 5, 0, 10, 10);
    list.Append("B", 5, 10, 20, 20);
    list.RebuildAbscissae();
    EXPECT_EQ(CPartialValues::At(list, 10 - 1e-6), std::vector<double>({1}));
    const std::vector<double> right = CPartialValues::At(list, 10 + 1e-6);
    ASSERT_EQ(right.size(), 2u);
    EXPECT_EQ(right[0], 0);
    EXPECT_DOUBLE_EQ(right[1], 2);
    EXPECT_TRUE(CPartialValues::At(list, -1e-6).empty());
    // Ordinates that cancel: the limit 0 is left out, the partial sum stays.
    CLoadList cancel;
    cancel.Append("+", 5, 0, 10, 50);
    cancel.Append("-", 5, 0, 10, -50);
    cancel.RebuildAbscissae();
    EXPECT_EQ(CPartialValues::At(cancel, 1e-6), std::vector<double>({5}));
}
