// Floating the estimate on the hull by Newton's method on the two drafts.
#include "model/HullGirder.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/CentreTerms.h"
#include "model/HullTable.h"
#include "model/Hydrostatics.h"
#include "model/LoadList.h"
#include "model/NumberFormat.h"
#include "model/ResultantPieces.h"

namespace
{
std::string Number(double dValue)
{
    return CNumberFormat::Format("%.6G", dValue);
}
} // namespace

CHullGirder::CHullGirder(const CHullTable& hull, double dDensity) : m_hull(hull), m_dDensity(dDensity)
{
    // A table that Compute will refuse gets no weights, so nothing here reads past its ends.
    if (!m_hull.Fault().empty())
        return;
    const std::vector<double>& xs = m_hull.m_stations;
    const size_t n = xs.size();
    m_areaWeights.assign(n, 0.0);
    m_momentWeights.assign(n, 0.0);
    m_fractions.assign(n, 0.0);
    // b straight between stations: over x0..x1 its integral is h (b0 + b1) / 2 and its moment
    // about the first station h/6 (b0 (2 u0 + u1) + b1 (u0 + 2 u1)), u measured from there.
    for (size_t i = 0; i + 1 < n; ++i)
    {
        const double h = xs[i + 1] - xs[i];
        const double u0 = xs[i] - xs[0], u1 = xs[i + 1] - xs[0];
        m_areaWeights[i] += m_dDensity * h / 2;
        m_areaWeights[i + 1] += m_dDensity * h / 2;
        m_momentWeights[i] += m_dDensity * h * (2 * u0 + u1) / 6;
        m_momentWeights[i + 1] += m_dDensity * h * (u0 + 2 * u1) / 6;
    }
    for (size_t i = 0; i < n; ++i)
        m_fractions[i] = i + 1 == n ? 1.0 : (xs[i] - xs[0]) / (xs[n - 1] - xs[0]);
}

CHullGirder::~CHullGirder() = default;

CHullGirder::SBuoyancy CHullGirder::Buoyancy(double dAftDraft, double dFwdDraft) const
{
    SBuoyancy buoyancy;
    for (size_t i = 0; i < m_fractions.size(); ++i)
    {
        const double f = m_fractions[i];
        double dSlope = 0;
        const double dArea = m_hull.AreaAt(i, dAftDraft + (dFwdDraft - dAftDraft) * f, dSlope);
        buoyancy.dDisplacement += m_areaWeights[i] * dArea;
        buoyancy.dMoment += m_momentWeights[i] * dArea;
        buoyancy.dDisplacementByAft += m_areaWeights[i] * dSlope * (1 - f);
        buoyancy.dDisplacementByFwd += m_areaWeights[i] * dSlope * f;
        buoyancy.dMomentByAft += m_momentWeights[i] * dSlope * (1 - f);
        buoyancy.dMomentByFwd += m_momentWeights[i] * dSlope * f;
    }
    return buoyancy;
}

std::vector<double> CHullGirder::StationBuoyancy(double dAftDraft, double dFwdDraft) const
{
    std::vector<double> buoyancy(m_fractions.size());
    for (size_t i = 0; i < m_fractions.size(); ++i)
    {
        double dSlope = 0;
        buoyancy[i] =
            m_dDensity * m_hull.AreaAt(i, dAftDraft + (dFwdDraft - dAftDraft) * m_fractions[i], dSlope);
    }
    return buoyancy;
}

double CHullGirder::DisplacementAtDeepest() const
{
    double dDisplacement = 0;
    for (size_t i = 0; i < m_areaWeights.size(); ++i)
        dDisplacement += m_areaWeights[i] * m_hull.Area(i, m_hull.DraftCount() - 1);
    return dDisplacement;
}

double CHullGirder::LevelDraft(double dWeight) const
{
    // Level, every station sits in the same interval of the table, so the displacement is
    // straight in the draft between two tabulated drafts: find the interval, then interpolate.
    if (m_areaWeights.empty())
        return 0;
    double dT0 = 0, dD0 = 0;
    for (size_t j = 0; j < m_hull.DraftCount(); ++j)
    {
        double dD1 = 0;
        for (size_t i = 0; i < m_areaWeights.size(); ++i)
            dD1 += m_areaWeights[i] * m_hull.Area(i, j);
        const double dT1 = m_hull.m_drafts[j];
        if (dD1 >= dWeight)
            return dD1 > dD0 ? dT0 + (dT1 - dT0) * (dWeight - dD0) / (dD1 - dD0) : dT1;
        dT0 = dT1;
        dD0 = dD1;
    }
    return m_hull.DeepestDraft();
}

std::string CHullGirder::Refusal(const std::string& strWhy, double dAft, double dFwd)
{
    return "no equilibrium: " + strWhy + " (drafts reached: T_aft " + Number(dAft) + " m, T_fwd " +
           Number(dFwd) + " m)";
}

