// The code read from the start of a load's name, and the group it gives at each level.
#include <gtest/gtest.h>
#include <string>

#include "model/LoadList.h"
#include "model/WeightGroups.h"

TEST(WeightGroups, CodeRuleOnATableOfNames)
{
    struct SCase
    {
        const char* pszName;
        const char* pszCode;
        const char* pszLevel2;
    };
    const SCase cases[] = {
        {"311 Paratie stagne", "311", "31"},
        {"3.1.1 Paratie", "311", "31"},
        {"601001 Motore diesel", "601001", "60"},
        {"110-Fondo", "110", "11"},
        {"7.", "7", "7"},
        {"7", "7", "7"},
        {"3.x Cassa", "3", "3"},
        {"3..1 Doppio punto", "3", "3"},
        {"1.2.3.", "123", "12"},
        {"12_Ponte", "12", "12"},
        {"42\xE0ncora", "42", "42"}, // a code-page letter is no ASCII letter
        {"2x Motore", "", "-"},
        {"1.2a Voce", "", "-"},
        {"  311 rientrato", "", "-"},
        {"Motore", "", "-"},
        {"", "", "-"},
        {".5 Punto", "", "-"},
        {"-3 Meno", "", "-"},
        // The ends of the letter and digit ranges, and the characters just beside them.
        {"5A", "", "-"},
        {"5Z", "", "-"},
        {"5a", "", "-"},
        {"5z", "", "-"},
        {"5@", "5", "5"},
        {"5[", "5", "5"},
        {"5`", "5", "5"},
        {"5{", "5", "5"},
        {"5/", "5", "5"},
        {"5:", "5", "5"},
    };
    for (const SCase& c : cases)
    {
        EXPECT_EQ(CWeightGroups::CodeOf(c.pszName), c.pszCode) << c.pszName;
        EXPECT_EQ(CWeightGroups::GroupOf(c.pszName, 2), c.pszLevel2) << c.pszName;
    }
    // Level 9 takes the whole code, and a level outside 1..9 is taken at the nearest end.
    EXPECT_EQ(CWeightGroups::GroupOf("601001 Motore", 9), "601001");
    EXPECT_EQ(CWeightGroups::GroupOf("601001 Motore", 0), "6");
    EXPECT_EQ(CWeightGroups::GroupOf("1234567890123", 99), "123456789");
}

TEST(WeightGroups, GroupsInTextOrderWithTheUncodedLastAndNamesKeptWhole)
{
    CLoadList list;
    for (const char* pszName : {"2 B", "Varie", "10 C", "1 A", "9.9 D", "100 E"})
        list.Append(pszName, 0.5, 0, 1, 1);
    CWeightGroups groups;
    groups.Compute(list, 2);
    std::string strOrder;
    for (const SWeightGroup& group : groups.m_groups)
        strOrder += group.m_strName + "/" + std::to_string(group.m_nCount) + " ";
    EXPECT_EQ(strOrder, "1/1 10/2 2/1 99/1 -/1 ");
    EXPECT_EQ(list.Loads()[4]->m_strName, "9.9 D");
    // No loads: no groups, and a total of nothing, at 0, without shares.
    CLoadList empty;
    groups.Compute(empty, 1);
    EXPECT_TRUE(groups.m_groups.empty() && groups.m_total.m_dXg == 0 && !groups.HasPercentages());
}
