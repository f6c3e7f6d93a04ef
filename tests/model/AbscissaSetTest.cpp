// The discontinuity abscissae: sorted insertion one at a time and all at once, and the walks.
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <vector>

#include "model/AbscissaSet.h"

namespace
{
// The same values with the same signs; two NaNs count as equal.
bool SameValues(const std::vector<double>& a, const std::vector<double>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](double x, double y) {
        return (x == y && std::signbit(x) == std::signbit(y)) || (std::isnan(x) && std::isnan(y));
    });
}
} // namespace

// Random values with repeats, both zeros and neighbours a bit apart: the sorted distinct values,
// the first of 0.0 and -0.0 kept, linked both ways, whichever way they went in.
TEST(AbscissaSet, HoldsTheSortedDistinctValues)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> coarse(-50, 50);
    for (int nRound = 0; nRound < 50; ++nRound)
    {
        std::vector<double> values{0.0, -0.0};
        for (int i = 0; i < 200; ++i)
            values.push_back(i % 10 ? coarse(random) * 0.5 : std::nextafter(coarse(random) * 0.5, 99.0));
        std::shuffle(values.begin(), values.end(), random);
        CAbscissaSet slow, fast;
        std::vector<double> expected;
        for (double x : values)
        {
            const bool bNew = std::find(expected.begin(), expected.end(), x) == expected.end();
            if (bNew)
                expected.push_back(x);
            ASSERT_EQ(slow.Insert(x), bNew ? 1 : 0) << x;
        }
        std::sort(expected.begin(), expected.end());
        fast.InsertSequence(values);
        for (CAbscissaSet* pSet : {&slow, &fast})
        {
            ASSERT_TRUE(SameValues(pSet->Values(), expected));
            ASSERT_EQ(pSet->m_nCount, static_cast<int>(expected.size()));
            EXPECT_TRUE(pSet->Max() == expected.back() && !pSet->m_pCurrent->m_pNext);
            int nBackward = 0;
            for (const CAbscissaNode* pNode = pSet->m_pCurrent; pNode; pNode = pNode->m_pPrev)
                ++nBackward;
            EXPECT_EQ(nBackward, pSet->m_nCount);
            EXPECT_TRUE(pSet->Min() == expected.front() && !pSet->m_pCurrent->m_pPrev);
            const int n = 1 + nRound % pSet->m_nCount;
            EXPECT_TRUE(pSet->GoTo(n) && pSet->m_pCurrent->m_dX == expected[static_cast<size_t>(n - 1)]);
            EXPECT_FALSE(pSet->GoTo(pSet->m_nCount + 1));
            EXPECT_EQ(pSet->m_pCurrent->m_dX, expected.back());
            EXPECT_FALSE(pSet->Next());
        }
    }
    // Values that are no number land where the walk puts them, the fast build follows it.
    const double kNan = std::numeric_limits<double>::quiet_NaN();
    const std::vector<double> values{4, 1, kNan, 9, 2, kNan};
    CAbscissaSet slow, fast;
    for (double x : values)
        slow.Insert(x);
    fast.InsertSequence(values);
    EXPECT_TRUE(SameValues(fast.Values(), slow.Values()));
}

TEST(AbscissaSet, WalksOnAnEmptySet)
{
    CAbscissaSet set;
    set.Insert(3);
    set.Clear();
    EXPECT_TRUE(set.m_nCount == 0 && set.m_pCurrent == nullptr);
    EXPECT_EQ(set.Min(), 0);
    EXPECT_EQ(set.Max(), 0);
    EXPECT_EQ(set.First() + set.GoTo(1) + set.Next() + set.Prev(), 0);
}
