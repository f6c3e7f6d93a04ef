// The resultant: abscissae from loads, p(x), partial sums, the largest ordinate.
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <random>
#include <vector>

#include "model/LoadList.h"
#include "model/StackedSums.h"

namespace
{
void TwoUniformLoads(CLoadList& list)
{
    list.Append("A", 5, 0, 10, 100);
    list.Append("B", 5, 10, 20, 50);
}

bool SameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}
} // namespace

TEST(Resultant, SharedEndIsStoredOnce)
{
    CLoadList list;
    TwoUniformLoads(list);
    list.RebuildAbscissae();
    EXPECT_EQ(list.m_abscissae.Values(), (std::vector<double>{0, 10, 20}));
    EXPECT_EQ(list.m_pCurrent->m_strName, "B");

    CLoadList single;
    single.Append("S", 1, 3, 7, 2);
    single.RebuildAbscissae();
    EXPECT_EQ(single.m_abscissae.m_nCount, 2);
}

TEST(Resultant, ValuesAndLimitsOfTwoUniformLoads)
{
    CLoadList list;
    TwoUniformLoads(list);
    list.RebuildAbscissae();
    EXPECT_EQ(list.ValueAt(5), 10);
    EXPECT_EQ(list.ValueAt(10), 15);
    EXPECT_EQ(list.ValueAt(10 - 1e-6), 10);
    EXPECT_EQ(list.ValueAt(10 + 1e-6), 5);
    EXPECT_EQ(list.MaxOrdinate(), 10);
    EXPECT_EQ(list.PartialSumAt(1, 10), 10);
    EXPECT_EQ(list.PartialSumAt(2, 10), list.ValueAt(10));
    EXPECT_EQ(list.PartialSumAt(0, 10), 0);
    EXPECT_EQ(list.PartialSumAt(-3, 10), 0);
}

TEST(Resultant, EmptyListAndNegativeLoad)
{
    CLoadList list;
    list.RebuildAbscissae();
    EXPECT_EQ(list.ValueAt(3), 0);
    EXPECT_EQ(list.MaxOrdinate(), 0);
    EXPECT_EQ(list.m_abscissae.m_nCount, 0);
    EXPECT_EQ(list.PartialSumAt(1, 3), 0);

    list.Append("deduction", 5, 0, 10, -30);
    EXPECT_EQ(list.MaxOrdinate(), 0);
    EXPECT_EQ(list.ValueAt(5), -3);
}

TEST(Resultant, RebuildNormalisesEveryLoad)
{
    CLoadList list;
    list.Append("A", 0, 10, 4, 12);
    list.RebuildAbscissae();
    EXPECT_EQ(list.m_abscissae.Values(), (std::vector<double>{4, 10}));
    EXPECT_EQ(list.ValueAt(7), 2);
}

// The sweep and the running sums must add the same terms in the same order as the plain walk,
// so they agree to the last bit, even where the sum is not associative.
TEST(Resultant, FastSumsAreBitIdenticalToTheWalk)
{
    std::mt19937 random(11);
    std::uniform_real_distribution<double> position(0, 150), length(0.2, 40), weight(-30, 300), unit(0, 1);
    CLoadList list;
    for (int i = 0; i < 400; ++i)
    {
        const double dX1 = position(random);
        const double dLength = i % 17 == 0 ? 0 : length(random);
        list.Append("L", unit(random) * dLength, dX1, dX1 + dLength, weight(random));
    }
    list.RebuildAbscissae();
    std::vector<double> xs = list.m_abscissae.Values();
    std::vector<double> queries;
    for (double x : xs)
    {
        queries.push_back(x - 1e-6);
        queries.push_back(x);
        queries.push_back(x + 1e-6);
    }
    queries.insert(queries.begin(), -5);
    queries.push_back(500);
    CStackedSums stacked(queries);
    stacked.AddAll(list.Loads());
    const std::vector<double>& fast = stacked.Sums();
    ASSERT_EQ(fast.size(), queries.size());
    std::vector<double> sums;
    for (size_t q = 0; q < queries.size(); ++q)
    {
        ASSERT_TRUE(SameBits(fast[q], list.ValueAt(queries[q]))) << queries[q];
        if (q % 25 != 0)
            continue;
        list.RunningSumsAt(queries[q], sums);
        ASSERT_EQ(sums.size(), 401u);
        for (int k = 0; k <= 400; k += 37)
            ASSERT_TRUE(SameBits(sums[static_cast<size_t>(k)], list.PartialSumAt(k, queries[q])));
        ASSERT_TRUE(SameBits(sums[400], list.ValueAt(queries[q])));
    }
}

TEST(Resultant, FastSumsOfUnnormalisedLoadsMatchTheWalk)
{
    CLoadList list;
    list.Append("reversed", 1, 10, 4, 12);
    list.m_pCurrent->m_dY1 = 3;
    list.m_pCurrent->m_dY2 = 5;
    list.Append("point", 1, 6, 6, 12);
    list.m_pCurrent->m_dY1 = 2;
    list.m_pCurrent->m_dY2 = 2;
    const std::vector<double> queries{3, 4, 6, 7, 10};
    CStackedSums stacked(queries);
    stacked.AddAll(list.Loads());
    const std::vector<double>& fast = stacked.Sums();
    for (size_t q = 0; q < queries.size(); ++q)
        EXPECT_TRUE(SameBits(fast[q], list.ValueAt(queries[q]))) << queries[q];
}

// A rebuild with nothing changed keeps the set; any change of the loads' ends or of the set
// itself since the last rebuild makes it again.
TEST(Resultant, RebuildFollowsEveryChange)
{
    CLoadList list;
    TwoUniformLoads(list);
    list.RebuildAbscissae();
    list.RebuildAbscissae();
    EXPECT_EQ(list.m_abscissae.Values(), (std::vector<double>{0, 10, 20}));

    list.GoTo(2);
    list.m_pCurrent->m_dX2 = 25;
    list.RebuildAbscissae();
    EXPECT_EQ(list.m_abscissae.Values(), (std::vector<double>{0, 10, 25}));

    list.m_abscissae.Insert(99);
    list.RebuildAbscissae();
    EXPECT_EQ(list.m_abscissae.Values(), (std::vector<double>{0, 10, 25}));

    list.m_abscissae.Clear();
    list.RebuildAbscissae();
    EXPECT_EQ(list.m_abscissae.Values(), (std::vector<double>{0, 10, 25}));

    list.GoTo(1);
    list.m_pCurrent->m_dX1 = -0.0;
    list.RebuildAbscissae();
    EXPECT_TRUE(std::signbit(list.m_abscissae.Min()));

    list.Clear();
    list.RebuildAbscissae();
    EXPECT_EQ(list.m_abscissae.m_nCount, 0);
}
