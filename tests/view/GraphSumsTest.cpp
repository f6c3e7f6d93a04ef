// The sums behind the graph: the running sums and the resultant's limits bit for bit as the model's
// own, and the load whose strip holds a point.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <limits>

#include "GraphTestLists.h"
#include "model/ResultantLimits.h"
#include "model/StackedSums.h"

namespace
{
const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

// The values whose bits differ from the literal ones; of two NaNs an addition may pass on either.
int Mismatches(const std::vector<double>& values, const std::function<double(size_t)>& literal)
{
    int nCount = 0;
    for (size_t i = 0; i < values.size(); ++i)
    {
        const double d = literal(i);
        nCount += std::memcmp(&values[i], &d, sizeof d) != 0 && !(std::isnan(values[i]) && std::isnan(d));
    }
    return nCount;
}
} // namespace

TEST(StackedSums, EachStepHasTheBitsOfThePartialSum)
{
    CLoadList list;
    MixedLoads(list, 40, 7);
    list.Append("nan end", 1, kNaN, 30, 10);
    list.Append("nan weight", 1, 10, 20, kNaN);
    list.Append("infinite", 1, 50, kInf, 10);
    list.Append("negative zero", 1, 70, 80, -0.0);
    MixedLoads(list, 40, 8);
    list.RebuildAbscissae();
    const std::vector<CLoad*> loads = list.Loads();

    // Several stretches of AddAll; in no order, and sorted without the NaN for the bisection.
    std::vector<double> unordered = list.m_abscissae.Values();
    for (int i = 0; i < 3000; ++i)
        unordered.push_back(i * 0.05 - 1);
    unordered.push_back(unordered[5]);
    std::vector<double> sorted = unordered;
    sorted.erase(std::remove_if(sorted.begin(), sorted.end(), [](double x) { return std::isnan(x); }),
                 sorted.end());
    std::sort(sorted.begin(), sorted.end());
    for (const auto& xs : {sorted, unordered})
    {
        CStackedSums sums(xs);
        CStackedSums all(xs);
        all.AddAll(loads);
        int nCount = Mismatches(all.Sums(), [&](size_t q) { return list.ValueAt(xs[q]); });
        for (int k = 1; k <= list.m_nCount; ++k)
        {
            sums.Add(*loads[k - 1]);
            nCount += Mismatches(sums.Sums(), [&](size_t q) { return list.PartialSumAt(k, xs[q]); });
        }
        EXPECT_EQ(nCount, 0) << xs.size();
    }

    const CResultantLimits limits(list);
    const std::vector<double> xs = list.m_abscissae.Values();
    ASSERT_TRUE(limits.m_xs.size() == xs.size() && limits.m_lefts.size() == xs.size() &&
                limits.m_rights.size() == xs.size());
    EXPECT_EQ(Mismatches(limits.m_xs, [&](size_t j) { return xs[j]; }) +
                  Mismatches(limits.m_lefts, [&](size_t j) { return list.ValueAt(xs[j] - 1e-6); }) +
                  Mismatches(limits.m_rights, [&](size_t j) { return list.ValueAt(xs[j] + 1e-6); }) +
                  Mismatches({limits.m_dMax}, [&](size_t) { return list.MaxOrdinate(); }),
              0);
    EXPECT_EQ(list.m_pCurrent, loads.back());
}

TEST(PickLoad, FindsTheStripThatHoldsThePointAndNeverWalksPastTheLastLoad)
{
    // p is 10 t/m over 0..5 and 10..15, 20 over 5..10, and 20 at x = 10 where A's end and B count.
    CLoadList list;
    TwoOverlappingLoads(list);
    list.RebuildAbscissae();
    const double cases[][3] = {{7, 20.5, 0},   {7, 0, 0},  {7, -1, 0}, {7, 1e-9, 1}, {7, 10, 1},
                               {7, 10.001, 2}, {7, 20, 2}, {12, 5, 2}, {10, 15, 2},  {30, 1, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(list.PickLoad(c[0], c[1]), c[2]) << c[0] << ", " << c[1];
    EXPECT_TRUE(list.PickLoad(7, kNaN) == 0 && list.PickLoad(kNaN, 5) == 0 && list.PickLoad(7, kInf) == 0);
    EXPECT_EQ(CLoadList().PickLoad(0, 1), 0);

    // Sums that are no numbers hold no point; sums that overflow leave the last strip reaching infinity.
    const auto pick = [](double dFirst, double dSecond, double y) {
        CLoadList loads;
        for (double dWeight : {dFirst, dSecond, dSecond})
            loads.Append("L", 0.5, 0, 1, dWeight);
        loads.RebuildAbscissae();
        return loads.PickLoad(0.5, y);
    };
    EXPECT_EQ(pick(kNaN, 100, 1), 0);
    EXPECT_TRUE(pick(100, kInf, 3) == 1 && pick(100, kInf, 200) == 0);
    EXPECT_TRUE(pick(8e307, 8e307, 1e300) == 1 && pick(8e307, 8e307, 1.7e308) == 3);
}
