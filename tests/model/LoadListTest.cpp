// The load list: cursor, editing, moving, list box and totals.
#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "model/ListBox.h"
#include "model/LoadList.h"

namespace
{
std::string Names(CLoadList& list)
{
    std::string strNames;
    for (const CLoad* pLoad : list.Loads())
        strNames += pLoad->m_strName;
    return strNames;
}

void AppendNamed(CLoadList& list, const std::string& strNames)
{
    for (char ch : strNames)
        list.Append(std::string(1, ch), 0.5, 0, 1, 1);
}

// Records what the list does to the box, in order.
class CRecordingListBox : public CListBox
{
public:
    void ResetContent() override
    {
        m_items.clear();
        m_log += "reset;";
    }
    int InsertString(int nIndex, const std::string& strText) override
    {
        m_items.insert(m_items.begin() + nIndex, strText);
        return nIndex;
    }
    void SetCurSel(int nIndex) override { m_nSelection = nIndex; }
    int GetCount() const override { return static_cast<int>(m_items.size()); }
    void SetRedraw(bool bRedraw) override { m_log += bRedraw ? "redraw on;" : "redraw off;"; }
    void SetScrollRange(int nMin, int nMax, bool) override
    {
        m_log += "scroll " + std::to_string(nMin) + ".." + std::to_string(nMax) + ";";
    }

    std::vector<std::string> m_items;
    int m_nSelection = -2;
    std::string m_log;
};
} // namespace

TEST(LoadList, EmptyList)
{
    CLoadList list;
    EXPECT_EQ(list.First(), 0);
    EXPECT_EQ(list.Last(), 0);
    EXPECT_EQ(list.GoTo(1), 0);
    EXPECT_EQ(list.Next(), 0);
    EXPECT_EQ(list.Prev(), 0);
    EXPECT_EQ(list.Remove(1), 0);
    EXPECT_EQ(list.m_pCurrent, nullptr);
    EXPECT_EQ(list.TotalWeight(), 0);
    EXPECT_EQ(list.Xg(), 0);
    EXPECT_EQ(list.Yg(), 0);
    EXPECT_EQ(list.Zg(), 0);
}

TEST(LoadList, CursorAndPositions)
{
    CLoadList list;
    AppendNamed(list, "ABCD");
    EXPECT_EQ(list.m_pCurrent->m_strName, "D");
    EXPECT_EQ(list.GoTo(2), 1);
    EXPECT_EQ(list.m_pCurrent->m_strName, "B");
    EXPECT_EQ(list.GoTo(0), 0);
    EXPECT_EQ(list.GoTo(5), 0);
    EXPECT_EQ(list.m_pCurrent->m_strName, "B");
    EXPECT_EQ(list.First(), 4);
    EXPECT_EQ(list.m_pCurrent->m_strName, "A");
    EXPECT_EQ(list.Prev(), 0);
    EXPECT_EQ(list.Last(), 4);
    EXPECT_EQ(list.m_pCurrent->m_strName, "D");
    EXPECT_EQ(list.Next(), 0);

    // Appended values stay as entered until a normalisation.
    list.Append("X", 7, 10, 4, 12);
    EXPECT_EQ(list.m_pCurrent->m_dX1, 10);
    EXPECT_EQ(list.m_pCurrent->m_dXgRel, 7);
    EXPECT_EQ(list.m_pCurrent->m_dY1, 0);
}

TEST(LoadList, RemoveMovesTheCursorToTheNeighbour)
{
    CLoadList list;
    AppendNamed(list, "ABC");
    EXPECT_EQ(list.Remove(1), 1);
    EXPECT_EQ(list.m_pCurrent->m_strName, "B");
    EXPECT_EQ(list.Remove(2), 1);
    EXPECT_EQ(list.m_pCurrent->m_strName, "B");
    EXPECT_EQ(list.Remove(2), 0);
    EXPECT_EQ(list.Remove(0), 0);
    EXPECT_EQ(list.Remove(1), 1);
    EXPECT_EQ(list.m_nCount, 0);
    EXPECT_EQ(list.m_pCurrent, nullptr);

    AppendNamed(list, "ABC");
    list.Remove(2);
    EXPECT_EQ(Names(list), "AC");
    EXPECT_EQ(list.m_pCurrent->m_strName, "C");
}

