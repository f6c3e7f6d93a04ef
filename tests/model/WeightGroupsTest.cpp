// The code read from the start of a load's name (a table of names under tests/data/model), the
// group it gives at each level, and the groups of a list.
#include <gtest/gtest.h>
#include <string>

#include "TestSupport.h"
#include "model/LoadList.h"
#include "model/WeightGroups.h"

TEST(WeightGroups, CodeRuleOnATableOfNames)
{
    const auto cases = testsupport::CaseTable("model/code-rule.txt");
    ASSERT_GT(cases.size(), 25u);
    for (const auto& [strResult, strName] : cases)
    {
        const std::string strCode = CWeightGroups::CodeOf(strName);
        EXPECT_EQ((strCode.empty() ? "-" : strCode) + " " + CWeightGroups::GroupOf(strName, 2), strResult)
            << strName;
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
