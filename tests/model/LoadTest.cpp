// The load record: its normal form, down to the largest and smallest doubles, and its ordinate.
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

// Equal, or within the last few bits, or both below 1e-20.
bool Close(double dActual, double dExpected)
{
    return dActual == dExpected || std::fabs(dActual - dExpected) <= 1e-12 * std::fabs(dExpected) + 1e-20;
}
} // namespace

TEST(Load, NormalizeGivesTheTrapezoidOfTheSameAreaAndCentroid)
{
    const double kNaN = std::numeric_limits<double>::quiet_NaN(), kMax = std::numeric_limits<double>::max();
    const double kStep13 = std::nextafter(1e13, 2e13) - 1e13, kBelowMax = std::nextafter(kMax, 0.0);
    const SNormalCase cases[] = {
        {0, 0, 1, 0.5, 0, 1, 0.5, 0, 0}, // a new load
        {12, 10, 4, 3, 4, 10, 3, 2, 2},  // reversed ends are swapped
        {12, 0, 6, 2, 0, 6, 2, 4, 0},    // centroid at a third: a triangle
        {12, 0, 6, 1, 0, 6, 1, 6, -2},   // in the outer third: one end negative
        {-12, 0, 6, 2, 0, 6, 2, -4, 0},  // a deduction
        {12, 0, 6, 0, 0, 6, 3, 2, 2},    // impossible centroids fall back to the middle
        {12, 0, 6, -1, 0, 6, 3, 2, 2},
        {12, 0, 6, 6, 0, 6, 3, 2, 2},
        {12, 0, 6, kNaN, 0, 6, 3, 2, 2},
        // No length: a millimetre; where a millimetre is lost in rounding, a step of the double,
        // taken downward at the largest double so that a file can hold both ends.
        {1, 5, 5, 0.5, 5, 5.001, (5.001 - 5) / 2, 1 / (5.001 - 5), 1 / (5.001 - 5)},
        {1, 1e13, 1e13, 0.5, 1e13, 1e13 + kStep13, kStep13 / 2, 1 / kStep13, 1 / kStep13},
        {1, kMax, kMax, 0, kBelowMax, kMax, (kMax - kBelowMax) / 2, 1 / (kMax - kBelowMax),
         1 / (kMax - kBelowMax)},
        // Ends whose distance overflows: worked out from half of it, in the middle or at a third.
        {1e300, kMax, -kMax, 0, -kMax, kMax, kMax, 1e300 / kMax / 2, 1e300 / kMax / 2},
        {1e300, -kMax, kMax, 2 * (kMax / 3), -kMax, kMax, 2 * (kMax / 3), 1e300 / kMax, 0},
        // 2 W and L^2 overflow, W / L does not; on 1e-10 m the ordinate itself overflows, the
        // triangle's apex stays 0.
        {1e308, -0.5, 1e308, 0, -0.5, 1e308, (1e308 + 0.5) / 2, 1e308 / (1e308 + 0.5), 1e308 / (1e308 + 0.5)},
        {1e308, 0, 1e-10, 1e-10 / 3, 0, 1e-10, 1e-10 / 3, HUGE_VAL, 0},
    };
    for (const SNormalCase& c : cases)
    {
        CLoad load;
        load.m_dWeight = c.dWeight;
        load.m_dX1 = c.dX1;
        load.m_dX2 = c.dX2;
        load.m_dXgRel = c.dXgRel;
        load.Normalize();
        EXPECT_TRUE(load.m_dX1 == c.dNormX1 && load.m_dX2 == c.dNormX2 &&
                    Close(load.m_dXgRel, c.dNormXgRel) && Close(load.m_dY1, c.dY1) &&
                    Close(load.m_dY2, c.dY2))
            << c.dWeight << " over " << c.dX1 << ".." << c.dX2 << " at " << c.dXgRel << ": " << load.m_dX1
            << ".." << load.m_dX2 << " at " << load.m_dXgRel << ", " << load.m_dY1 << " to " << load.m_dY2;
    }
}

TEST(Load, ValueAtIncludesBothEndsOnly)
{
    CLoadList list;
    list.Append("triangle", 2, 2, 8, 12);
    CLoad& load = *list.m_pCurrent;
    load.Normalize();
    EXPECT_TRUE(load.ValueAt(2) == 4 && load.ValueAt(8) == 0 && load.ValueAt(5) == 2);
    list.Append("uniform", 3, 2, 8, 12);
    list.m_pCurrent->Normalize();
    EXPECT_EQ(list.m_pCurrent->ValueAt(8), 2);
    EXPECT_EQ(list.m_pCurrent->ValueAt(std::nextafter(2.0, 0.0)), 0);
    EXPECT_EQ(list.m_pCurrent->ValueAt(std::nextafter(8.0, 9.0)), 0);
}
