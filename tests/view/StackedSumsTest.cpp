// The running sums of the graph and the resultant's limits: the same bits as the model's own sums.
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>

#include "GraphTestLists.h"
#include "model/ResultantLimits.h"
#include "model/StackedSums.h"

namespace
{
// The same bits, or both not a number: which of two NaNs an addition passes on (and so its sign)
// depends on the order the compiler puts the operands in, and no drawing tells them apart.
bool SameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0 || (std::isnan(a) && std::isnan(b));
}

// Loads of every kind, and some whose ends or weights are not numbers or infinite.
void AwkwardLoads(CLoadList& list)
{
    const double dNaN = std::numeric_limits<double>::quiet_NaN();
    const double dInf = std::numeric_limits<double>::infinity();
    MixedLoads(list, 40, 7);
    list.Append("nan end", 1, dNaN, 30, 10);
    list.Append("nan start", 1, 40, dNaN, 10);
    list.Append("nan weight", 1, 10, 20, dNaN);
    list.Append("infinite", 1, 50, dInf, 10);
    list.Append("zero", 1, 60, 60, 5);
    list.Append("negative zero", 1, 70, 80, -0.0);
    MixedLoads(list, 40, 8);
}

// Abscissae sorted (some repeated, as limits of close abscissae can be) or in no order at all.
std::vector<double> Abscissae(CLoadList& list, bool bSorted)
{
    list.RebuildAbscissae();
    std::vector<double> xs = list.m_abscissae.Values();
    // Enough to span several stretches of AddAll.
    for (int i = 0; i < 3000; ++i)
        xs.push_back(i * 0.05 - 1);
    xs.push_back(xs[5]);
    if (bSorted)
        std::sort(xs.begin(), xs.end());
    else
        xs.push_back(std::numeric_limits<double>::quiet_NaN());
    return xs;
}
} // namespace

TEST(StackedSums, EachStepHasTheBitsOfThePartialSum)
{
    CLoadList list;
    AwkwardLoads(list);
    for (bool bSorted : {true, false})
    {
        const std::vector<double> xs = Abscissae(list, bSorted);
        CStackedSums sums(xs);
        CStackedSums all(xs);
        const std::vector<CLoad*> loads = list.Loads();
        all.AddAll(loads);
        int nMismatches = 0;
        for (size_t k = 0; k < loads.size(); ++k)
        {
            sums.Add(*loads[k]);
            for (size_t q = 0; q < xs.size(); ++q)
                nMismatches += !SameBits(sums.Sums()[q], list.PartialSumAt(static_cast<int>(k) + 1, xs[q]));
        }
        EXPECT_EQ(nMismatches, 0) << (bSorted ? "sorted" : "unordered");
        int nAllMismatches = 0;
        for (size_t q = 0; q < xs.size(); ++q)
            nAllMismatches += !SameBits(all.Sums()[q], list.ValueAt(xs[q]));
        EXPECT_EQ(nAllMismatches, 0) << (bSorted ? "sorted" : "unordered");
    }
}

TEST(StackedSums, ResultantLimitsAreThoseOfValueAtAndMaxOrdinate)
{
    CLoadList list;
    MixedLoads(list, 300, 9);
    list.RebuildAbscissae();
    const CResultantLimits limits(list);
    ASSERT_EQ(limits.m_xs, list.m_abscissae.Values());
    ASSERT_EQ(limits.m_lefts.size(), limits.m_xs.size());
    int nMismatches = 0;
    for (size_t j = 0; j < limits.m_xs.size(); ++j)
    {
        nMismatches += !SameBits(limits.m_lefts[j], list.ValueAt(limits.m_xs[j] - 1e-6));
        nMismatches += !SameBits(limits.m_rights[j], list.ValueAt(limits.m_xs[j] + 1e-6));
    }
    EXPECT_EQ(nMismatches, 0);
    EXPECT_TRUE(SameBits(limits.m_dMax, list.MaxOrdinate()));
    EXPECT_EQ(list.m_pCurrent, list.Loads().back());

    // Two uniform loads: 10 t/m, then 5 t/m; and nothing for an empty list.
    CLoadList two;
    TwoUniformLoads(two);
    two.RebuildAbscissae();
    const CResultantLimits twoLimits(two);
    EXPECT_EQ(twoLimits.m_lefts, (std::vector<double>{0, 10, 5}));
    EXPECT_EQ(twoLimits.m_rights, (std::vector<double>{10, 5, 0}));
    EXPECT_EQ(twoLimits.m_dMax, 10);
    CLoadList empty;
    const CResultantLimits none(empty);
    EXPECT_TRUE(none.m_xs.empty());
    EXPECT_EQ(none.m_dMax, 0);
}
