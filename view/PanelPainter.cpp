// The panels' frames, grids, labels and legends through the surface.
#include "view/PanelPainter.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "model/NumberFormat.h"
#include "view/Viewport.h"

void SPanelRange::Take(double v)
{
    if (std::isfinite(v))
    {
        dMin = std::min(dMin, v);
        dMax = std::max(dMax, v);
    }
}

void SPanelRange::Pad(double dFloor)
{
    const double dExtent = std::max(dMax - dMin, dFloor);
    const double dMid = (dMax + dMin) / 2;
    dMin = std::min(dMin, dMid - dExtent / 2) - dExtent / 10;
    dMax = std::max(dMax, dMid + dExtent / 2) + dExtent / 10;
}

CPanelPainter::CPanelPainter(CSurface& surface) : m_surface(surface)
{
    // The pixels in a tenth of a millimetre, measured through the metric mode's mapping.
    m_surface.SetMapMode(MM_LOMETRIC);
    SPoint points[2] = {{0, 0}, {10000, 0}};
    m_surface.DPtoLP(points, 2);
    m_surface.SetMapMode(MM_TEXT);
    const int nTenths = std::abs(points[1].x - points[0].x);
    m_dPixelsPerTenth = nTenths > 0 ? 10000.0 / nTenths : 1.0;
}

CPanelPainter::~CPanelPainter() = default;

int CPanelPainter::Pixels(int nTenths) const
{
    return static_cast<int>(std::lround(nTenths * m_dPixelsPerTenth));
}

bool CPanelPainter::SplitInTwo(const SRect& rcDevice, SRect& rcUpper, SRect& rcLower) const
{
    const int nLeft = rcDevice.left + Pixels(kLeft), nRight = rcDevice.right - Pixels(kRight);
    const int nTop = rcDevice.top + Pixels(kTop), nBottom = rcDevice.bottom - Pixels(kBottom);
    const int nPanel = (nBottom - nTop - Pixels(kGap)) / 2;
    if (nRight - nLeft < 40 || nPanel < 30)
        return false;
    rcUpper = SRect{nLeft, nTop, nRight, nTop + nPanel};
    rcLower = SRect{nLeft, nBottom - nPanel, nRight, nBottom};
    return true;
}

void CPanelPainter::Line(int x1, int y1, int x2, int y2, std::uint32_t crColour)
{
    const CPen penOld = m_surface.SelectObject(CPen(PS_SOLID, 1, crColour));
    m_surface.MoveTo(x1, y1);
    m_surface.LineTo(x2, y2);
    m_surface.SelectObject(penOld);
}

void CPanelPainter::Text(int x, int y, int nDx, int nDy, const std::string& strText)
{
    m_surface.SetMapMode(MM_LOMETRIC);
    SPoint pt{x, y};
    m_surface.DPtoLP(&pt, 1);
    m_surface.TextOut(pt.x + nDx, pt.y + nDy, strText);
    m_surface.SetMapMode(MM_TEXT);
}

void CPanelPainter::Legend(const SRect& rc, int nIndex, std::uint32_t crColour, const std::string& strName)
{
    const int x = rc.left + nIndex * (rc.right - rc.left) / 3;
    const int y = rc.top - Pixels(kTextHeight);
    const CPen penOld = m_surface.SelectObject(CPen(PS_SOLID, 2, crColour));
    m_surface.MoveTo(x, y);
    m_surface.LineTo(x + Pixels(80), y);
    m_surface.SelectObject(penOld);
    Text(x + Pixels(100), y, 0, kTextHeight / 2, strName);
}

void CPanelPainter::Frame(const CViewport& left, const CViewport* pRight, std::uint32_t crRightZero)
{
    const SRect& rc = left.m_rcDevice;
    const CWorldWindow& w = left.m_window;
    const double dStepX = TickStep(w.m_dXMax - w.m_dXMin, 10);
    const double dStepY = TickStep(w.m_dYMax - w.m_dYMin, 6);
    double d = 0;
    for (const double x : Ticks(w.m_dXMin, w.m_dXMax, dStepX))
    {
        if (!left.MapX(x, d))
            continue;
        const int px = TruncateToDevice(d);
        Line(px, rc.top, px, rc.bottom, kGridColour);
        const std::string strLabel = Label(x);
        Text(px, rc.bottom, -kCharWidth * static_cast<int>(strLabel.size()) / 2, -kTick, strLabel);
    }
    for (const double y : Ticks(w.m_dYMin, w.m_dYMax, dStepY))
    {
        if (!left.MapY(y, d))
            continue;
        const int py = TruncateToDevice(d);
        Line(rc.left, py, rc.right, py, kGridColour);
        const std::string strLabel = Label(y);
        Text(rc.left, py, -kTick - kCharWidth * static_cast<int>(strLabel.size()), kTextHeight / 2, strLabel);
    }
    if (pRight)
    {
        // The right scale keeps its own zero, marked in the colour of its curve.
        if (pRight->MapY(0, d))
            Line(rc.left, TruncateToDevice(d), rc.right, TruncateToDevice(d), crRightZero);
        const CWorldWindow& r = pRight->m_window;
        const double dStep = TickStep(r.m_dYMax - r.m_dYMin, 6);
        for (const double y : Ticks(r.m_dYMin, r.m_dYMax, dStep))
        {
            if (!pRight->MapY(y, d))
                continue;
            const int py = TruncateToDevice(d);
            Line(rc.right, py, rc.right + Pixels(kTick), py, 0);
            Text(rc.right, py, kTick + 5, kTextHeight / 2, Label(y));
        }
    }
    // The axis y = 0 darker than the grid, then the frame over everything.
    if (left.MapY(0, d))
        Line(rc.left, TruncateToDevice(d), rc.right, TruncateToDevice(d), RGB(90, 90, 90));
    Line(rc.left, rc.top, rc.right, rc.top, 0);
    Line(rc.right, rc.top, rc.right, rc.bottom, 0);
    Line(rc.right, rc.bottom, rc.left, rc.bottom, 0);
    Line(rc.left, rc.bottom, rc.left, rc.top, 0);
}

double CPanelPainter::TickStep(double dExtent, int nWanted)
{
    const double dRaw = dExtent / nWanted;
    if (!(dRaw > 0) || !std::isfinite(dRaw))
        return 0;
    const double dPower = std::pow(10.0, std::floor(std::log10(dRaw)));
    for (double f : {1.0, 2.0, 5.0})
    {
        if (f * dPower >= dRaw)
            return f * dPower;
    }
    return 10 * dPower;
}

std::vector<double> CPanelPainter::Ticks(double dMin, double dMax, double dStep)
{
    std::vector<double> ticks;
    if (!(dStep > 0))
        return ticks;
    const double dFirst = std::ceil(dMin / dStep);
    for (int i = 0; i < 50; ++i)
    {
        const double v = (dFirst + i) * dStep;
        if (!(v <= dMax))
            break;
        ticks.push_back(v);
    }
    return ticks;
}

std::string CPanelPainter::Label(double dValue)
{
    return CNumberFormat::Format("%.5G", std::fabs(dValue) < 1e-12 ? 0.0 : dValue);
}
