// The discontinuity abscissae, one at a time and all at once; the resultant: abscissae from loads,
// p(x) and its partial sums, the largest ordinate, and the fast sums, which must have the bits of
// the plain walk.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <vector>

#include "model/AbscissaSet.h"
#include "model/LoadList.h"
#include "model/ResultantLimits.h"
#include "model/StackedSums.h"

namespace
{
// The values whose bits differ from the plain ones; of two NaNs an addition may pass on either.
int Mismatches(const std::vector<double>& values, const std::function<double(size_t)>& plain)
{
    int nCount = 0;
    for (size_t i = 0; i < values.size(); ++i)
    {
        const double d = plain(i);
        nCount += std::memcmp(&values[i], &d, sizeof d) != 0 && !(std::isnan(values[i]) && std::isnan(d));
    }
    return nCount;
}
} // namespace

TEST(Resultant, ValuesLimitsAndRebuildsOfTwoUniformLoads)
{
    CLoadList list;
    list.RebuildAbscissae();
    EXPECT_TRUE(list.ValueAt(3) == 0 && list.MaxOrdinate() == 0 && list.PartialSumAt(1, 3) == 0);
    EXPECT_EQ(list.m_abscissae.m_nCount, 0);
    // A, entered reversed, over 0..10 m with 100 t, and B over 10..20 m with 50 t: the shared end
    // is stored once, and both loads count there.
    list.Append("A", 5, 10, 0, 100);
    list.Append("B", 5, 10, 20, 50);
    list.RebuildAbscissae();
    EXPECT_EQ(list.m_abscissae.Values(), (std::vector<double>{0, 10, 20}));
    EXPECT_EQ(list.m_pCurrent->m_strName, "B");
    EXPECT_TRUE(list.ValueAt(10) == 15 && list.ValueAt(10 - 1e-6) == 10 && list.ValueAt(10 + 1e-6) == 5);
    EXPECT_EQ(list.MaxOrdinate(), 10);
    EXPECT_TRUE(list.PartialSumAt(1, 10) == 10 && list.PartialSumAt(3, 10) == 15);
    EXPECT_TRUE(list.PartialSumAt(0, 10) == 0 && list.PartialSumAt(-3, 10) == 0);
    // Any change of the loads' ends, or of the set itself, since the last rebuild makes it again.
    list.m_pCurrent->m_dX2 = 25;
    list.RebuildAbscissae();
    EXPECT_EQ(list.m_abscissae.Values(), (std::vector<double>{0, 10, 25}));
    list.m_abscissae.Insert(99);
    list.RebuildAbscissae();
    EXPECT_EQ(list.m_abscissae.Max(), 25);
    list.m_abscissae.Clear();
    list.RebuildAbscissae();
    EXPECT_EQ(list.m_abscissae.m_nCount, 3);
    list.GoTo(1);
    list.m_pCurrent->m_dX2 = -0.0;
    list.RebuildAbscissae();
    EXPECT_TRUE(std::signbit(list.m_abscissae.Min()));
    list.Clear();
    list.RebuildAbscissae();
    EXPECT_TRUE(list.m_nCount == 0 && list.m_pCurrent == nullptr && list.m_abscissae.m_nCount == 0);
    // A deduction alone: the largest ordinate is never below the axis.
    list.Append("deduction", 5, 0, 10, -30);
    EXPECT_EQ(list.MaxOrdinate(), 0);
}

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
            ASSERT_EQ(pSet->Values().size(), expected.size());
            ASSERT_EQ(Mismatches(pSet->Values(), [&](size_t i) { return expected[i]; }), 0);
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
    const std::vector<double> slowValues = slow.Values();
    ASSERT_EQ(fast.m_nCount, slow.m_nCount);
    EXPECT_EQ(Mismatches(fast.Values(), [&](size_t i) { return slowValues.at(i); }), 0);
    // Emptied, the walks find nothing and the ends are 0.
    slow.Clear();
    EXPECT_TRUE(slow.m_nCount == 0 && slow.m_pCurrent == nullptr && slow.Min() == 0 && slow.Max() == 0);
    EXPECT_EQ(slow.First() + slow.GoTo(1) + slow.Next() + slow.Prev(), 0);
}

