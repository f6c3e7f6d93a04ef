// The window-free parts of the dialogs: the code page of names, the edit fields' numbers, the
// explorer's running sums, which pasted texts are a table, and the loads made from its rows.
#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "dialogs/ClipboardTable.h"
#include "dialogs/EditNumber.h"
#include "dialogs/LoadTableImport.h"
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
    // What the code page lacks, and bytes that are no UTF-8, become '?' one for one.
    EXPECT_EQ(CWindows1252::FromUtf8("a\u4e2db\U0001F600c\xff"), "a?b?c?");
    EXPECT_EQ(CWindows1252::FromUnicode(0x0080), -1) << "U+0080 is not the euro's byte";
}

TEST(EditNumber, OnlyAWholeFiniteNumberIsReadAndItsTextReadsBackToTheSameDouble)
{
    const auto cases = testsupport::CaseTable("dialogs/numbers.txt");
    ASSERT_GT(cases.size(), 20u);
    for (const auto& [strShown, strTyped] : cases)
    {
        SCOPED_TRACE("typed \"" + strTyped + "\"");
        double d = 7;
        const bool bRead = CEditNumber::Parse(strTyped, d);
        EXPECT_EQ(bRead ? CEditNumber::Format(d) : "refused", strShown);
        double dBack = bRead ? 42 : 7;
        EXPECT_TRUE(!bRead || CEditNumber::Parse(CEditNumber::Format(d), dBack));
        EXPECT_TRUE(dBack == d && std::signbit(dBack) == std::signbit(d)) << dBack << " for " << d;
    }
}

TEST(PartialValues, OrdinatesThatCancelLeaveOutTheLimitZero)
{
    // The sums at 10 m of A and B, one after the other, are checked in the explorer's window.
    CLoadList list;
    list.Append("+", 5, 0, 10, 50);
    list.Append("-", 5, 0, 10, -50);
    list.RebuildAbscissae();
    EXPECT_EQ(CPartialValues::At(list, 1e-6), std::vector<double>({5}));
}

TEST(ClipboardTable, SevenCellsInTheFirstRowAndFewerCarriageReturnsThanTheLimit)
{
    for (const auto& [strAccepted, strText] : testsupport::CaseTable("dialogs/clipboard-tables.txt"))
        EXPECT_EQ(CClipboardTable::Accepts(strText, 4), strAccepted == "yes") << strText;
}

TEST(LoadTableImport, NoFiniteNumberCountsAsNoneAndARowWithoutANameEndsTheImport)
{
    CLoadList list;
    EXPECT_EQ(CLoadTableImport::AppendRows(
                  "A\t10\t0\t5\t2\t0\t3\r\nC\t2,5\tx\t1e999\tnan\t-inf\t7\r\n\t1\t1\t1\t1\t1\t1\r\nD", list),
              2);
    const CLoad& load = *list.m_pCurrent;
    EXPECT_EQ(
        std::vector<double>({load.m_dWeight, load.m_dX1, load.m_dX2, load.m_dXgRel, load.m_dYg, load.m_dZg}),
        std::vector<double>({2, 0, 0, 0, 0, 7}));
    list.GoTo(1);
    EXPECT_EQ(list.m_pCurrent->m_dY1, 0) << "not normalised on import";
}
