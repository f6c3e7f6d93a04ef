// The graph's curves drawn from the load list: the resultant, the automatic fit, the stacked
// outlines, one load, the strip of one load, and the load under a point.
#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "model/LoadList.h"
#include "model/ResultantLimits.h"
#include "model/StackedSums.h"
#include "view/Surface.h"
#include "view/Vector3.h"
#include "view/Viewport.h"

namespace
{
constexpr double kLimitOffset = CResultantLimits::kOffset;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The device coordinate of v on the axis, or not a number where it does not map.
double Device(const CViewport::SAxis& axis, double v)
{
    double d;
    return axis.Map(v, d) ? d : kNaN;
}

// A closed outline standing on the axis: from (xs.front(), 0) through (x, left) and (x, right) at
// every abscissa to (xs.back(), 0) and back. The abscissae are mapped once by the caller, which
// draws many outlines over the same ones.
void DrawOutline(CViewport& viewport, const std::vector<double>& pxs, const std::vector<double>& lefts,
                 const std::vector<double>& rights)
{
    const CViewport::SAxis axisY = viewport.AxisY();
    const double pxFirst = pxs.empty() ? Device(viewport.AxisX(), 0) : pxs.front();
    const double pxLast = pxs.empty() ? pxFirst : pxs.back();
    const double pyAxis = Device(axisY, 0);
    viewport.MoveToDevice(pxFirst, pyAxis);
    for (size_t j = 0; j < pxs.size(); ++j)
    {
        viewport.LineToDevice(pxs[j], Device(axisY, lefts[j]));
        viewport.LineToDevice(pxs[j], Device(axisY, rights[j]));
    }
    viewport.LineToDevice(pxLast, pyAxis);
    viewport.LineToDevice(pxFirst, pyAxis);
}

// The part of the outline through the limits at abscissae [first, last), with the segments that
// join it to the points on either side: the rest of it is where it was.
void DrawOutlinePart(CViewport& viewport, const std::vector<double>& pxs, const std::vector<double>& lefts,
                     const std::vector<double>& rights, std::pair<size_t, size_t> range)
{
    if (range.first >= range.second)
        return;
    const CViewport::SAxis axisY = viewport.AxisY();
    const double pyAxis = Device(axisY, 0);
    // The outline's points in order: the axis under the first abscissa, the two limits at each
    // abscissa, the axis under the last one.
    const size_t nPoints = 2 * pxs.size() + 2;
    const auto point = [&](size_t k, double& px, double& py) {
        if (k == 0 || k == nPoints - 1)
        {
            px = k == 0 ? pxs.front() : pxs.back();
            py = pyAxis;
            return;
        }
        const size_t j = (k - 1) / 2;
        px = pxs[j];
        py = Device(axisY, (k - 1) % 2 == 0 ? lefts[j] : rights[j]);
    };
    double px = 0;
    double py = 0;
    point(2 * range.first, px, py);
    viewport.MoveToDevice(px, py);
    for (size_t k = 2 * range.first + 1; k <= 2 * range.second + 1; ++k)
    {
        point(k, px, py);
        viewport.LineToDevice(px, py);
    }
}

std::pair<size_t, size_t> Union(std::pair<size_t, size_t> a, std::pair<size_t, size_t> b)
{
    if (a.first >= a.second)
        return b;
    if (b.first >= b.second)
        return a;
    return {std::min(a.first, b.first), std::max(a.second, b.second)};
}

std::vector<double> DeviceXs(const CViewport& viewport, const std::vector<double>& xs)
{
    const CViewport::SAxis axisX = viewport.AxisX();
    std::vector<double> pxs;
    pxs.reserve(xs.size());
    for (double x : xs)
        pxs.push_back(Device(axisX, x));
    return pxs;
}
} // namespace

void CLoadList::DrawResultant(CViewport& viewport, const CResultantLimits& limits)
{
    DrawOutline(viewport, DeviceXs(viewport, limits.m_xs), limits.m_lefts, limits.m_rights);
}

