// The load record: normal form, ordinate, copy.
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

#include "model/LoadList.h"

namespace
{
struct SNormalCase
{
    double dWeight, dX1, dX2, dXgRel;              // as entered
    double dNormX1, dNormX2, dNormXgRel, dY1, dY2; // after Normalize
};
} // namespace

TEST(Load, NormalizeGivesTheTrapezoidOfTheSameAreaAndCentroid)
{
    const double kNaN = std::numeric_limits<double>::quiet_NaN();
    const SNormalCase cases[] = {
        {0, 0, 1, 0.5, 0, 1, 0.5, 0, 0}, // a new load
        {12, 10, 4, 3, 4, 10, 3, 2, 2},  // reversed ends are swapped
        {12, 0, 6, 2, 0, 6, 2, 4, 0},    // centroid at a third: a triangle
        {12, 0, 6, 1, 0, 6, 1, 6, -2},   // in the outer third: one end negative
        {-12, 0, 6, 2, 0, 6, 2, -4, 0},  // a deduction
        {12, 0, 6, 0, 0, 6, 3, 2, 2},    // impossible centroids fall back to the middle
        {12, 0, 6, -1, 0, 6, 3, 2, 2},   {12, 0, 6, 6, 0, 6, 3, 2, 2}, {12, 0, 6, kNaN, 0, 6, 3, 2, 2},
    };
    for (const SNormalCase& c : cases)
    {
        CLoad load;
        load.m_dWeight = c.dWeight;
        load.m_dX1 = c.dX1;
        load.m_dX2 = c.dX2;
        load.m_dXgRel = c.dXgRel;
        load.Normalize();
        EXPECT_EQ(load.m_dX1, c.dNormX1) << c.dWeight << " " << c.dXgRel;
        EXPECT_EQ(load.m_dX2, c.dNormX2) << c.dWeight << " " << c.dXgRel;
        EXPECT_EQ(load.m_dXgRel, c.dNormXgRel) << c.dWeight << " " << c.dXgRel;
        EXPECT_EQ(load.m_dY1, c.dY1) << c.dWeight << " " << c.dXgRel;
        EXPECT_EQ(load.m_dY2, c.dY2) << c.dWeight << " " << c.dXgRel;
    }
}

TEST(Load, ZeroLengthBecomesTheSmallestLoadThere)
{
    CLoad load;
    load.m_dWeight = 1;
    load.m_dX1 = load.m_dX2 = 5;
    load.Normalize();
    EXPECT_EQ(load.m_dX1, 5);
    EXPECT_EQ(load.m_dX2, 5.001);
    EXPECT_EQ(load.m_dXgRel, (5.001 - 5) / 2);
    EXPECT_NEAR(load.m_dY1, 1000, 1e-6);

    // So far out that a millimetre is lost in rounding, the length is one step of the double.
    load.m_dX1 = load.m_dX2 = 1e13;
    load.Normalize();
    EXPECT_EQ(load.m_dX2, std::nextafter(1e13, 2e13));
    EXPECT_TRUE(std::isfinite(load.m_dY1));

    // At the largest double the step goes down: a file must be able to hold both ends.
    const double dMax = std::numeric_limits<double>::max();
    load.m_dX1 = load.m_dX2 = dMax;
    load.Normalize();
    EXPECT_EQ(load.m_dX1, std::nextafter(dMax, 0.0));
    EXPECT_EQ(load.m_dX2, dMax);
}

TEST(Load, EndsFartherApartThanTheLargestDoubleKeepFiniteValues)
{
    // Their distance overflows; the centroid and the ordinates are worked out from half of it.
    const double dMax = std::numeric_limits<double>::max();
    CLoad load;
    load.m_dWeight = 1e300;
    load.m_dX1 = dMax;
    load.m_dX2 = -dMax;
    load.m_dXgRel = 0;
    load.Normalize();
    EXPECT_EQ(load.m_dX1, -dMax);
    EXPECT_EQ(load.m_dXgRel, dMax) << "the middle";
    EXPECT_DOUBLE_EQ(load.m_dY1, 1e300 / dMax / 2) << "a rectangle of the weight over twice dMax";
    EXPECT_DOUBLE_EQ(load.m_dY2, load.m_dY1);
    load.m_dXgRel = 2 * (dMax / 3); // a third of the way: a triangle
    load.Normalize();
    EXPECT_DOUBLE_EQ(load.m_dY1, 1e300 / dMax);
    EXPECT_NEAR(load.m_dY2, 0, 1e-20);
}

TEST(Load, HugeWeightsGiveOrdinatesThatAreNumbers)
{
    // 2 W and L^2 overflow, W / L does not: about 1 t/m over the whole length.
    CLoad load;
    load.m_dWeight = 1e308;
    load.m_dX1 = -0.5;
    load.m_dX2 = 1e308;
    load.m_dXgRel = 0;
    load.Normalize();
    EXPECT_DOUBLE_EQ(load.m_dY1, 1e308 / (1e308 + 0.5));
    EXPECT_DOUBLE_EQ(load.m_dY2, load.m_dY1);

    // On a tenth of a nanometre the ordinate itself overflows; the triangle's apex stays 0.
    load.m_dX1 = 0;
    load.m_dX2 = 1e-10;
    load.m_dXgRel = 1e-10 / 3;
    load.Normalize();
    EXPECT_EQ(load.m_dY1, std::numeric_limits<double>::infinity());
    EXPECT_EQ(load.m_dY2, 0);
}

TEST(Load, ValueAtIncludesBothEndsOnly)
{
    CLoad load;
    load.m_dWeight = 12;
    load.m_dX1 = 2;
    load.m_dX2 = 8;
    load.m_dXgRel = 2;
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
    CLoad* pNext = first.m_pCurrent->m_pNext;
    first.m_pCurrent->CopyFrom(*second.m_pCurrent);
    const CLoad& copy = *first.m_pCurrent;
    EXPECT_EQ(copy.m_pNext, pNext);
    EXPECT_EQ(copy.m_pPrev, nullptr);
    EXPECT_EQ(second.m_pCurrent->m_pNext, nullptr);
    EXPECT_EQ(copy.m_strName, "C");
    EXPECT_EQ(copy.m_dX1, 10);
    EXPECT_EQ(copy.m_dX2, 16);
    EXPECT_EQ(copy.m_dXgRel, 2);
    EXPECT_EQ(copy.m_dWeight, 12);
    EXPECT_EQ(copy.m_dY1, 4);
    EXPECT_EQ(copy.m_dY2, 0);
    EXPECT_EQ(copy.m_dYg, 0.5);
    EXPECT_EQ(copy.m_dZg, 7);
}
