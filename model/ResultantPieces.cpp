// The resultant as straight pieces with exact limits, built in one sweep over the loads' ends.
#include "model/ResultantPieces.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "model/Load.h"
#include "model/LoadList.h"
#include "model/LoadOrdinate.h"

namespace
{
struct SEnd
{
    double x;
    // The ordinate the load brings in at its start, or takes away at its end, and its slope.
    double dValue;
    double dSlope;
    bool bStart;
};

// A sum carried in two doubles, the second holding what the first lost to rounding. A short load
// brings in and takes out ordinates far larger than the rest of the sum; in one double they would
// leave their rounding behind in every piece that follows.
struct SCarried
{
    double dHigh = 0;
    double dLow = 0;

    void Add(double d)
    {
        const double dSum = dHigh + d;
        const double dBack = dSum - dHigh;
        dLow += (dHigh - (dSum - dBack)) + (d - dBack);
        dHigh = dSum;
    }
    // The product exactly, through a fused multiply-add, before it is added.
    void AddProduct(double a, double b)
    {
        const double dProduct = a * b;
        Add(dProduct);
        dLow += std::fma(a, b, -dProduct);
    }
    double Value() const { return dHigh + dLow; }
};
} // namespace

CResultantPieces::CResultantPieces(CLoadList& list, const std::vector<double>& extra)
{
    list.RebuildAbscissae();
    const std::vector<CLoad*> loads = list.Loads();
    std::vector<SEnd> ends;
    ends.reserve(2 * loads.size());
    for (const CLoad* pLoad : loads)
    {
        const CLoad& load = *pLoad;
        if (!std::isfinite(load.m_dX1) || !std::isfinite(load.m_dX2) || !std::isfinite(load.m_dY1) ||
            !std::isfinite(load.m_dY2))
        {
            // A sweep through a NaN would sort nothing and sum nothing meaningful.
            m_bFinite = false;
            continue;
        }
        // The slope the ordinate formula takes, so that both describe the same line.
        const double dSlope = CLoadOrdinate::Slope(load);
        ends.push_back(SEnd{load.m_dX1, load.m_dY1, dSlope, true});
        ends.push_back(SEnd{load.m_dX2, load.m_dY2, dSlope, false});
    }
    std::sort(ends.begin(), ends.end(), [](const SEnd& a, const SEnd& b) { return a.x < b.x; });
    std::vector<double> stations;
    std::copy_if(extra.begin(), extra.end(), std::back_inserter(stations),
                 [](double x) { return std::isfinite(x); });
    std::sort(stations.begin(), stations.end());

    m_xs.reserve(ends.size() + stations.size());
    m_lefts.reserve(ends.size() + stations.size());
    m_rights.reserve(ends.size() + stations.size());
    // The sum of the loads that cover the piece just left behind, as its value at the abscissa
    // it started from and its slope. The value carried along a load's extent may still differ
    // from the load's own end ordinate in the last bit, so the sum is set to exactly 0 wherever no
    // load is left.
    SCarried value, slope;
    double xPrev = 0;
    long nActive = 0;
    size_t e = 0, s = 0;
    while (e < ends.size() || s < stations.size())
    {
        const double x =
            s >= stations.size() || (e < ends.size() && ends[e].x < stations[s]) ? ends[e].x : stations[s];
        if (nActive > 0)
        {
            value.AddProduct(slope.dHigh, x - xPrev);
            value.AddProduct(slope.dLow, x - xPrev);
        }
        const double dLeft = value.Value();
        for (; e < ends.size() && ends[e].x == x; ++e)
        {
            const SEnd& end = ends[e];
            value.Add(end.bStart ? end.dValue : -end.dValue);
            slope.Add(end.bStart ? end.dSlope : -end.dSlope);
            nActive += end.bStart ? 1 : -1;
        }
        while (s < stations.size() && stations[s] == x)
            ++s;
        if (nActive == 0)
        {
            value = SCarried();
            slope = SCarried();
        }
        m_xs.push_back(x);
        m_lefts.push_back(dLeft);
        m_rights.push_back(value.Value());
        xPrev = x;
    }
}

CResultantPieces::~CResultantPieces() = default;

double CResultantPieces::OnPiece(size_t k, double x) const
{
    const double h = m_xs[k + 1] - m_xs[k];
    return m_rights[k] + (m_lefts[k + 1] - m_rights[k]) * ((x - m_xs[k]) / h);
}

template <class TTerm> double CResultantPieces::Over(double a, double b, TTerm term) const
{
    if (m_xs.size() < 2 || !(a < b))
        return 0;
    // The first piece that ends after a.
    size_t k = static_cast<size_t>(std::upper_bound(m_xs.begin(), m_xs.end(), a) - m_xs.begin());
    k = k == 0 ? 0 : k - 1;
    double dSum = 0;
    for (; k + 1 < m_xs.size() && m_xs[k] < b; ++k)
    {
        const double x0 = std::max(a, m_xs[k]);
        const double x1 = std::min(b, m_xs[k + 1]);
        if (x1 > x0)
            dSum += term(x0, x1, OnPiece(k, x0), OnPiece(k, x1));
    }
    return dSum;
}

double CResultantPieces::IntegralOver(double a, double b) const
{
    return Over(a, b, [](double x0, double x1, double p0, double p1) { return (x1 - x0) * (p0 + p1) / 2; });
}

double CResultantPieces::MomentOver(double a, double b) const
{
    // A straight p over x0..x1: its integral times its centroid, (x1 - x0)/6 (p0 (2 x0 + x1) + p1 (x0 + 2
    // x1)).
    return Over(a, b, [](double x0, double x1, double p0, double p1) {
        return (x1 - x0) * (p0 * (2 * x0 + x1) + p1 * (x0 + 2 * x1)) / 6;
    });
}
