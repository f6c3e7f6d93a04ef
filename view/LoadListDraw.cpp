// The graph's curves drawn from the load list: the resultant, the automatic fit, the stacked
// outlines, one load, the strip of one load, and the load under a point.
#include <algorithm>
#include <cmath>
#include <vector>

#include "model/LoadList.h"
#include "view/Surface.h"
#include "view/Vector3.h"
#include "view/Viewport.h"

namespace
{
// The left and right limits of the resultant are taken this far from an abscissa [m].
constexpr double kLimitOffset = 1e-6;

std::vector<double> Shifted(const std::vector<double>& xs, double dOffset)
{
    std::vector<double> shifted(xs.size());
    std::transform(xs.begin(), xs.end(), shifted.begin(), [dOffset](double x) { return x + dOffset; });
    return shifted;
}

// Whether the binary searches of AddLoad may be used on xs.
bool Ordered(const std::vector<double>& xs)
{
    return std::none_of(xs.begin(), xs.end(), [](double x) { return std::isnan(x); }) &&
           std::is_sorted(xs.begin(), xs.end());
}

// Adds the load's ordinate at every x of xs to the running sum at the same index. A load gives
// exactly 0 outside X1..X2, and a running sum that starts at +0 never becomes -0, so leaving
// those sums alone gives the same bits as adding the 0: the sums stay those of PartialSumAt.
void AddLoad(const CLoad& load, const std::vector<double>& xs, bool bOrdered, std::vector<double>& sums)
{
    size_t nBegin = 0;
    size_t nEnd = xs.size();
    if (bOrdered && !std::isnan(load.m_dX1) && !std::isnan(load.m_dX2))
    {
        nBegin = static_cast<size_t>(std::lower_bound(xs.begin(), xs.end(), load.m_dX1) - xs.begin());
        nEnd = static_cast<size_t>(std::upper_bound(xs.begin(), xs.end(), load.m_dX2) - xs.begin());
    }
    for (size_t j = nBegin; j < nEnd; ++j)
        sums[j] += load.ValueAt(xs[j]);
}

// The running sums of the first nCount loads at every x of xs.
std::vector<double> SumsOfFirst(const std::vector<CLoad*>& loads, size_t nCount,
                                const std::vector<double>& xs)
{
    std::vector<double> sums(xs.size(), 0.0);
    const bool bOrdered = Ordered(xs);
    for (size_t i = 0; i < nCount && i < loads.size(); ++i)
        AddLoad(*loads[i], xs, bOrdered, sums);
    return sums;
}
} // namespace

void CLoadList::DrawResultant(CViewport& viewport)
{
    const std::vector<double> xs = m_abscissae.Values();
    const double xFirst = xs.empty() ? 0 : xs.front();
    const double xLast = xs.empty() ? 0 : xs.back();
    std::vector<double> limits;
    limits.reserve(2 * xs.size());
    for (double x : xs)
    {
        limits.push_back(x - kLimitOffset);
        limits.push_back(x + kLimitOffset);
    }
    const std::vector<double> values = ValuesAt(limits);

    CVector3 pt(xFirst, 0);
    viewport.MoveToWorld(pt);
    for (size_t j = 0; j < xs.size(); ++j)
    {
        pt.Set(xs[j], values[2 * j]);
        viewport.LineToWorld(pt);
        pt.Set(xs[j], values[2 * j + 1]);
        viewport.LineToWorld(pt);
    }
    pt.Set(xLast, 0);
    viewport.LineToWorld(pt);
    pt.Set(xFirst, 0);
    viewport.LineToWorld(pt);
}

void CLoadList::ComputePlotBounds(CViewport& viewport)
{
    RebuildAbscissae();
    const std::vector<double> xs = m_abscissae.Values();
    const double xMin = xs.empty() ? 0 : xs.front();
    const double xMax = xs.empty() ? 0 : xs.back();
    std::vector<double> limits;
    limits.reserve(2 * xs.size());
    for (double x : xs)
    {
        limits.push_back(x - kLimitOffset);
        limits.push_back(x + kLimitOffset);
    }
    double yMax = 0;
    for (double y : ValuesAt(limits))
    {
        if (y > yMax)
            yMax = y;
    }
    const double m = 0.1 * (xMax - xMin);
    CWorldWindow& window = viewport.m_window;
    window.m_dXMin = xMin - 0.5 * m;
    window.m_dXMax = xMax + m;
    window.m_dYMin = -0.1 * yMax;
    window.m_dYMax = yMax + 0.1 * yMax;
}

