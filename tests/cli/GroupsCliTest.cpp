// scafometro-cli groups: every group's figures against the totals of its loads saved apart (the
// estimates worked by hand and the usage errors are in the transcripts).
#include <algorithm>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

#include "CliProcess.h"
#include "model/LoadList.h"
#include "model/WeightGroups.h"

using namespace testsupport;

namespace
{
bool SameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0 || (std::isnan(a) && std::isnan(b));
}

using GroupsCli = CCliTest;
} // namespace

TEST_F(GroupsCli, GroupsAreTheTotalsOfTheirLoadsSavedApart)
{
    // Awkward numbers, so that any other order or grouping of the sums shows in the last bits:
    // reversed ends, centroids outside their loads, deductions, names with and without codes.
    std::mt19937 random(17);
    std::uniform_real_distribution<double> unit(0, 1);
    const char* const codes[] = {"1", "1.2", "13", "131", "2.2.1", "21", "3", "Varie", "3x", "9"};
    CLoadList list, opened;
    for (int i = 0; i < 120; ++i)
    {
        const double dX1 = 100 * unit(random), dX2 = dX1 + (unit(random) < 0.2 ? -1 : 1) * 15 * unit(random);
        const std::string strName = std::string(codes[random() % 10]) + " voce";
        const double dWeight = 40 * unit(random) - 4, dXgRel = 20 * unit(random);
        list.Append(strName, dXgRel, dX1, dX2, dWeight);
        list.m_pCurrent->m_dYg = 4 * unit(random) - 2;
        list.m_pCurrent->m_dZg = 8 * unit(random);
    }
    const std::string strFile = m_dir.Path("stima.p3d");
    Saved(list, strFile);
    Open(opened, strFile);
    for (int nLevel : {1, 2, 3})
    {
        CWeightGroups groups;
        groups.Compute(opened, nLevel);
        std::vector<SWeightGroup> rows = groups.m_groups;
        rows.push_back(groups.m_total);
        for (const SWeightGroup& row : rows)
        {
            CLoadList apart, reread;
            for (const CLoad* pLoad : opened.Loads())
            {
                if (&row != &rows.back() && CWeightGroups::GroupOf(pLoad->m_strName, nLevel) != row.m_strName)
                    continue;
                apart.Append(pLoad->m_strName, 0.5, 0, 1, 0);
                apart.m_pCurrent->CopyFrom(*pLoad);
            }
            Saved(apart, m_dir.Path("apart.p3d"));
            Open(reread, m_dir.Path("apart.p3d"));
            EXPECT_EQ(row.m_nCount, reread.m_nCount) << row.m_strName;
            const double totals[] = {reread.TotalWeight(), reread.Xg(), reread.Yg(), reread.Zg()};
            const double figures[] = {row.m_dWeight, row.m_dXg, row.m_dYg, row.m_dZg};
            for (int k = 0; k < 4; ++k)
                EXPECT_TRUE(SameBits(figures[k], totals[k])) << row.m_strName << " figure " << k;
        }
        // The command prints the heading and a row for each of these groups and the total.
        const SCliRun run = Run({"groups", strFile, "-", "--level", std::to_string(nLevel)});
        EXPECT_EQ(run.nStatus, 0) << run.strErr;
        EXPECT_EQ(std::count(run.strOut.begin(), run.strOut.end(), '\n'), long(rows.size() + 1)) << nLevel;
    }
}
