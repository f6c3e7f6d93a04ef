// Loading conditions against permissible limits and the rule wave loads, on cases worked by hand:
// the rule's published figures, a box barge under uniform weight, the box with a heavier middle
// third against limits that one read-out point exceeds, and an envelope drawn from two conditions.
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

#include "model/HullTable.h"
#include "model/LoadList.h"
#include "model/LoadingCheck.h"
#include "model/WaveLoads.h"

namespace
{
constexpr double kRho = CHullGirder::kSeaWater;
constexpr double kInf = std::numeric_limits<double>::infinity();

// A box of length 36 m and beam 8 m from x = 0, stations every 12 m, drafts 0, 2.5 and 5 m.
CHullTable Box()
{
    CHullTable table;
    table.m_stations = {0, 12, 24, 36};
    table.m_drafts = {0, 2.5, 5};
    for (size_t i = 0; i < table.m_stations.size(); ++i)
    {
        for (double T : table.m_drafts)
            table.m_areas.push_back(8 * T);
    }
    return table;
}

// 10 t/m over the box and E more over its middle third: q is -E/L at the ends and 2E/L in the
// middle, so V = -E x/L up to L/3 and M(x) = -E x²/2L there, M(L/2) = -E L/12.
void Load(CLoadList& list, double E, double dZg = 0)
{
    list.Append("hull", 18, 0, 36, 360);
    list.m_pCurrent->m_dZg = dZg;
    if (E != 0)
        list.Append("cargo", 6, 12, 24, E);
}

std::vector<SLimitPoint> Uniform(double dShear, double dMoment)
{
    std::vector<SLimitPoint> limits;
    for (double x : {6.0, 12.0, 18.0, 24.0, 30.0})
        limits.push_back(SLimitPoint{x, dShear, -dShear, dMoment, -dMoment});
    return limits;
}
} // namespace

TEST(WaveLoads, MatchesTheRuleFiguresAndRefusesWhatItDoesNotCover)
{
    // L = 200, B = 32, Cb = 0.8: C = 9.75; a = 152/165.
    const CWaveLoads wave(200, 32, 0.8);
    ASSERT_EQ(wave.Fault(), "");
    EXPECT_DOUBLE_EQ(wave.Coefficient(), 9.75);
    const CWaveLoads::SLoads mid = wave.At(100), quarter = wave.At(50);
    EXPECT_NEAR(mid.dMwHog, 1896960, 1e-6);
    EXPECT_NEAR(mid.dMwSag, -2059200, 1e-6);
    EXPECT_NEAR(quarter.dFwPos, 23798.2, 0.05);
    EXPECT_NEAR(quarter.dFwNeg, -25833.6, 1e-6);
    EXPECT_NEAR(wave.LeastModulus(), 18.72, 1e-12);
    // Md is 1 from 0.4 to 0.65 L and falls to 0 at both ends; F2 reaches a at 0.7 L; nothing outside.
    EXPECT_NEAR(wave.At(20).dMwHog, mid.dMwHog / 4, 1e-6);
    EXPECT_NEAR(wave.At(150).dFwNeg, -28080 * 152 / 165.0, 1e-6);
    EXPECT_EQ(wave.At(-1).dMwSag, 0);
    EXPECT_EQ(wave.At(201).dFwPos, 0);
    EXPECT_NEAR(wave.InTonnesAt(100).dMwHog, 1896960 / 9.80665, 1e-6);
    // No still-water moment amidships: the sagging wave moment sizes the section, at 175 N/mm².
    EXPECT_NEAR(wave.RequiredModulus(0, 100), 2059200e3 / 175e6, 1e-9);
    EXPECT_NEAR(CWaveLoads(200, 32, 0.8, 0.78).RequiredModulus(1e5, 100),
                (1e5 * 9.80665 + 1896960) * 1e3 * 0.78 / 175e6, 1e-9);
    // The other ranges of C, and a block coefficient taken as 0.6 at least.
    EXPECT_DOUBLE_EQ(CWaveLoads(320, 40, 0.7).Coefficient(), 10.75);
    EXPECT_DOUBLE_EQ(CWaveLoads(500, 60, 0.7).Coefficient(), 9.75);
    EXPECT_DOUBLE_EQ(CWaveLoads(90, 14, 0.7).Coefficient(), 10.75 - std::pow(2.1, 1.5));
    EXPECT_EQ(CWaveLoads(200, 32, 0.5).LeastModulus(), CWaveLoads(200, 32, 0.6).LeastModulus());
    // What the rule does not cover is refused (the batch tool's transcripts hold the messages)
    // and gives no loads.
    const double refused[][4] = {{89.9, 14, 0.7, 1}, {501, 60, 0.7, 1}, {NAN, 60, 0.7, 1},
                                 {200, 0, 0.7, 1},   {200, 32, 1.1, 1}, {200, 32, 0.7, -1}};
    for (const auto& c : refused)
    {
        const CWaveLoads bad(c[0], c[1], c[2], c[3]);
        EXPECT_TRUE(!bad.Fault().empty() && bad.At(c[0] / 2).dMwHog == 0) << c[0] << " " << c[1];
    }
}

