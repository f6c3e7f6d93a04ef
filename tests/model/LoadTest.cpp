// The load record: normal form, ordinate, copy.
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

#include "model/LoadList.h"

namespace
{
void Fill(CLoad& load, double dWeight, double dX1, double dX2, double dXgRel)
{
    load.m_dWeight = dWeight;
    load.m_dX1 = dX1;
    load.m_dX2 = dX2;
    load.m_dXgRel = dXgRel;
}
} // namespace

TEST(Load, NewLoadNormalisesToAnEmptyMetre)
{
    CLoad load;
    EXPECT_EQ(load.m_dY1, 0);
    load.Normalize();
    EXPECT_EQ(load.m_dX1, 0);
    EXPECT_EQ(load.m_dX2, 1.0);
    EXPECT_EQ(load.m_dXgRel, 0.5);
    EXPECT_EQ(load.m_dY1, 0);
    EXPECT_EQ(load.m_dY2, 0);
    EXPECT_EQ(load.m_pNext, nullptr);
    EXPECT_EQ(load.m_pPrev, nullptr);
}

TEST(Load, ZeroLengthBecomesOneMillimetre)
{
    CLoad load;
    Fill(load, 1, 5, 5, 0.5);
    load.Normalize();
    EXPECT_EQ(load.m_dX1, 5);
    EXPECT_EQ(load.m_dX2, 5.001);
    EXPECT_EQ(load.m_dXgRel, (5.001 - 5) / 2);
    EXPECT_EQ(load.m_dY1, load.m_dY2);
    EXPECT_NEAR(load.m_dY1, 1000, 1e-6);
}

TEST(Load, ZeroLengthFarFromTheOriginStillHasALength)
{
    CLoad load;
    Fill(load, 1, 1e13, 1e13, 0.5);
    load.Normalize();
    EXPECT_EQ(load.m_dX1, 1e13);
    EXPECT_EQ(load.m_dX2, std::nextafter(1e13, 2e13));
    EXPECT_TRUE(std::isfinite(load.m_dY1));
    EXPECT_EQ(load.m_dY1, load.m_dY2);
}

TEST(Load, ReversedEndsAreSwapped)
{
    CLoad load;
    Fill(load, 12, 10, 4, 3);
    load.Normalize();
    EXPECT_EQ(load.m_dX1, 4);
    EXPECT_EQ(load.m_dX2, 10);
    EXPECT_EQ(load.m_dY1, 2);
    EXPECT_EQ(load.m_dY2, 2);
}

TEST(Load, ImpossibleCentroidFallsBackToTheMiddle)
{
    const double kNan = std::numeric_limits<double>::quiet_NaN();
    for (double dXgRel : {0.0, -1.0, 6.0, 7.5, kNan})
    {
        CLoad load;
        Fill(load, 12, 0, 6, dXgRel);
        load.Normalize();
        EXPECT_EQ(load.m_dXgRel, 3) << dXgRel;
        EXPECT_EQ(load.m_dY1, 2) << dXgRel;
        EXPECT_EQ(load.m_dY2, 2) << dXgRel;
    }
}

TEST(Load, TrapezoidKeepsAreaAndCentroid)
{
    CLoad triangle;
    Fill(triangle, 12, 0, 6, 2);
    triangle.Normalize();
    EXPECT_EQ(triangle.m_dY1, 4);
    EXPECT_EQ(triangle.m_dY2, 0);

    CLoad outer;
    Fill(outer, 12, 0, 6, 1);
    outer.Normalize();
    EXPECT_EQ(outer.m_dY1, 6);
    EXPECT_EQ(outer.m_dY2, -2);

    CLoad deduction;
    Fill(deduction, -12, 0, 6, 2);
    deduction.Normalize();
    EXPECT_EQ(deduction.m_dY1, -4);
    EXPECT_EQ(deduction.m_dY2, 0);
}

TEST(Load, ValueAtIncludesBothEndsOnly)
{
    CLoad load;
    Fill(load, 12, 2, 8, 2);
    load.Normalize();
    EXPECT_EQ(load.ValueAt(2), load.m_dY1);
    EXPECT_EQ(load.ValueAt(8), load.m_dY2);
    EXPECT_EQ(load.ValueAt(5), (load.m_dY1 + load.m_dY2) / 2);
    EXPECT_EQ(load.ValueAt(std::nextafter(2.0, 0.0)), 0);
    EXPECT_EQ(load.ValueAt(std::nextafter(8.0, 9.0)), 0);
}

TEST(Load, CopyFromLeavesTheLinksOfBothLists)
{
    CLoadList first, second;
    first.Append("A", 1, 0, 2, 3);
    first.Append("B", 1, 2, 4, 3);
    second.Append("C", 2, 10, 16, 12);
    second.m_pCurrent->m_dYg = 0.5;
    second.m_pCurrent->m_dZg = 7;
    second.m_pCurrent->Normalize();
    first.GoTo(1);
    CLoad* pTarget = first.m_pCurrent;
    CLoad* pNext = pTarget->m_pNext;
    pTarget->CopyFrom(*second.m_pCurrent);
    EXPECT_EQ(pTarget->m_pNext, pNext);
    EXPECT_EQ(pTarget->m_pPrev, nullptr);
    EXPECT_EQ(pTarget->m_strName, "C");
    EXPECT_EQ(pTarget->m_dX1, 10);
    EXPECT_EQ(pTarget->m_dX2, 16);
    EXPECT_EQ(pTarget->m_dXgRel, 2);
    EXPECT_EQ(pTarget->m_dY1, 4);
    EXPECT_EQ(pTarget->m_dYg, 0.5);
    EXPECT_EQ(pTarget->m_dZg, 7);
    EXPECT_EQ(pTarget->m_dWeight, 12);
    EXPECT_EQ(second.m_pCurrent->m_pNext, nullptr);
    EXPECT_EQ(first.m_nCount, 2);
}
