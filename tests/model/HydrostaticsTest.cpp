// The hydrostatics of hulls worked out by hand on their tables (under tests/data/model): a box barge
// level and trimmed, a prism of triangular section, a hull that narrows to nothing at one end, a
// table whose first draft is above zero. The figures derived from these (displacement, TPC, KMT,
// KML, MCT1cm) are checked on a box barge through the batch tool's hydrostatics.
#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "model/HullTable.h"
#include "model/Hydrostatics.h"

namespace
{
// The numbers of a case, a vector for each field between bars.
std::vector<std::vector<double>> Fields(const std::string& strCase)
{
    std::vector<std::vector<double>> fields;
    for (size_t nFrom = 0, nBar = 0; nBar != std::string::npos; nFrom = nBar + 1)
    {
        nBar = strCase.find('|', nFrom);
        fields.push_back(testsupport::Numbers(strCase.substr(nFrom, nBar - nFrom)));
    }
    return fields;
}

// Volume, LCB, KB, Aw, LCF, BMT, BML, Cb; NaN for a Cb that must be NaN.
struct SFigures
{
    double dVolume, dLcb, dKb, dAw, dLcf, dBmt, dBml, dCb;
};
} // namespace

TEST(Hydrostatics, HullsWorkedByHand)
{
    const auto cases = testsupport::CaseTable("model/hydrostatics.txt");
    ASSERT_EQ(cases.size(), 8u);
    for (const auto& [strName, strCase] : cases)
    {
        SCOPED_TRACE(strName);
        const std::vector<std::vector<double>> f = Fields(strCase);
        ASSERT_TRUE(f.size() == 6 && f[4].size() == 2 && f[5].size() == 8);
        CHullTable table;
        table.m_stations = f[0];
        table.m_drafts = f[1];
        for (double dScale : f[3])
        {
            for (double dArea : f[2])
                table.m_areas.push_back(dScale * dArea);
        }
        ASSERT_EQ(table.Fault(), "");
        const SHydrostatics h = CHydrostatics(table).At(f[4][0], f[4][1]);
        const SFigures c{f[5][0], f[5][1], f[5][2], f[5][3], f[5][4], f[5][5], f[5][6], f[5][7]};
        const auto near = [](double dGot, double dWanted) {
            EXPECT_NEAR(dGot, dWanted, 1e-12 * (1 + std::fabs(dWanted)));
        };
        near(h.dVolume, c.dVolume);
        near(h.dLcb, c.dLcb);
        near(h.dKb, c.dKb);
        near(h.dAw, c.dAw);
        near(h.dLcf, c.dLcf);
        near(h.dBmt, c.dBmt);
        near(h.dBml, c.dBml);
        if (std::isnan(c.dCb))
            EXPECT_TRUE(std::isnan(h.dCb));
        else
            near(h.dCb, c.dCb);
    }
    // A table with a fault gives no figures.
    EXPECT_TRUE(std::isnan(CHydrostatics(CHullTable()).At(1, 1).dVolume));
}
