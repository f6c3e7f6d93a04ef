// The hull girder on cases worked out by hand: box barges floated level and trimmed, every
// refusal (a table under tests/data/model), loading conditions against permissible limits and the
// rule wave loads (the rule's published figures, a uniform barge, a heavier middle third against
// limits that one read-out point exceeds, an envelope drawn from two conditions); then random
// estimates on random hulls, whose curves must close, and the station weights, which must sum to
// the estimate.
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "model/HullGirder.h"
#include "model/HullTable.h"
#include "model/LoadList.h"
#include "model/LoadingCheck.h"
#include "model/StationCurve.h"
#include "model/WaveLoads.h"

namespace
{
constexpr double kRho = CHullGirder::kSeaWater;

// A box barge of beam dBeam: A = B T at every station.
CHullTable Box(double dBeam, const std::vector<double>& stations, double dDeepest)
{
    CHullTable table;
    table.m_stations = stations;
    table.m_drafts = {0, dDeepest / 2, dDeepest};
    for (size_t i = 0; i < stations.size(); ++i)
    {
        for (double T : table.m_drafts)
            table.m_areas.push_back(dBeam * T);
    }
    return table;
}

// 10 t/m over a box of 36 m and E more over its middle third: q is -E/L at the ends and 2E/L in
// the middle, so V = -E x/L up to L/3 and M(x) = -E x²/2L there, M(L/2) = -E L/12.
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

TEST(HullGirder, EvenOrEccentricWeightFloatsWithoutShearOrMoment)
{
    // Buoyancy straight from rho B Ta to rho B Tf has its centroid at L (Ta + 2 Tf) / 3 (Ta + Tf),
    // so with Tm = W / (rho L B): Tf = 6 Tm XG / L - 2 Tm and Ta = 2 Tm - Tf. A load of the same
    // trapezoid shape (a uniform one at L/2) leaves no net load at all.
    const double L = 40, B = 9, Tm = 2, W = kRho * L * B * Tm;
    for (double dXg : {0.45 * L, 0.5 * L, 0.56 * L})
    {
        CLoadList list;
        list.Append("trapezoid", dXg, 0, L, W);
        const CStrengthResult result =
            CHullGirder(Box(B, {0, 5, 10, 15, 20, 25, 30, 35, 40}, 4)).Compute(list);
        ASSERT_TRUE(result.m_bFloats) << result.m_strRefusal;
        const double dFwd = 6 * Tm * dXg / L - 2 * Tm, dAft = 2 * Tm - dFwd;
        const double dTol = dXg == L / 2 ? 1e-12 : 1e-9; // level: no iteration error at all
        EXPECT_NEAR(result.m_dAftDraft, dAft, 1e-9 * Tm) << dXg;
        EXPECT_NEAR(result.m_dFwdDraft, dFwd, 1e-9 * Tm) << dXg;
        EXPECT_LE(result.m_nIterations, 3) << "straight areas: Newton lands at once";
        // One abscissa per station, p and b jumping together at both ends.
        ASSERT_EQ(result.m_rows.size(), 11u);
        for (const SStrengthRow& row : result.m_rows)
        {
            EXPECT_NEAR(row.V, 0, dTol * W) << row.x;
            EXPECT_NEAR(row.M, 0, dTol * W * L) << row.x;
        }
        EXPECT_TRUE(result.m_rows.front().p == 0 &&
                    std::fabs(result.m_rows[1].p - result.m_rows[1].b) < 1e-9 * W / L);
        if (dXg == L / 2)
        {
            EXPECT_NEAR(result.m_rows[1].p, W / L, 1e-12 * W / L);
        }
    }
}

TEST(HullGirder, RefusesWithTheReasonAndTheDraftsReached)
{
    const double L = 40, B = 9, W1 = kRho * L * B * 1;
    const std::vector<double> kStations = {0, 10, 20, 30, 40};
    const CHullTable hull = Box(B, kStations, 3);
    for (const auto& [strReason, strCase] : testsupport::CaseTable("model/girder-refusals.txt"))
    {
        const std::vector<double> c = testsupport::Numbers(strCase);
        ASSERT_EQ(c.size(), 3u) << strCase;
        CLoadList list;
        if (c[0] != 0)
            list.Append("load", c[1], 0, L, c[0] * W1);
        const CStrengthResult result = CHullGirder(hull, c[2]).Compute(list);
        EXPECT_FALSE(result.m_bFloats) << strReason;
        EXPECT_EQ(result.m_strRefusal, strReason);
    }

    // A load of finite weight that runs without end cannot be placed either.
    CLoadList endless;
    endless.Append("load", 1, 0, INFINITY, W1);
    EXPECT_EQ(CHullGirder(hull).Compute(endless).m_strRefusal,
              "no equilibrium: the estimate holds a load whose ends or ordinates are not finite");

    // Tables built by hand rather than read are checked before use.
    CLoadList one;
    one.Append("load", L / 2, 0, L, W1);
    CHullTable shortAreas = Box(B, kStations, 3);
    shortAreas.m_areas.pop_back();
    EXPECT_EQ(CHullGirder(CHullTable()).Compute(one).m_strRefusal,
              "the hull table needs two stations and two drafts at least");
    EXPECT_EQ(CHullGirder(shortAreas).Compute(one).m_strRefusal,
              "the hull table's areas do not fill its stations and drafts");
    EXPECT_EQ(CHullGirder(Box(B, {0, 20, 10, 40}, 3)).Compute(one).m_strRefusal,
              "the hull table's stations do not increase");
    CHullTable sameDrafts = Box(B, kStations, 3);
    sameDrafts.m_drafts[2] = sameDrafts.m_drafts[1];
    EXPECT_EQ(CHullGirder(sameDrafts).Compute(one).m_strRefusal,
              "the hull table's drafts do not increase from zero or above");
    EXPECT_EQ(CHullGirder(CHullTable()).LevelDraft(1), 0);

    // Areas that stop growing at 1 m: level there the drafts cannot move, and the trim is refused.
    CHullTable flat = Box(B, kStations, 2);
    for (size_t i = 0; i < flat.StationCount(); ++i)
        flat.m_areas[i * 3 + 2] = flat.m_areas[i * 3 + 1];
    CLoadList list;
    list.Append("load", 0.4 * L, 0, L, W1);
    EXPECT_EQ(CHullGirder(flat).Compute(list).m_strRefusal,
              "no equilibrium: the hull's areas do not grow with the draft there, so the "
              "drafts cannot be corrected (drafts reached: T_aft 1 m, T_fwd 1 m)");
}

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
    EXPECT_EQ(CLoadingCheck::Utilisation(-1e-3, 60, 0), HUGE_VAL);