void CLoadList::DrawCumulative(CViewport& viewport)
{
    const std::vector<double> xs = m_abscissae.Values();
    const double xFirst = xs.empty() ? 0 : xs.front();
    const double xLast = xs.empty() ? 0 : xs.back();
    const std::vector<double> lefts = Shifted(xs, -kLimitOffset);
    const std::vector<double> rights = Shifted(xs, kLimitOffset);
    const bool bOrdered = Ordered(xs);

    // The i-th outline needs S_i at every limit; S_i is S_(i-1) plus load i, added in list order
    // exactly as PartialSumAt adds, so one pass over the loads gives every outline in turn.
    std::vector<double> leftSums(xs.size(), 0.0);
    std::vector<double> rightSums(xs.size(), 0.0);
    CVector3 pt;
    for (CLoad* pLoad : Loads())
    {
        AddLoad(*pLoad, lefts, bOrdered, leftSums);
        AddLoad(*pLoad, rights, bOrdered, rightSums);
        pt.Set(xFirst, 0);
        viewport.MoveToWorld(pt);
        for (size_t j = 0; j < xs.size(); ++j)
        {
            pt.Set(xs[j], leftSums[j]);
            viewport.LineToWorld(pt);
            pt.Set(xs[j], rightSums[j]);
            viewport.LineToWorld(pt);
        }
        pt.Set(xLast, 0);
        viewport.LineToWorld(pt);
        pt.Set(xFirst, 0);
        viewport.LineToWorld(pt);
    }
    Last();
}

void CLoadList::DrawSelectedLoad(int n, CViewport& viewport)
{
    // Out of range, GoTo leaves the cursor where it was, and that load is drawn.
    GoTo(n);
    if (m_pCurrent)
        m_pCurrent->DrawOutline(viewport);
}

void CLoadList::FillLoadBand(int n, CViewport& viewport, std::uint32_t crColour)
{
    CSurface* pSurface = viewport.m_pSurface;
    // With no selection both partial sums are 0 everywhere: every strip is empty.
    if (!pSurface || n <= 0)
        return;
    const CBrush brushOld = pSurface->SelectObject(CBrush::CreateSolidBrush(crColour));
    const CPen penOld = pSurface->SelectObject(CPen(PS_NULL, 0, 0));

    const std::vector<double> xs = m_abscissae.Values();
    const std::vector<double> lefts = Shifted(xs, -kLimitOffset);
    const std::vector<double> rights = Shifted(xs, kLimitOffset);
    const bool bOrdered = Ordered(xs);
    const std::vector<CLoad*> loads = Loads();
    // Beyond the last load the partial sums stop growing, as PartialSumAt stops at the count.
    const size_t nLower = std::min(static_cast<size_t>(n) - 1, loads.size());
    const size_t nUpper = std::min(static_cast<size_t>(n), loads.size());
    const std::vector<double> lowerLefts = SumsOfFirst(loads, nLower, lefts);
    const std::vector<double> lowerRights = SumsOfFirst(loads, nLower, rights);
    std::vector<double> upperLefts = lowerLefts;
    std::vector<double> upperRights = lowerRights;
    for (size_t i = nLower; i < nUpper; ++i)
    {
        AddLoad(*loads[i], lefts, bOrdered, upperLefts);
        AddLoad(*loads[i], rights, bOrdered, upperRights);
    }

    CVector3 band[5];
    for (size_t j = 0; j < xs.size(); ++j)
    {
        const size_t k = j + 1 < xs.size() ? j + 1 : j;
        band[0].Set(xs[j], lowerRights[j]);
        band[1].Set(xs[j], upperRights[j]);
        band[2].Set(xs[k], upperLefts[k]);
        band[3].Set(xs[k], lowerLefts[k]);
        band[4] = band[0];
        viewport.PolygonWorld(band, 5);
    }

    pSurface->SelectObject(penOld);
    pSurface->SelectObject(brushOld);
}

int CLoadList::PickLoad(double x, double y)
{
    const double t = ValueAt(x);
    if (t < y || y <= 0 || std::isnan(y))
        return 0;
    // The search stops at the last load: with sums that are not numbers none may reach y.
    std::vector<double> sums;
    RunningSumsAt(x, sums);
    for (int i = 1; i <= m_nCount; ++i)
    {
        if (sums[static_cast<size_t>(i)] >= y)
            return i;
    }
    return 0;
}
