// The load record's normal form and ordinate; the load list: cursor and editing against a plain
// vector, and the totals (the list window's tests check the list box it fills).
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

#include "TestSupport.h"
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
// Every value of a load derived from its one-letter name, so that a copy missing one shows.
void Stamp(CLoad& load, char ch)
{
    load.m_strName = std::string(1, ch);
    const double c = ch;
    load.m_dX1 = c, load.m_dX2 = c + 1, load.m_dXgRel = c + 2, load.m_dWeight = c + 3;
    load.m_dY1 = c + 4, load.m_dY2 = c + 5, load.m_dYg = c + 6, load.m_dZg = c + 7;
}

std::vector<double> Values(const CLoad& load)
{
    return {load.m_dX1, load.m_dX2, load.m_dXgRel, load.m_dWeight,
            load.m_dY1, load.m_dY2, load.m_dYg,    load.m_dZg};
}

// The names in list order, "?" for a load whose values are not its name's.
std::string Names(const CLoadList& list)
{
    std::string strNames;
    for (const CLoad* pLoad : list.Loads())
    {
        CLoad stamped;
        Stamp(stamped, pLoad->m_strName.at(0));
        strNames += Values(*pLoad) == Values(stamped) ? pLoad->m_strName : "?";
    }
    return strNames;
}
} // namespace

// The normal form, down to the largest and smallest doubles (a table under tests/data/model), and
// the ordinate.
TEST(Load, NormalizeGivesTheTrapezoidOfTheSameAreaAndCentroid)
{
    const auto cases = testsupport::CaseTable("model/normal-forms.txt");
    ASSERT_EQ(cases.size(), 16u);
    for (const auto& [strCase, strNumbers] : cases)
    {
        SCOPED_TRACE(strCase);
        const std::vector<double> n = testsupport::Numbers(strNumbers);
        ASSERT_EQ(n.size(), 9u);
        const SNormalCase c{n[0], n[1], n[2], n[3], n[4], n[5], n[6], n[7], n[8]};
        CLoad load;
        load.m_dWeight = c.dWeight;
        load.m_dX1 = c.dX1;
        load.m_dX2 = c.dX2;
        load.m_dXgRel = c.dXgRel;
        load.Normalize();
        EXPECT_TRUE(load.m_dX1 == c.dNormX1 && load.m_dX2 == c.dNormX2 &&
                    Close(load.m_dXgRel, c.dNormXgRel) && Close(load.m_dY1, c.dY1) &&
                    Close(load.m_dY2, c.dY2))
            << load.m_dX1 << ".." << load.m_dX2 << " at " << load.m_dXgRel << ", " << load.m_dY1 << " to "
            << load.m_dY2;
        // Both ends count, and nothing beyond them.
        const double dY1 = load.m_dY1, dY2 = load.m_dY2;
        if (std::isfinite(load.m_dX2 - load.m_dX1) && std::isfinite(dY2 - dY1))
        {
            EXPECT_TRUE(load.ValueAt(c.dNormX1) == dY1 && Close(load.ValueAt(c.dNormX2), dY2) &&
                        Close(load.ValueAt(c.dNormX1 / 2 + c.dNormX2 / 2), (dY1 + dY2) / 2));
        }
        EXPECT_TRUE(load.ValueAt(std::nextafter(c.dNormX1, -HUGE_VAL)) == 0 &&
                    load.ValueAt(std::nextafter(c.dNormX2, HUGE_VAL)) == 0);
    }
}

