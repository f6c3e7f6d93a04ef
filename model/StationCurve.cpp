// The station weights, integrated exactly over the resultant's straight pieces.
#include "model/StationCurve.h"

#include <cmath>

#include "model/ResultantPieces.h"

CStationCurve::~CStationCurve() = default;

bool CStationCurve::Build(CLoadList& list, double dFrom, double dTo, long nCount)
{
    m_stations.clear();
    m_dOutside = 0;
    m_strRefusal.clear();
    if (!std::isfinite(dFrom) || !std::isfinite(dTo) || !(dFrom < dTo))
    {
        m_strRefusal = "the stations must run from one finite abscissa to a larger one";
        return false;
    }
    if (nCount < 1 || nCount > kMaxCount)
    {
        m_strRefusal = "the number of stations must lie between 1 and " + std::to_string(kMaxCount);
        return false;
    }
    std::vector<double> ends(static_cast<size_t>(nCount) + 1);
    // Each end from its own index, so that the last is dTo exactly and no error accumulates.
    for (long i = 0; i <= nCount; ++i)
        ends[static_cast<size_t>(i)] =
            i == nCount ? dTo : dFrom + (dTo - dFrom) * (static_cast<double>(i) / nCount);
    const CResultantPieces weight(list, ends);
    if (!weight.IsFinite())
    {
        m_strRefusal = "the estimate holds a load whose ends or ordinates are not finite";
        return false;
    }
    m_stations.reserve(static_cast<size_t>(nCount));
    double dInside = 0;
    for (size_t i = 0; i + 1 < ends.size(); ++i)
    {
        const double dWeight = weight.IntegralOver(ends[i], ends[i + 1]);
        const double dMoment = weight.MomentOver(ends[i], ends[i + 1]);
        const double dXg = dWeight != 0 ? dMoment / dWeight : (ends[i] + ends[i + 1]) / 2;
        m_stations.push_back(SStationWeight{ends[i], ends[i + 1], dWeight, dXg});
        dInside += dWeight;
    }
    if (!weight.m_xs.empty())
        m_dOutside = weight.IntegralOver(weight.m_xs.front(), weight.m_xs.back()) - dInside;
    return true;
}
