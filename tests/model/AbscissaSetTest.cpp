// The discontinuity abscissae: sorted insertion and the walks.
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <vector>

#include "model/AbscissaSet.h"

TEST(AbscissaSet, InsertSortsAndRefusesDuplicates)
{
    CAbscissaSet set;
    std::vector<int> results;
    for (double x : {5.0, 3.0, 8.0, 3.0, 5.0})
        results.push_back(set.Insert(x));
    EXPECT_EQ(results, (std::vector<int>{1, 1, 1, 0, 0}));
    EXPECT_EQ(set.Values(), (std::vector<double>{3, 5, 8}));
    EXPECT_EQ(set.m_nCount, 3);

    set.Insert(-1);
    set.Insert(20);
    EXPECT_EQ(set.Min(), -1);
    EXPECT_EQ(set.m_pCurrent->m_pPrev, nullptr);
    EXPECT_EQ(set.Max(), 20);
    EXPECT_EQ(set.m_pCurrent->m_pNext, nullptr);
}

TEST(AbscissaSet, WalksOnEmptyAndFullSets)
{
    CAbscissaSet set;
    EXPECT_EQ(set.Min(), 0);
    EXPECT_EQ(set.Max(), 0);
    EXPECT_EQ(set.First(), 0);
    EXPECT_EQ(set.GoTo(1), 0);
    EXPECT_EQ(set.Next(), 0);

    for (double x : {1.0, 2.0, 3.0})
        set.Insert(x);
    EXPECT_EQ(set.GoTo(0), 1);
    EXPECT_EQ(set.m_pCurrent->m_dX, 1);
    EXPECT_EQ(set.GoTo(1), 1);
    EXPECT_EQ(set.m_pCurrent->m_dX, 1);
    EXPECT_EQ(set.GoTo(3), 1);
    EXPECT_EQ(set.m_pCurrent->m_dX, 3);
    EXPECT_EQ(set.GoTo(4), 0);
    EXPECT_EQ(set.m_pCurrent->m_dX, 3);
    set.Clear();
    EXPECT_EQ(set.m_nCount, 0);
    EXPECT_EQ(set.m_pCurrent, nullptr);
}

TEST(AbscissaSet, NeighboursDifferingInTheLastBitAreBothKept)
{
    CAbscissaSet set;
    const double x = 10.0;
    set.Insert(x);
    EXPECT_EQ(set.Insert(std::nextafter(x, 11.0)), 1);
    EXPECT_EQ(set.Insert(x), 0);
    EXPECT_EQ(set.m_nCount, 2);
}

// The fast build must give exactly the set that inserting one at a time gives.
TEST(AbscissaSet, InsertSequenceMatchesInsertOneAtATime)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> coarse(-50, 50);
    for (int nRound = 0; nRound < 50; ++nRound)
    {
        std::vector<double> values;
        for (int i = 0; i < 200; ++i)
            values.push_back(coarse(random) * 0.5);
        values.push_back(0.0);
        values.push_back(-0.0);
        std::shuffle(values.begin(), values.end(), random);

        CAbscissaSet slow, fast;
        for (double x : values)
            slow.Insert(x);
        fast.InsertSequence(values);
        const std::vector<double> expected = slow.Values();
        const std::vector<double> actual = fast.Values();
        ASSERT_EQ(actual.size(), expected.size());
        EXPECT_EQ(fast.m_nCount, slow.m_nCount);
        for (size_t i = 0; i < expected.size(); ++i)
        {
            EXPECT_EQ(actual[i], expected[i]);
            EXPECT_EQ(std::signbit(actual[i]), std::signbit(expected[i]))
                << "the first of 0.0 and -0.0 is kept";
        }
        // The chain is whole in both directions.
        int nBackward = 0;
        fast.Max();
        for (const CAbscissaNode* pNode = fast.m_pCurrent; pNode; pNode = pNode->m_pPrev)
            ++nBackward;
        EXPECT_EQ(nBackward, fast.m_nCount);
    }
}

TEST(AbscissaSet, InsertSequenceWithNotANumberFollowsTheWalk)
{
    const double kNan = std::numeric_limits<double>::quiet_NaN();
    const std::vector<double> values{4, 1, kNan, 9, 2, kNan};
    CAbscissaSet slow, fast;
    for (double x : values)
        slow.Insert(x);
    fast.InsertSequence(values);
    const std::vector<double> expected = slow.Values();
    const std::vector<double> actual = fast.Values();
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_TRUE(actual[i] == expected[i] || (std::isnan(actual[i]) && std::isnan(expected[i])));
}