void CLoadList::ComputePlotBounds(CViewport& viewport, const CResultantLimits& limits)
{
    const double xMin = limits.m_xs.empty() ? 0 : limits.m_xs.front();
    const double xMax = limits.m_xs.empty() ? 0 : limits.m_xs.back();
    const double m = 0.1 * (xMax - xMin);
    const double yMax = limits.m_dMax;
    CWorldWindow& window = viewport.m_window;
    window.m_dXMin = xMin - 0.5 * m;
    window.m_dXMax = xMax + m;
    window.m_dYMin = -0.1 * yMax;
    window.m_dYMax = yMax + 0.1 * yMax;
}

void CLoadList::DrawCumulative(CViewport& viewport)
{
    DrawStacked(Loads(), viewport);
    Last();
}

void CLoadList::DrawStacked(const std::vector<CLoad*>& stack, CViewport& viewport)
{
    const std::vector<double> xs = m_abscissae.Values();
    const std::vector<double> pxs = DeviceXs(viewport, xs);
    // The i-th outline needs S_i at every limit, and S_i is S_(i-1) plus load i added exactly as
    // PartialSumAt adds it: one pass over the loads gives every outline in turn.
    CStackedSums lefts(CStackedSums::Shifted(xs, -kLimitOffset));
    CStackedSums rights(CStackedSums::Shifted(xs, kLimitOffset));
    // Outside its load's extent an outline lies on the one before, point for point. Where drawing
    // a line twice changes no pixel, only the part the load raises is drawn: the detailed graph of
    // 1,000 loads at 1280 x 800 takes 7.7 ms instead of 66 (bench/view, BM_DetailedPass).
    const bool bOnlyChanges = viewport.m_pSurface && viewport.m_pSurface->RedrawsLinesAlike();
    bool bFirst = true;
    for (const CLoad* pLoad : stack)
    {
        const std::pair<size_t, size_t> left = lefts.Add(*pLoad);
        const std::pair<size_t, size_t> right = rights.Add(*pLoad);
        if (bFirst || !bOnlyChanges)
            DrawOutline(viewport, pxs, lefts.Sums(), rights.Sums());
        else
            DrawOutlinePart(viewport, pxs, lefts.Sums(), rights.Sums(), Union(left, right));
        bFirst = false;
    }
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
    // With no selection both partial sums are 0 everywhere: every strip is empty.
    if (!viewport.m_pSurface || n <= 0)
        return;
    std::vector<CLoad*> stack = Loads();
    // Beyond the last load the partial sums stop growing, as PartialSumAt stops at the count.
    const size_t nBelow = std::min(static_cast<size_t>(n) - 1, stack.size());
    stack.resize(std::min(static_cast<size_t>(n), stack.size()));
    FillBand(stack, nBelow, viewport, crColour);
}

void CLoadList::FillBand(const std::vector<CLoad*>& stack, size_t nBelow, CViewport& viewport,
                         std::uint32_t crColour)
{
    CSurface* pSurface = viewport.m_pSurface;
    if (!pSurface)
        return;
    const CBrush brushOld = pSurface->SelectObject(CBrush::CreateSolidBrush(crColour));
    const CPen penOld = pSurface->SelectObject(CPen(PS_NULL, 0, 0));

    const std::vector<double> xs = m_abscissae.Values();
    CStackedSums lefts(CStackedSums::Shifted(xs, -kLimitOffset));
    CStackedSums rights(CStackedSums::Shifted(xs, kLimitOffset));
    nBelow = std::min(nBelow, stack.size());
    for (size_t i = 0; i < nBelow; ++i)
    {
        lefts.Add(*stack[i]);
        rights.Add(*stack[i]);
    }
    const std::vector<double> lowerLefts = lefts.Sums();
    const std::vector<double> lowerRights = rights.Sums();
    for (size_t i = nBelow; i < stack.size(); ++i)
    {
        lefts.Add(*stack[i]);
        rights.Add(*stack[i]);
    }
    const std::vector<double>& upperLefts = lefts.Sums();
    const std::vector<double>& upperRights = rights.Sums();

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