CStrengthResult CHullGirder::Compute(CLoadList& list) const
{
    CStrengthResult result;
    result.m_strRefusal = m_hull.Fault();
    if (!result.m_strRefusal.empty())
        return result;
    const CResultantPieces weight(list, m_hull.m_stations);
    result.m_dWeight = list.TotalWeight();
    result.m_dXg = list.Xg();
    result.m_dLength = m_hull.Length();
    const double W = result.m_dWeight, L = result.m_dLength, x0 = m_hull.m_stations.front();
    if (!(m_dDensity > 0) || !std::isfinite(m_dDensity))
    {
        result.m_strRefusal = "the density must be a positive number of t/m3, not " + Number(m_dDensity);
        return result;
    }
    if (!weight.IsFinite() || !std::isfinite(W))
    {
        result.m_strRefusal =
            "no equilibrium: the estimate holds a load whose ends or ordinates are not finite";
        return result;
    }
    if (!(W > 0))
    {
        result.m_strRefusal = "no equilibrium: the estimate's total weight is " + Number(W) +
                              " t, and only a positive weight floats";
        return result;
    }
    if (!std::isfinite(result.m_dXg))
    {
        result.m_strRefusal = "no equilibrium: the estimate's centre of gravity is not a finite number";
        return result;
    }
    const double dDeepest = m_hull.DeepestDraft();
    const double dMost = DisplacementAtDeepest();
    if (W > dMost)
    {
        result.m_strRefusal =
            Refusal("the estimate weighs " + Number(W) + " t, more than the " + Number(dMost) +
                        " t the hull displaces at its deepest draft, " + Number(dDeepest) + " m",
                    dDeepest, dDeepest);
        return result;
    }

    // Residuals as fractions of W and of W L, so that one norm weighs both alike.
    const double dMomentWanted = W * (result.m_dXg - x0);
    auto residual = [&](const SBuoyancy& b, double r[2]) {
        r[0] = (b.dDisplacement - W) / W;
        r[1] = (b.dMoment - dMomentWanted) / (W * L);
        return std::hypot(r[0], r[1]);
    };
    double dAft = LevelDraft(W), dFwd = dAft;
    SBuoyancy b = Buoyancy(dAft, dFwd);
    double r[2];
    double dNorm = residual(b, r);
    int nIterations = 0;
    // The areas are straight in the draft between tabulated drafts, so a step that stays within
    // the same intervals lands on the root but for rounding; the halving keeps steps that cross
    // into other intervals from overshooting. The search ends when a step no longer helps.
    while (dNorm > 4 * std::numeric_limits<double>::epsilon() && nIterations < kMaxIterations)
    {
        const double a = b.dDisplacementByAft / W, c = b.dDisplacementByFwd / W;
        const double d = b.dMomentByAft / (W * L), e = b.dMomentByFwd / (W * L);
        const double dDet = a * e - c * d;
        if (dDet == 0 || !std::isfinite(dDet))
        {
            result.m_strRefusal = Refusal(
                "the hull's areas do not grow with the draft there, so the drafts cannot be corrected", dAft,
                dFwd);
            return result;
        }
        const double dStepAft = -(e * r[0] - c * r[1]) / dDet;
        const double dStepFwd = -(a * r[1] - d * r[0]) / dDet;
        double dLambda = 1;
        bool bBetter = false;
        for (int nHalving = 0; nHalving < 40 && !bBetter; ++nHalving, dLambda /= 2)
        {
            const double dTrialAft = dAft + dLambda * dStepAft, dTrialFwd = dFwd + dLambda * dStepFwd;
            const SBuoyancy trial = Buoyancy(dTrialAft, dTrialFwd);
            double rTrial[2];
            const double dTrialNorm = residual(trial, rTrial);
            if (dTrialNorm < dNorm)
            {
                bBetter = true;
                dAft = dTrialAft;
                dFwd = dTrialFwd;
                b = trial;
                r[0] = rTrial[0];
                r[1] = rTrial[1];
                dNorm = dTrialNorm;
            }
        }
        if (!bBetter)
            break;
        ++nIterations;
    }
    result.m_nIterations = nIterations;
    const double dLcb = x0 + b.dMoment / b.dDisplacement;
    if (!(std::fabs(b.dDisplacement - W) <= kTolerance * W &&
          std::fabs(dLcb - result.m_dXg) <= kTolerance * L))
    {
        result.m_strRefusal =
            Refusal("none found after " + std::to_string(nIterations) + " iterations; displacement " +
                        Number(b.dDisplacement) + " t for " + Number(W) + " t, LCB " + Number(dLcb) +
                        " m for XG " + Number(result.m_dXg) + " m",
                    dAft, dFwd);
        return result;
    }
    if (dAft < 0 || dFwd < 0)
    {
        result.m_strRefusal = Refusal("the trim needs a draft below zero", dAft, dFwd);
        return result;
    }
    if (dAft > dDeepest || dFwd > dDeepest)
    {
        result.m_strRefusal = Refusal(
            "the trim needs a draft above the table's deepest, " + Number(dDeepest) + " m", dAft, dFwd);
        return result;
    }

    result.m_bFloats = true;
    result.m_dAftDraft = dAft;
    result.m_dFwdDraft = dFwd;
    result.m_dDisplacement = b.dDisplacement;
    result.m_dLcb = dLcb;
    result.Integrate(weight, m_hull.m_stations, StationBuoyancy(dAft, dFwd));
    const SHydrostatics stability = CHydrostatics(m_hull, m_dDensity).At(dAft, dFwd);
    // ZG as the totals add it, without the rebuild of the abscissae that Zg would run again.
    double dKg = 0;
    if (list.First())
    {
        do
            dKg += CCentreTerms::Z(*list.m_pCurrent, W);
        while (list.Next());
    }
    result.m_dKg = dKg;
    result.m_dKb = stability.dKb;
    result.m_dBmt = stability.dBmt;
    result.m_dKmt = stability.dKmt;
    result.m_dGmt = stability.dKmt - result.m_dKg;
    return result;
}