    const CHullTable hull = Box(8, {0, 12, 24, 36}, 5);
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
        EXPECT_TRUE(barge.m_shearUse.dValue == 0 && barge.m_momentUse.dValue == 0);
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
    // No station at 18 m: the largest moment lies inside a piece, where V crosses zero.
    EXPECT_NEAR(sag.m_result.m_dMaxMoment, -360, 1e-9);
    EXPECT_NEAR(sag.m_result.m_dMaxMomentX, 18, 1e-9);
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
    const auto expect = [](const SExtreme& extreme, double dValue, double x, size_t nCondition) {
        EXPECT_TRUE(std::fabs(extreme.dValue - dValue) < 1e-9 && extreme.x == x &&
                    extreme.nCondition == nCondition)
            << dValue << ": " << extreme.dValue << " at " << extreme.x << " in " << extreme.nCondition;
    };
    expect(check.m_shearMax, 40, 24, 0);
    expect(check.m_shearMin, -40, 12, 0);
    expect(check.m_momentHog, 180, 18, 1);
    expect(check.m_momentSag, -360, 18, 0);
}

TEST(HullGirder, RandomEstimatesOnRandomHullsClose)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<double> unit(0, 1);
    int nFloated = 0;
    for (int nCase = 0; nCase < 200; ++nCase)
    {
        // A hull of 2 to 40 stations over 20 to 200 m, 2 to 12 drafts, areas rising by random steps.
        CHullTable hull;
        const double L = 20 + 180 * unit(random), x0 = -10 + 20 * unit(random);
        const int nStations = 2 + static_cast<int>(39 * unit(random));
        for (int i = 0; i < nStations; ++i)
            hull.m_stations.push_back(x0 + L * (i + 0.6 * unit(random) * (i > 0 && i + 1 < nStations)) /
                                               (nStations - 1));
        std::sort(hull.m_stations.begin(), hull.m_stations.end());
        const int nDrafts = 2 + static_cast<int>(11 * unit(random));
        double T = unit(random) < 0.5 ? 0 : 0.5 * unit(random);
        for (int j = 0; j < nDrafts; ++j, T += 0.2 + unit(random))
            hull.m_drafts.push_back(T);
        for (int i = 0; i < nStations; ++i)
        {
            // Fuller amidships, with a station or two that holds no area at the shallow drafts.
            const double dShape = 0.2 + std::sin(M_PI * (i + 0.5) / nStations);
            double A = unit(random) < 0.2 ? 0 : dShape * unit(random);
            for (int j = 0; j < nDrafts; ++j, A += dShape * L / 10 * unit(random) * unit(random))
                hull.m_areas.push_back(A);
        }
        // Loads anywhere near the hull, a few of them deductions, then scaled to float at about
        // half the depth.
        CLoadList list;
        const int nLoads = 1 + static_cast<int>(60 * unit(random));
        for (int n = 0; n < nLoads; ++n)
        {
            const double a = x0 - 0.05 * L + 1.1 * L * unit(random),
                         b = a + 0.4 * L * unit(random) * unit(random);
            list.Append("load", (b - a) * unit(random), a, b, n % 7 == 6 ? -unit(random) : unit(random));
        }
        const CHullGirder girder(hull, 0.9 + 0.2 * unit(random));
        const double dScale =
            girder.DisplacementAtDeepest() * (0.3 + 0.4 * unit(random)) / list.TotalWeight();
        for (CLoad* pLoad : list.Loads())
            pLoad->m_dWeight *= dScale;

        const CStrengthResult result = girder.Compute(list);
        if (!result.m_bFloats)
        {
            EXPECT_NE(result.m_strRefusal.find("the trim needs a draft"), std::string::npos)
                << nCase << ": " << result.m_strRefusal;
            continue;
        }
        ++nFloated;
        const double W = result.m_dWeight;
        EXPECT_LE(std::fabs(result.m_dDisplacement - W), 1e-9 * W) << nCase;
        EXPECT_LE(std::fabs(result.m_dLcb - result.m_dXg), 1e-9 * L) << nCase;
        EXPECT_LT(std::fabs(result.m_dClosureShear), 1e-9) << nCase;
        EXPECT_LT(std::fabs(result.m_dClosureMoment), 1e-9) << nCase;
        EXPECT_LE(result.m_nIterations, 20) << nCase;

        // Between rows p is the model's resultant, and the largest |V| and |M| are not exceeded
        // anywhere along the length.
        double dScaleP = 0;
        for (const SStrengthRow& row : result.m_rows)
            dScaleP = std::max(dScaleP, std::fabs(row.p));
        const double xFirst = result.m_rows.front().x, xLast = result.m_rows.back().x;
        for (size_t k = 0; k + 1 < result.m_rows.size(); ++k)
        {
            const SStrengthRow &r0 = result.m_rows[k], &r1 = result.m_rows[k + 1];
            if (r1.x == r0.x)
                continue;
            const double xMid = (r0.x + r1.x) / 2;
            EXPECT_NEAR((r0.p + r1.p) / 2, list.ValueAt(xMid), 1e-9 * dScaleP) << nCase << " at " << xMid;
        }
        for (int i = 0; i <= 400; ++i)
        {
            const double x = xFirst + (xLast - xFirst) * i / 400;
            EXPECT_LE(std::fabs(result.ShearAt(x)), std::fabs(result.m_dMaxShear) * (1 + 1e-12) + 1e-12 * W);
            EXPECT_LE(std::fabs(result.MomentAt(x)),
                      std::fabs(result.m_dMaxMoment) * (1 + 1e-12) + 1e-12 * W * L);
        }
        EXPECT_NEAR(result.ShearAt(result.m_dMaxShearX), result.m_dMaxShear, 1e-12 * W);
        EXPECT_EQ(result.ShearAt(result.m_rows.back().x + 1), result.m_rows.back().V) << "past the last row";
        EXPECT_NEAR(result.MomentAt(result.m_dMaxMomentX), result.m_dMaxMoment, 1e-12 * W * L);
    }
    EXPECT_GE(nFloated, 100) << "most random cases float";
}