// Random walks and edits, each checked against a string of names and the cursor's index in it:
// what each returns, the order, the cursor, every value of every load and the links both ways.
TEST(LoadList, EditsAndWalksMatchAPlainVector)
{
    std::mt19937 random(5);
    CLoadList list;
    std::string strModel;
    int nCursor = -1;
    char chNext = 'A';
    for (int nStep = 0; nStep < 3000; ++nStep)
    {
        const int nCount = static_cast<int>(strModel.size());
        // The walks, a removal and a move of the first load on the empty list first, then anything.
        const bool bEmptyFirst = nStep < 7;
        const int n = bEmptyFirst ? 1 : std::uniform_int_distribution<int>(-1, nCount + 1)(random);
        const int nOther = std::uniform_int_distribution<int>(-1, nCount + 1)(random);
        const int nOp = bEmptyFirst ? "0123457"[nStep] - '0'
                                    : std::uniform_int_distribution<int>(0, nCount > 12 ? 8 : 10)(random);
        SCOPED_TRACE("step " + std::to_string(nStep) + ", operation " + std::to_string(nOp) + " on " +
                     std::to_string(n));
        int nResult = -1, nExpected = -1;
        switch (nOp)
        {
        case 0:
            nExpected = n >= 1 && n <= nCount;
            nCursor = nExpected ? n - 1 : nCursor;
            nResult = list.GoTo(n);
            break;
        case 1:
        case 2: {
            const int nDirection = nOp == 1 ? 1 : -1;
            nExpected = nCursor >= 0 && nCursor + nDirection >= 0 && nCursor + nDirection < nCount;
            nCursor += nExpected * nDirection;
            nResult = nOp == 1 ? list.Next() : list.Prev();
            break;
        }
        case 3:
        case 4:
            nExpected = nCount;
            nCursor = nOp == 3 && nCount > 0 ? 0 : nCount - 1;
            nResult = nOp == 3 ? list.First() : list.Last();
            break;
        case 5:
            // The remaining neighbour after the load, else the one before.
            nExpected = n >= 1 && n <= nCount;
            if (nExpected)
            {
                strModel.erase(static_cast<size_t>(n - 1), 1);
                nCursor = n - 1 < nCount - 1 ? n - 1 : n - 2;
            }
            nResult = list.Remove(n);
            break;
        case 6:
            // A new load after the n-th, the cursor on the n-th, or on the new one when it is first.
            nExpected = n >= 0 && n <= nCount;
            nResult = list.InsertAfter(n);
            if (nExpected)
            {
                EXPECT_EQ(Values(*list.Loads().at(static_cast<size_t>(n))),
                          (std::vector<double>{0, 1, 0.5, 0, 0, 0, 0, 0}))
                    << "a new load: 1 m of nothing";
                Stamp(*list.Loads()[static_cast<size_t>(n)], chNext);
                strModel.insert(static_cast<size_t>(n), 1, chNext++);
                nCursor = n > 0 ? n - 1 : 0;
            }
            break;
        case 7:
        case 8: {
            // Where the cursor ends after a move is left to the move.
            nExpected = n >= 1 && n <= nCount && nOther >= 0 && nOther <= nCount;
            nResult = list.Move(n, nOther);
            if (nExpected && n != nOther)
            {
                const char ch = strModel[static_cast<size_t>(n - 1)];
                strModel.insert(static_cast<size_t>(nOther), 1, ch);
                strModel.erase(static_cast<size_t>(n < nOther ? n - 1 : n), 1);
            }
            const std::vector<CLoad*> loads = list.Loads();
            nCursor =
                static_cast<int>(std::find(loads.begin(), loads.end(), list.m_pCurrent) - loads.begin());
            nCursor = nCursor < static_cast<int>(loads.size()) ? nCursor : -1;
            break;
        }
        default:
            nExpected = 1;
            nResult = list.Append("", 0, 0, 0, 0);
            Stamp(*list.m_pCurrent, chNext);
            strModel += chNext++;
            nCursor = nCount;
        }
        ASSERT_EQ(nResult, nExpected);
        ASSERT_EQ(Names(list), strModel);
        ASSERT_EQ(list.m_nCount, static_cast<int>(strModel.size()));
        ASSERT_EQ(list.m_pCurrent ? list.m_pCurrent->m_strName : "",
                  nCursor >= 0 ? strModel.substr(static_cast<size_t>(nCursor), 1) : "");
        // Backward from the last load the same loads, and nothing before the first.
        std::string strBackward;
        const std::vector<CLoad*> loads = list.Loads();
        for (const CLoad* pLoad = loads.empty() ? nullptr : loads.back(); pLoad; pLoad = pLoad->m_pPrev)
            strBackward.insert(0, pLoad->m_strName);
        ASSERT_EQ(strBackward, strModel);
        ASSERT_TRUE(loads.empty() || loads.back()->m_pNext == nullptr);
    }
}

// Loads are kept as entered and normalised only for the totals (which the groups' command checks
// bit for bit against its own sums of the loads read back from a file, normalised by reading).
TEST(LoadList, TotalsOfLoadsKeptAsEntered)
{
    CLoadList list;
    EXPECT_EQ(list.TotalWeight() + list.Xg() + list.Yg() + list.Zg(), 0) << "an empty list weighs nothing";
    list.Append("A", 5, 5, 15, 10);
    // Entered reversed, with a centroid beyond the load: for the totals 15..25 with the middle's 20.
    list.Append("B", 12, 25, 15, 10);
    EXPECT_TRUE(list.m_pCurrent->m_dX1 == 25 && list.m_pCurrent->m_dXgRel == 12 &&
                list.m_pCurrent->m_dY1 == 0);
    EXPECT_EQ(list.TotalWeight(), 20);
    EXPECT_EQ(list.Xg(), 15);
}