// Loads of every kind (overlapping, of no length, with ends or weights that are no numbers or
// infinite, two left as entered) at abscissae sorted and not: the stacked sums load by load and
// all at once, the running sums and the limits have the bits of PartialSumAt and ValueAt.
TEST(Resultant, FastSumsAreBitIdenticalToTheWalk)
{
    const double kNaN = std::numeric_limits<double>::quiet_NaN(),
                 kInf = std::numeric_limits<double>::infinity();
    std::mt19937 random(11);
    std::uniform_real_distribution<double> position(0, 150), length(0.2, 40), weight(-30, 300), unit(0, 1);
    CLoadList list;
    for (int i = 0; i < 60; ++i)
    {
        const double dX1 = i % 7 == 3 ? std::floor(position(random)) : position(random);
        const double dLength = i % 17 == 0 ? 0 : length(random);
        list.Append("L", unit(random) * dLength, dX1, dX1 + dLength, weight(random));
    }
    list.Append("nan end", 1, kNaN, 30, 10);
    list.Append("nan weight", 1, 10, 20, kNaN);
    list.Append("infinite", 1, 50, kInf, 10);
    list.Append("negative zero", 1, 70, 80, -0.0);
    list.RebuildAbscissae();
    std::vector<double> xs = list.m_abscissae.Values();
    list.Append("reversed", 1, 10, 4, 12);
    list.m_pCurrent->m_dY1 = 3;
    list.m_pCurrent->m_dY2 = 5;
    list.Append("point", 1, 6, 6, 12);
    list.m_pCurrent->m_dY1 = list.m_pCurrent->m_dY2 = 2;
    const std::vector<CLoad*> loads = list.Loads();

    for (size_t j = 0, nCount = xs.size(); j < nCount; ++j)
        xs.insert(xs.end(), {xs[j] - 1e-6, xs[j] + 1e-6});
    for (int i = 0; i < 400; ++i)
        xs.push_back(i * 0.4 - 5);
    std::vector<double> sorted = xs;
    sorted.erase(std::remove_if(sorted.begin(), sorted.end(), [](double x) { return std::isnan(x); }),
                 sorted.end());
    std::sort(sorted.begin(), sorted.end());
    std::vector<double> sums;
    for (const auto& queries : {sorted, xs})
    {
        CStackedSums stacked(queries), all(queries);
        all.AddAll(loads);
        int nCount = Mismatches(all.Sums(), [&](size_t q) { return list.ValueAt(queries[q]); });
        for (int k = 1; k <= list.m_nCount; ++k)
        {
            stacked.Add(*loads[static_cast<size_t>(k - 1)]);
            nCount += Mismatches(stacked.Sums(), [&](size_t q) { return list.PartialSumAt(k, queries[q]); });
        }
        for (size_t q = 0; q < queries.size(); q += 37)
        {
            list.RunningSumsAt(queries[q], sums);
            ASSERT_EQ(sums.size(), loads.size() + 1);
            nCount += Mismatches(
                sums, [&](size_t k) { return list.PartialSumAt(static_cast<int>(k), queries[q]); });
        }
        EXPECT_EQ(nCount, 0) << queries.size();
    }

    list.RebuildAbscissae();
    const CResultantLimits limits(list);
    xs = list.m_abscissae.Values();
    ASSERT_TRUE(limits.m_xs.size() == xs.size() && limits.m_lefts.size() == xs.size() &&
                limits.m_rights.size() == xs.size());
    EXPECT_EQ(Mismatches(limits.m_xs, [&](size_t j) { return xs[j]; }) +
                  Mismatches(limits.m_lefts, [&](size_t j) { return list.ValueAt(xs[j] - 1e-6); }) +
                  Mismatches(limits.m_rights, [&](size_t j) { return list.ValueAt(xs[j] + 1e-6); }) +
                  Mismatches({limits.m_dMax}, [&](size_t) { return list.MaxOrdinate(); }),
              0);
    EXPECT_EQ(list.m_pCurrent, loads.back());
}
