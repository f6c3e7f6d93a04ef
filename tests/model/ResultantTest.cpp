// The resultant: abscissae from loads, p(x) and its partial sums, the largest ordinate, and the
// fast sums, which must have the bits of the plain walk.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <vector>

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

TEST(Resultant, ValuesAndLimitsOfTwoUniformLoads)
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
    EXPECT_EQ(list.ValueAt(5), 10);
    EXPECT_EQ(list.ValueAt(10), 15);
    EXPECT_EQ(list.ValueAt(10 - 1e-6), 10);
    EXPECT_EQ(list.ValueAt(10 + 1e-6), 5);
    EXPECT_EQ(list.MaxOrdinate(), 10);
    EXPECT_EQ(list.PartialSumAt(1, 10), 10);
    EXPECT_EQ(list.PartialSumAt(3, 10), 15);
    EXPECT_TRUE(list.PartialSumAt(0, 10) == 0 && list.PartialSumAt(-3, 10) == 0);
    // A deduction alone: the largest ordinate is never below the axis.
    CLoadList deduction;
    deduction.Append("deduction", 5, 0, 10, -30);
    EXPECT_EQ(deduction.MaxOrdinate(), 0);
    EXPECT_EQ(deduction.ValueAt(5), -3);
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

// A rebuild with nothing changed keeps the set; any change of the loads' ends or of the set
// itself since the last rebuild makes it again.
TEST(Resultant, RebuildFollowsEveryChange)
{
    CLoadList list;
    list.Append("A", 5, 0, 10, 100);
    list.Append("B", 5, 10, 20, 50);
    list.RebuildAbscissae();
    list.RebuildAbscissae();
    EXPECT_EQ(list.m_abscissae.Values(), (std::vector<double>{0, 10, 20}));
    list.m_pCurrent->m_dX2 = 25;
    list.RebuildAbscissae();
    EXPECT_EQ(list.m_abscissae.Values(), (std::vector<double>{0, 10, 25}));
    for (const auto& change : std::vector<std::function<void()>>{[&] { list.m_abscissae.Insert(99); },
                                                                 [&] { list.m_abscissae.Clear(); }})
    {
        change();
        list.RebuildAbscissae();
        EXPECT_EQ(list.m_abscissae.Values(), (std::vector<double>{0, 10, 25}));
    }
    list.GoTo(1);
    list.m_pCurrent->m_dX1 = -0.0;
    list.RebuildAbscissae();
    EXPECT_TRUE(std::signbit(list.m_abscissae.Min()));
    list.Clear();
    list.RebuildAbscissae();
    EXPECT_EQ(list.m_abscissae.m_nCount, 0);
}
