// The running sums of the graph and the resultant's limits: the same bits as the model's own sums.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>

#include "GraphTestLists.h"
#include "model/ResultantLimits.h"
#include "model/StackedSums.h"

namespace
{
// The same bits, or both not a number: which of two NaNs an addition passes on depends on the order
// the compiler puts the operands in, and no drawing tells them apart.
bool SameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0 || (std::isnan(a) && std::isnan(b));
}
} // namespace

TEST(StackedSums, EachStepHasTheBitsOfThePartialSum)
{
    // Loads of every kind, and some whose ends or weights are not numbers or infinite.
    const double dNaN = std::numeric_limits<double>::quiet_NaN();
    CLoadList list;
    MixedLoads(list, 40, 7);
    list.Append("nan end", 1, dNaN, 30, 10);
    list.Append("nan start", 1, 40, dNaN, 10);
    list.Append("nan weight", 1, 10, 20, dNaN);
    list.Append("infinite", 1, 50, std::numeric_limits<double>::infinity(), 10);
    list.Append("zero", 1, 60, 60, 5);
    list.Append("negative zero", 1, 70, 80, -0.0);
    MixedLoads(list, 40, 8);
    list.RebuildAbscissae();
    const std::vector<CLoad*> loads = list.Loads();

    // Enough abscissae for several stretches of AddAll, one repeated: in no order at all, and sorted
    // without the NaN, so that a load's extent is found by bisection.
    std::vector<double> unordered = list.m_abscissae.Values();
    for (int i = 0; i < 3000; ++i)
        unordered.push_back(i * 0.05 - 1);
    unordered.push_back(unordered[5]);
    std::vector<double> xs = unordered;
    xs.erase(std::remove_if(xs.begin(), xs.end(), [](double x) { return std::isnan(x); }), xs.end());
    std::sort(xs.begin(), xs.end());
    for (const auto& abscissae : {xs, unordered})
    {
        CStackedSums sums(abscissae);
        CStackedSums all(abscissae);
        all.AddAll(loads);
        int nMismatches = 0;
        for (size_t k = 0; k < loads.size(); ++k)
        {
            sums.Add(*loads[k]);
            for (size_t q = 0; q < abscissae.size(); ++q)
                nMismatches +=
                    !SameBits(sums.Sums()[q], list.PartialSumAt(static_cast<int>(k) + 1, abscissae[q]));
        }
        for (size_t q = 0; q < abscissae.size(); ++q)
            nMismatches += !SameBits(all.Sums()[q], list.ValueAt(abscissae[q]));
        EXPECT_EQ(nMismatches, 0) << abscissae.size();
    }

    // The resultant's limits at the list's own abscissae, and their largest, not less than 0.
    const CResultantLimits limits(list);
    const std::vector<double> values = list.m_abscissae.Values();
    ASSERT_EQ(limits.m_xs.size(), values.size());
    ASSERT_TRUE(limits.m_lefts.size() == values.size() && limits.m_rights.size() == values.size());
    int nMismatches = 0;
    for (size_t j = 0; j < values.size(); ++j)
    {
        nMismatches += !SameBits(limits.m_xs[j], values[j]);
        nMismatches += !SameBits(limits.m_lefts[j], list.ValueAt(values[j] - 1e-6));
        nMismatches += !SameBits(limits.m_rights[j], list.ValueAt(values[j] + 1e-6));
    }
    EXPECT_EQ(nMismatches, 0);
    EXPECT_TRUE(SameBits(limits.m_dMax, list.MaxOrdinate()));
    EXPECT_EQ(list.m_pCurrent, loads.back());
}
