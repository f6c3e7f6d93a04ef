// The hydrostatics of hulls worked out by hand on their tables: a box barge level and trimmed, a
// prism of triangular section, a hull that narrows to nothing at one end, a table whose first
// draft is above zero.
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

#include "model/HullTable.h"
#include "model/Hydrostatics.h"

namespace
{
const double kNan = std::numeric_limits<double>::quiet_NaN();

// Every station's areas given by one column of the drafts, scaled per station.
CHullTable Table(const std::vector<double>& stations, const std::vector<double>& drafts,
                 const std::vector<double>& areas, const std::vector<double>& scales)
{
    CHullTable table;
    table.m_stations = stations;
    table.m_drafts = drafts;
    for (double dScale : scales)
    {
        for (double dArea : areas)
            table.m_areas.push_back(dScale * dArea);
    }
    return table;
}

struct SCase
{
    std::string strName;
    CHullTable table;
    double dAft, dFwd;
    // Volume, LCB, KB, Aw, LCF, BMT, BML, Cb; NaN for a Cb that must be NaN.
    double dVolume, dLcb, dKb, dAw, dLcf, dBmt, dBml, dCb;
};
} // namespace

TEST(Hydrostatics, HullsWorkedByHand)
{
    const double B = 20;
    const CHullTable box = Table({0, 40, 100}, {0, 5, 10}, {0, 5 * B, 10 * B}, {1, 1, 1});
    const CHullTable boxEven = Table({0, 50, 100}, {0, 5, 10}, {0, 5 * B, 10 * B}, {1, 1, 1});
    // A triangle of breadth T: areas T²/2 at 0, 2, 4, so the breadth is 1 below 2 and 3 above.
    const CHullTable vee = Table({0, 10}, {0, 2, 4}, {0, 2, 8}, {1, 1});
    // Rectangular sections from no breadth at x = 0 to 6 m at x = 12: a triangular waterplane.
    const CHullTable wedge = Table({0, 12}, {0, 4}, {0, 4}, {0, 6});
    // Breadth 10 m below the first draft, 2 m, and 20 m above it.
    const CHullTable raised = Table({0, 10}, {2, 4}, {20, 60}, {1, 1});
    const std::vector<SCase> cases = {
        // B T L, KB T/2, BMT B²/(12 T), BML L²/(12 T).
        {"level box", box, 5, 5, 10000, 50, 2.5, 2000, 50, 20.0 * 20 / 60, 10000.0 / 60, 1},
        // Drafts 4 to 6: ∫m = B/2 Σ h (t0² + t1²)/2 = 10 (50 (16 + 25)/2 + 50 (25 + 36)/2) = 25500;
        // ∫x A = B ∫x (4 + x/50) dx = 20 (20000 + 20000/3).
        {"trimmed box", boxEven, 4, 6, 10000, 160.0 / 3, 2.55, 2000, 50, 20.0 * 20 / 60, 10000.0 / 60, kNan},
        // T = 3: A = 2 + 3, b = 3, m = 1 (4 - 0)/2 + 3 (9 - 4)/2 = 9.5.
        {"vee between drafts", vee, 3, 3, 50, 5, 1.9, 30, 5, 27.0 / 12 / 5, 3000.0 / 12 / 50,
         50.0 / (10 * 3 * 3)},
        // At a table draft the interval below gives the breadth: b = 1, m = 2.
        {"vee at a draft", vee, 2, 2, 20, 5, 1, 10, 5, 1.0 / 12 / 2, 1000.0 / 12 / 20, 20.0 / (10 * 1 * 2)},
        // Aw = B L/2, LCF = 2L/3, I_T = B³ L/48 = 54, I_L = B L³/36 = 288, ∇ = B L T/2 = 72.
        {"wedge", wedge, 2, 2, 72, 8, 1, 36, 8, 0.75, 4, 0.5},
        // Below the first draft, a rectangle 10 m wide: A = 10, m = 5.
        {"below a raised first draft", raised, 1, 1, 100, 5, 0.5, 100, 5, 1000.0 / 12 / 10,
         10000.0 / 12 / 100, 1},
        // The first draft takes the first interval: b = 20; A = 20, m = 20 · 2/2.
        {"at a raised first draft", raised, 2, 2, 200, 5, 1, 200, 5, 8000.0 / 12 / 20, 20000.0 / 12 / 200,
         0.5},
        // A = 40, m = 20 + 20 (9 - 4)/2 = 70.
        {"above a raised first draft", raised, 3, 3, 400, 5, 1.75, 200, 5, 8000.0 / 12 / 40,
         20000.0 / 12 / 400, 400.0 / (10 * 20 * 3)},
    };
    const double rho = 1.025;
    for (const SCase& c : cases)
    {
        SCOPED_TRACE(c.strName);
        ASSERT_EQ(c.table.Fault(), "");
        const SHydrostatics h = CHydrostatics(c.table).At(c.dAft, c.dFwd);
        const double L = c.table.Length();
        const auto near = [](double dGot, double dWanted) {
            EXPECT_NEAR(dGot, dWanted, 1e-12 * (1 + std::fabs(dWanted)));
        };
        near(h.dVolume, c.dVolume);
        near(h.dDisplacement, rho * c.dVolume);
        near(h.dLcb, c.dLcb);
        near(h.dKb, c.dKb);
        near(h.dAw, c.dAw);
        near(h.dLcf, c.dLcf);
        near(h.dTpc, rho * c.dAw / 100);
        near(h.dBmt, c.dBmt);
        near(h.dKmt, c.dKb + c.dBmt);
        near(h.dBml, c.dBml);
        near(h.dKml, c.dKb + c.dBml);
        near(h.dMct1cm, rho * c.dBml * c.dVolume / (100 * L));
        if (std::isnan(c.dCb))
            EXPECT_TRUE(std::isnan(h.dCb));
        else
            near(h.dCb, c.dCb);
    }
    // A table with a fault gives no figures.
    EXPECT_TRUE(std::isnan(CHydrostatics(CHullTable()).At(1, 1).dVolume));
}