TEST(LoadList, InsertAfter)
{
    CLoadList list;
    EXPECT_EQ(list.InsertAfter(1), 0);
    EXPECT_EQ(list.InsertAfter(0), 1);
    EXPECT_EQ(list.m_nCount, 1);
    EXPECT_EQ(list.m_pCurrent->m_dX2, 1.0);
    list.m_pCurrent->m_strName = "A";
    AppendNamed(list, "BC");
    EXPECT_EQ(list.InsertAfter(2), 1);
    EXPECT_EQ(list.m_pCurrent->m_strName, "B");
    EXPECT_EQ(Names(list), "ABC");
    list.GoTo(3);
    EXPECT_EQ(list.m_pCurrent->m_strName, "");
    EXPECT_EQ(list.InsertAfter(0), 1);
    EXPECT_EQ(list.m_pCurrent->m_strName, "");
    EXPECT_EQ(list.m_pCurrent->m_pPrev, nullptr);
    EXPECT_EQ(list.m_nCount, 5);
    EXPECT_EQ(list.InsertAfter(-1), 0);
    EXPECT_EQ(list.InsertAfter(6), 0);
    EXPECT_EQ(list.m_nCount, 5);
    EXPECT_EQ(list.InsertAfter(5), 1);
    list.Last();
    EXPECT_EQ(list.m_pCurrent->m_pNext, nullptr);
    EXPECT_EQ(list.m_nCount, 6);
}

TEST(LoadList, MoveTable)
{
    struct SCase
    {
        int nFrom, nAfter;
        const char* pszExpected;
        int nResult;
    };
    const SCase cases[] = {
        {2, 3, "ACBD", 1}, {3, 1, "ACBD", 1}, {1, 4, "BCDA", 1}, {4, 0, "DABC", 1},  {2, 2, "ABCD", 1},
        {4, 5, "ABCD", 0}, {0, 1, "ABCD", 0}, {5, 1, "ABCD", 0}, {2, -1, "ABCD", 0},
    };
    for (const SCase& c : cases)
    {
        CLoadList list;
        AppendNamed(list, "ABCD");
        list.GoTo(2);
        list.m_pCurrent->m_dZg = 9;
        EXPECT_EQ(list.Move(c.nFrom, c.nAfter), c.nResult) << c.nFrom << "," << c.nAfter;
        EXPECT_EQ(Names(list), c.pszExpected) << c.nFrom << "," << c.nAfter;
        EXPECT_EQ(list.m_nCount, 4);
        // The moved load keeps every value, not just its name.
        for (const CLoad* pLoad : list.Loads())
            EXPECT_EQ(pLoad->m_dZg, pLoad->m_strName == "B" ? 9 : 0);
    }
}

TEST(LoadList, FillListBoxShowsListOrderAndSelectsTheLast)
{
    CLoadList list;
    AppendNamed(list, "ABC");
    CRecordingListBox box;
    box.m_items = {"stale"};
    EXPECT_EQ(list.FillListBox(box), 3);
    EXPECT_EQ(box.m_items, (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(box.m_nSelection, 2);
    EXPECT_EQ(box.m_log, "redraw off;reset;redraw on;scroll 0..3;");
    EXPECT_EQ(list.m_pCurrent->m_strName, "A");

    CLoadList empty;
    EXPECT_EQ(empty.FillListBox(box), 0);
    EXPECT_EQ(box.m_nSelection, -1);
}

TEST(LoadList, TotalsWithSignedWeightsOfNormalisedLoads)
{
    CLoadList list;
    list.Append("A", 5, 5, 15, 10);
    list.m_pCurrent->m_dYg = 1;
    list.m_pCurrent->m_dZg = 4;
    // Entered reversed, with a centroid beyond the load: normalised to 15..25, offset 5.
    list.Append("B", 12, 25, 15, 10);
    list.m_pCurrent->m_dYg = -1;
    list.m_pCurrent->m_dZg = 2;
    EXPECT_EQ(list.TotalWeight(), 20);
    EXPECT_EQ(list.Xg(), 15);
    EXPECT_EQ(list.Yg(), 0);
    EXPECT_EQ(list.Zg(), 3);
    EXPECT_EQ(list.m_pCurrent->m_strName, "B");

    list.Append("deduction", 5, 15, 25, -10);
    EXPECT_EQ(list.TotalWeight(), 10);
    EXPECT_EQ(list.Xg(), 10);

    // Weights summing to zero leave the centre of gravity undefined, as the quotient says.
    list.Append("balance", 5, 0, 10, -10);
    EXPECT_EQ(list.TotalWeight(), 0);
    EXPECT_FALSE(std::isfinite(list.Xg()));
}
