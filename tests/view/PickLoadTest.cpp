// Picking the load whose strip holds a world point.
#include <gtest/gtest.h>
#include <limits>

#include "GraphTestLists.h"

TEST(PickLoad, FindsTheStripThatHoldsThePoint)
{
    CLoadList list;
    TwoOverlappingLoads(list);
    list.RebuildAbscissae();
    // Above the resultant (20 t/m at x = 7), on the axis and below it: nothing.
    EXPECT_EQ(list.PickLoad(7, 20.5), 0);
    EXPECT_EQ(list.PickLoad(7, 0), 0);
    EXPECT_EQ(list.PickLoad(7, -1), 0);
    // Just above the axis where both loads lie: the first in the list.
    EXPECT_EQ(list.PickLoad(7, 1e-9), 1);
    // On the boundary between the two strips: the lower load.
    EXPECT_EQ(list.PickLoad(7, 10), 1);
    EXPECT_EQ(list.PickLoad(7, 10.001), 2);
    // On the resultant itself: still inside.
    EXPECT_EQ(list.PickLoad(7, 20), 2);
    // Where only B lies.
    EXPECT_EQ(list.PickLoad(12, 5), 2);
    // At x = 10 both of A's end and B count in full: p(10) = 20.
    EXPECT_EQ(list.PickLoad(10, 15), 2);
    EXPECT_EQ(list.PickLoad(30, 1), 0);
}

TEST(PickLoad, NeverWalksPastTheLastLoad)
{
    const double dNaN = std::numeric_limits<double>::quiet_NaN();
    const double dInf = std::numeric_limits<double>::infinity();
    CLoadList list;
    TwoOverlappingLoads(list);
    list.RebuildAbscissae();
    EXPECT_EQ(list.PickLoad(7, dNaN), 0);
    EXPECT_EQ(list.PickLoad(dNaN, 5), 0);
    EXPECT_EQ(list.PickLoad(7, dInf), 0);

    // A load whose weight is not a number makes every sum over it not a number: no strip can
    // hold the point, and the search ends with the list.
    CLoadList broken;
    broken.Append("A", 5, 0, 10, dNaN);
    broken.Append("B", 5, 0, 10, 100);
    broken.RebuildAbscissae();
    EXPECT_EQ(broken.PickLoad(5, 1), 0);

    // An infinite weight gives ordinates that are not numbers either: A's strip still holds its
    // points, and above it the search ends with the list.
    CLoadList infinite;
    infinite.Append("A", 5, 0, 10, 100);
    infinite.Append("B", 5, 0, 10, dInf);
    infinite.RebuildAbscissae();
    EXPECT_EQ(infinite.PickLoad(5, 3), 1);
    EXPECT_EQ(infinite.PickLoad(5, 20), 0);

    // Sums that overflow to infinity: the last strip reaches up to it.
    CLoadList huge;
    for (int i = 0; i < 3; ++i)
        huge.Append("H", 0.5, 0, 1, 8e307);
    huge.RebuildAbscissae();
    EXPECT_EQ(huge.PickLoad(0.5, 1e300), 1);
    EXPECT_EQ(huge.PickLoad(0.5, 1.7e308), 3);

    CLoadList empty;
    EXPECT_EQ(empty.PickLoad(0, 1), 0);
}