// The batch tool's export-stations checks a trapezoid's station weights to the digits it prints.
TEST(StationCurve, SumsToTheTotalAndTellsWhatLiesOutside)
{
    std::mt19937 random(3);
    std::uniform_real_distribution<double> unit(0, 1);
    CLoadList many;
    for (int n = 0; n < 500; ++n)
    {
        const double a = 100 * unit(random);
        many.Append("load", unit(random), a, a + 20 * unit(random), n % 9 == 0 ? -1 : 10 * unit(random));
    }
    // Over all of it, then over part of it, whose stations say how much they leave out.
    CStationCurve curve;
    for (const double dTo : {121.0, 50.0})
    {
        ASSERT_TRUE(curve.Build(many, -1, dTo, 61));
        double dSum = 0, dMoment = 0;
        for (const SStationWeight& station : curve.m_stations)
        {
            dSum += station.dWeight;
            dMoment += station.dWeight * station.dXg;
        }
        EXPECT_NEAR(dSum + curve.m_dOutside, many.TotalWeight(), 1e-12 * many.TotalWeight());
        EXPECT_TRUE(dTo < 100 || std::fabs(dMoment / dSum - many.Xg()) < 1e-8) << dMoment / dSum;
    }
    EXPECT_GT(curve.m_dOutside, 1);

    // A station that holds no weight has its centre in its middle.
    ASSERT_TRUE(curve.Build(many, 200, 210, 2));
    EXPECT_EQ(curve.m_stations[1].dXg, 207.5);

    EXPECT_FALSE(curve.Build(many, 10, 10, 4));
    EXPECT_EQ(curve.m_strRefusal, "the stations must run from one finite abscissa to a larger one");
    EXPECT_TRUE(curve.m_stations.empty() && curve.m_dOutside == 0);
    EXPECT_FALSE(curve.Build(many, 0, INFINITY, 4));
    EXPECT_FALSE(curve.Build(many, 0, 10, 0));
    EXPECT_EQ(curve.m_strRefusal, "the number of stations must lie between 1 and 1000000");
}