TEST(LoadingCheck, UtilisationsVerdictsAndTheEnvelope)
{
    EXPECT_EQ(CLoadingCheck::Utilisation(0, 0, 0), 0);
    EXPECT_EQ(CLoadingCheck::Utilisation(30, 60, -40), 50);
    EXPECT_EQ(CLoadingCheck::Utilisation(-30, 60, -40), 75);
    EXPECT_EQ(CLoadingCheck::Utilisation(-1e-3, 60, 0), kInf);

    const CHullTable hull = Box();
    // A box barge under uniform weight: no shear, no moment, and zero limits are not exceeded by
    // rounding. Level at T = 360 / (rho 36 8): KMT = T/2 + B²/12T less the ZG of 3 m.
    {
        const std::vector<SLimitPoint> limits = Uniform(0, 0);
        CLoadingCheck check(hull, limits, kRho, nullptr);
        CLoadList list;
        Load(list, 0, 3);
        std::string strRefusal;
        ASSERT_TRUE(check.Add("barge", list, strRefusal)) << strRefusal;
        const SConditionCheck& barge = check.m_conditions[0];
        const double T = 360 / (kRho * 36 * 8);
        EXPECT_NEAR(barge.m_dGmt, T / 2 + 64 / (12 * T) - 3, 1e-9);
        EXPECT_EQ(barge.m_shearUse.dValue, 0);
        EXPECT_EQ(barge.m_momentUse.dValue, 0);
        EXPECT_EQ(barge.m_shearUse.x, 6);
        EXPECT_TRUE(check.Within());
    }

    // The heavier middle third (E = 120) against 50 t and 400 t m, but 350 t m of sag at 18 m:
    // V is -20, -40, 0, 40, 20 and M -60, -240, -360, -240, -60 at the read-out points.
    std::vector<SLimitPoint> limits = Uniform(50, 400);
    limits[2].dBmSag = -350;
    const CWaveLoads wave(100, 10, 0.7);
    CLoadingCheck check(hull, limits, kRho, &wave);
    CLoadList heavy, light, sinking;
    Load(heavy, 120);
    Load(light, -60);
    Load(sinking, 2000);
    std::string strRefusal;
    ASSERT_TRUE(check.Add("carico", heavy, strRefusal)) << strRefusal;
    ASSERT_TRUE(check.Add("zavorra", light, strRefusal)) << strRefusal;
    EXPECT_FALSE(check.Add("affonda", sinking, strRefusal));
    EXPECT_EQ(strRefusal.rfind("condition affonda: no equilibrium: the estimate weighs 2360 t", 0), 0u)
        << strRefusal;
    ASSERT_EQ(check.m_conditions.size(), 2u);

    const SConditionCheck& sag = check.m_conditions[0];
    const double shears[] = {-20, -40, 0, 40, 20}, moments[] = {-60, -240, -360, -240, -60};
    for (size_t i = 0; i < limits.size(); ++i)
    {
        EXPECT_NEAR(sag.m_points[i].dShear, shears[i], 1e-9) << i;
        EXPECT_NEAR(sag.m_points[i].dMoment, moments[i], 1e-9) << i;
        EXPECT_NEAR(sag.m_points[i].dModulus, wave.RequiredModulus(moments[i], limits[i].x), 1e-12);
    }
    // 80 % at 12 and at 24 m: the first is named. Only 18 m exceeds.
    EXPECT_NEAR(sag.m_shearUse.dValue, 80, 1e-9);
    EXPECT_EQ(sag.m_shearUse.x, 12);
    EXPECT_NEAR(sag.m_momentUse.dValue, 36000.0 / 350, 1e-9);
    EXPECT_EQ(sag.m_momentUse.x, 18);
    EXPECT_FALSE(sag.Within());
    EXPECT_EQ(sag.m_modulus.x, 30) << "the wave moment grows forward of 0.4 L of 100 m";
    // The lighter middle third hogs: V 10, 20, 0, -20, -10 and M 30 .. 180 .. 30.
    EXPECT_TRUE(check.m_conditions[1].Within());
    EXPECT_FALSE(check.Within());

    // The envelope takes V's extremes and the sag from the first condition, the hog from the second.
    const struct
    {
        SExtreme extreme;
        double dValue, x;
        size_t nCondition;
    } envelope[] = {
        {check.m_shearMax, 40, 24, 0},
        {check.m_shearMin, -40, 12, 0},
        {check.m_momentHog, 180, 18, 1},
        {check.m_momentSag, -360, 18, 0},
    };
    for (const auto& e : envelope)
    {
        EXPECT_NEAR(e.extreme.dValue, e.dValue, 1e-9);
        EXPECT_EQ(e.extreme.x, e.x) << e.dValue;
        EXPECT_EQ(e.extreme.nCondition, e.nCondition) << e.dValue;
    }
}
