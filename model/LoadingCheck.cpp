// Checking loading conditions at the read-out points and gathering their envelope.
#include "model/LoadingCheck.h"

#include <cmath>
#include <limits>

#include "model/HullTable.h"
#include "model/LoadList.h"
#include "model/WaveLoads.h"

namespace
{
// Keeps the first extreme met: a later one replaces it only when strictly beyond.
void Take(SExtreme& extreme, bool bFirst, bool bBeyond, double dValue, double x, size_t nCondition)
{
    if (bFirst || bBeyond)
        extreme = SExtreme{dValue, x, nCondition};
}
} // namespace

bool SConditionCheck::Within() const
{
    return m_shearUse.dValue <= 100 && m_momentUse.dValue <= 100;
}

CLoadingCheck::CLoadingCheck(const CHullTable& hull, const std::vector<SLimitPoint>& limits, double dDensity,
                             const CWaveLoads* pWave)
    : m_hull(hull), m_limits(limits), m_pWave(pWave), m_girder(hull, dDensity), m_hydrostatics(hull, dDensity)
{
}

CLoadingCheck::~CLoadingCheck() = default;

double CLoadingCheck::Utilisation(double dValue, double dPositiveLimit, double dNegativeLimit)
{
    if (dValue == 0)
        return 0;
    const double dLimit = dValue > 0 ? dPositiveLimit : dNegativeLimit;
    if (dLimit == 0)
        return std::numeric_limits<double>::infinity();
    return 100 * dValue / dLimit;
}

double CLoadingCheck::FromAft(double x) const
{
    return m_hull.m_stations.empty() ? x : x - m_hull.m_stations.front();
}

bool CLoadingCheck::Add(const std::string& strName, CLoadList& list, std::string& strRefusal)
{
    SConditionCheck condition;
    condition.m_strName = strName;
    condition.m_result = m_girder.Compute(list);
    if (!condition.m_result.m_bFloats)
    {
        strRefusal = "condition " + strName + ": " + condition.m_result.m_strRefusal;
        return false;
    }
    const CStrengthResult& result = condition.m_result;
    condition.m_dGmt = m_hydrostatics.At(result.m_dAftDraft, result.m_dFwdDraft).dKmt - list.Zg();
    CheckPoints(condition);
    m_conditions.push_back(std::move(condition));
    AddToEnvelope(m_conditions.back(), m_conditions.size() - 1);
    return true;
}

void CLoadingCheck::CheckPoints(SConditionCheck& condition) const
{
    const CStrengthResult& result = condition.m_result;
    // V and M are found only to the equilibrium's tolerance: what lies within it is no load at
    // all, so that a zero limit at a ship's end is not exceeded by rounding.
    const double dNoShear = CHullGirder::kTolerance * std::fabs(result.m_dWeight);
    const double dNoMoment = dNoShear * result.m_dLength;
    condition.m_points.reserve(m_limits.size());
    for (const SLimitPoint& limit : m_limits)
    {
        SPointCheck point{};
        point.dShear = result.ShearAt(limit.x);
        point.dMoment = result.MomentAt(limit.x);
        point.dShearUse =
            Utilisation(std::fabs(point.dShear) <= dNoShear ? 0 : point.dShear, limit.dSfMax, limit.dSfMin);
        point.dMomentUse = Utilisation(std::fabs(point.dMoment) <= dNoMoment ? 0 : point.dMoment,
                                       limit.dBmHog, limit.dBmSag);
        if (m_pWave)
            point.dModulus = m_pWave->RequiredModulus(point.dMoment, FromAft(limit.x));
        const bool bFirst = condition.m_points.empty();
        Take(condition.m_shearUse, bFirst, point.dShearUse > condition.m_shearUse.dValue, point.dShearUse,
             limit.x, 0);
        Take(condition.m_momentUse, bFirst, point.dMomentUse > condition.m_momentUse.dValue, point.dMomentUse,
             limit.x, 0);
        Take(condition.m_modulus, bFirst, point.dModulus > condition.m_modulus.dValue, point.dModulus,
             limit.x, 0);
        condition.m_points.push_back(point);
    }
}

void CLoadingCheck::AddToEnvelope(const SConditionCheck& condition, size_t nCondition)
{
    for (size_t i = 0; i < condition.m_points.size(); ++i)
    {
        const SPointCheck& point = condition.m_points[i];
        const double x = m_limits[i].x;
        const bool bFirst = nCondition == 0 && i == 0;
        Take(m_shearMax, bFirst, point.dShear > m_shearMax.dValue, point.dShear, x, nCondition);
        Take(m_shearMin, bFirst, point.dShear < m_shearMin.dValue, point.dShear, x, nCondition);
        Take(m_momentHog, bFirst, point.dMoment > m_momentHog.dValue, point.dMoment, x, nCondition);
        Take(m_momentSag, bFirst, point.dMoment < m_momentSag.dValue, point.dMoment, x, nCondition);
    }
}

bool CLoadingCheck::Within() const
{
    for (const SConditionCheck& condition : m_conditions)
    {
        if (!condition.Within())
            return false;
    }
    return true;
}
