// The two panels of the hull girder's strength: curves through the viewport, frames, ticks and
// labels in device pixels and tenths of a millimetre.
#include "view/StrengthPlot.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "model/NumberFormat.h"
#include "model/StrengthResult.h"
#include "view/Vector3.h"
#include "view/Viewport.h"

namespace
{
// The label font of the weight graph, 18 points measured on the screen.
constexpr int kLabelPointSize = 180;
const char* const kLabelFace = "Arial";
// Margins, the gap between the panels and the ticks in tenths of a millimetre, so that a page
// and a window look alike; the text's height and a character's rough width in the same units.
constexpr int kLeft = 200;
constexpr int kRight = 200;
constexpr int kTop = 90;
constexpr int kBottom = 100;
constexpr int kGap = 150;
constexpr int kTick = 15;
constexpr int kTextHeight = 30;
constexpr int kCharWidth = 14;
constexpr std::uint32_t kGridColour = RGB(215, 215, 215);

enum ECurve
{
    curveWeight,
    curveBuoyancy,
    curveShear,
    curveMoment,
};

// A step of 1, 2 or 5 times a power of ten giving about nWanted intervals over the extent.
double TickStep(double dExtent, int nWanted)
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

// The multiples of dStep within dMin..dMax, each computed from its index so that a step lost in
// the rounding of large values cannot stall the walk; never more than a few dozen.
std::vector<double> Ticks(double dMin, double dMax, double dStep)
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

struct SRange
{
    double dMin = 0;
    double dMax = 0;

    void Take(double v)
    {
        if (std::isfinite(v))
        {
            dMin = std::min(dMin, v);
            dMax = std::max(dMax, v);
        }
    }
    // A tenth more on each side, and at least dFloor in all: a curve that is zero but for rounding
    // shows as zero rather than as its noise blown up to the panel's height.
    void Pad(double dFloor)
    {
        const double dExtent = std::max(dMax - dMin, dFloor);
        const double dMid = (dMax + dMin) / 2;
        dMin = std::min(dMin, dMid - dExtent / 2) - dExtent / 10;
        dMax = std::max(dMax, dMid + dExtent / 2) + dExtent / 10;
    }
};

// Draws through the surface in device pixels, text placed in tenths of a millimetre from a pixel.
class CPainter
{
public:
    explicit CPainter(CSurface& surface) : m_surface(surface)
    {
        // The pixels in a tenth of a millimetre, measured through the metric mode's mapping.
        m_surface.SetMapMode(MM_LOMETRIC);
        SPoint points[2] = {{0, 0}, {10000, 0}};
        m_surface.DPtoLP(points, 2);
        m_surface.SetMapMode(MM_TEXT);
        const int nTenths = std::abs(points[1].x - points[0].x);
        m_dPixelsPerTenth = nTenths > 0 ? 10000.0 / nTenths : 1.0;
    }

    int Pixels(int nTenths) const { return static_cast<int>(std::lround(nTenths * m_dPixelsPerTenth)); }

    void Line(int x1, int y1, int x2, int y2, std::uint32_t crColour)
    {
        const CPen penOld = m_surface.SelectObject(CPen(PS_SOLID, 1, crColour));
        m_surface.MoveTo(x1, y1);
        m_surface.LineTo(x2, y2);
        m_surface.SelectObject(penOld);
    }

    // The text's top-left corner nDx, nDy tenths of a millimetre right of and above the pixel.
    void Text(int x, int y, int nDx, int nDy, const std::string& strText)
    {
        m_surface.SetMapMode(MM_LOMETRIC);
        SPoint pt{x, y};
        m_surface.DPtoLP(&pt, 1);
        m_surface.TextOut(pt.x + nDx, pt.y + nDy, strText);
        m_surface.SetMapMode(MM_TEXT);
    }

    CSurface& m_surface;

private:
    double m_dPixelsPerTenth = 1;
};

std::string Label(double dValue)
{
    return CNumberFormat::Format("%.5G", std::fabs(dValue) < 1e-12 ? 0.0 : dValue);
}

// The frame of a panel, its grid at the ticks of x and of the left scale, and their labels; the
// right scale, when there is one, labelled on the right.
void DrawFrame(CPainter& painter, const CViewport& left, const CViewport* pRight)
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
        painter.Line(px, rc.top, px, rc.bottom, kGridColour);
        const std::string strLabel = Label(x);
        painter.Text(px, rc.bottom, -kCharWidth * static_cast<int>(strLabel.size()) / 2, -kTick, strLabel);
    }
    for (const double y : Ticks(w.m_dYMin, w.m_dYMax, dStepY))
    {
        if (!left.MapY(y, d))
            continue;
        const int py = TruncateToDevice(d);
        painter.Line(rc.left, py, rc.right, py, kGridColour);
        const std::string strLabel = Label(y);
        painter.Text(rc.left, py, -kTick - kCharWidth * static_cast<int>(strLabel.size()), kTextHeight / 2,
                     strLabel);
    }
    if (pRight)
    {
        // The right scale keeps its own zero, marked in the colour of its curve.
        if (pRight->MapY(0, d))
            painter.Line(rc.left, TruncateToDevice(d), rc.right, TruncateToDevice(d),
                         CStrengthPlot::kMomentColour);
        const CWorldWindow& r = pRight->m_window;
        const double dStep = TickStep(r.m_dYMax - r.m_dYMin, 6);
        for (const double y : Ticks(r.m_dYMin, r.m_dYMax, dStep))
        {
            if (!pRight->MapY(y, d))
                continue;
            const int py = TruncateToDevice(d);
            painter.Line(rc.right, py, rc.right + painter.Pixels(kTick), py, 0);
            painter.Text(rc.right, py, kTick + 5, kTextHeight / 2, Label(y));
        }
    }
    // The axis y = 0 darker than the grid, then the frame over everything.
    if (left.MapY(0, d))
        painter.Line(rc.left, TruncateToDevice(d), rc.right, TruncateToDevice(d), RGB(90, 90, 90));
    painter.Line(rc.left, rc.top, rc.right, rc.top, 0);
    painter.Line(rc.right, rc.top, rc.right, rc.bottom, 0);
    painter.Line(rc.right, rc.bottom, rc.left, rc.bottom, 0);
    painter.Line(rc.left, rc.bottom, rc.left, rc.top, 0);
}

// A short line in the curve's colour and its name, nIndex places along the top of the panel.
void DrawLegend(CPainter& painter, const SRect& rc, int nIndex, std::uint32_t crColour,
                const std::string& strName)
{
    const int x = rc.left + nIndex * (rc.right - rc.left) / 3;
    const int y = rc.top - painter.Pixels(kTextHeight);
    const CPen penOld = painter.m_surface.SelectObject(CPen(PS_SOLID, 2, crColour));
    painter.m_surface.MoveTo(x, y);
    painter.m_surface.LineTo(x + painter.Pixels(80), y);
    painter.m_surface.SelectObject(penOld);
    painter.Text(x + painter.Pixels(100), y, 0, kTextHeight / 2, strName);
}
} // namespace

CStrengthPlot::CStrengthPlot(const CStrengthResult& result) : m_result(result) {}

CStrengthPlot::~CStrengthPlot() = default;

void CStrengthPlot::DrawCurve(CViewport& viewport, int nWhich, std::uint32_t crColour) const
{
    CSurface& surface = *viewport.m_pSurface;
    const CPen penOld = surface.SelectObject(CPen(PS_SOLID, 2, crColour));
    const std::vector<SStrengthRow>& rows = m_result.m_rows;
    bool bFirst = true;
    const auto point = [&](double x, double y) {
        if (bFirst)
            viewport.MoveToWorld(CVector3(x, y));
        else
            viewport.LineToWorld(CVector3(x, y));
        bFirst = false;
    };
    for (size_t k = 0; k < rows.size(); ++k)
    {
        const SStrengthRow& row = rows[k];
        if (nWhich == curveWeight || nWhich == curveBuoyancy)
        {
            point(row.x, nWhich == curveWeight ? row.p : row.b);
            continue;
        }
        point(row.x, nWhich == curveShear ? row.V : row.M);
        if (k + 1 >= rows.size() || rows[k + 1].x == row.x)
            continue;
        // V is quadratic and M cubic between rows: a point every few pixels follows them.
        double px0 = 0, px1 = 0;
        int nSteps = 1;
        if (viewport.MapX(row.x, px0) && viewport.MapX(rows[k + 1].x, px1))
            nSteps = static_cast<int>(std::clamp(std::fabs(px1 - px0) / 4, 1.0, 64.0));
        for (int i = 1; i < nSteps; ++i)
        {
            const double x = row.x + (rows[k + 1].x - row.x) * i / nSteps;
            point(x, nWhich == curveShear ? m_result.ShearAt(x) : m_result.MomentAt(x));
        }
    }
    surface.SelectObject(penOld);
}

bool CStrengthPlot::Draw(CSurface& surface, const SRect& rcDevice) const
{
    if (!m_result.m_bFloats || m_result.m_rows.empty())
        return false;
    CPainter painter(surface);
    const int nLeft = rcDevice.left + painter.Pixels(kLeft), nRight = rcDevice.right - painter.Pixels(kRight);
    const int nTop = rcDevice.top + painter.Pixels(kTop), nBottom = rcDevice.bottom - painter.Pixels(kBottom);
    const int nGap = painter.Pixels(kGap);
    const int nPanel = (nBottom - nTop - nGap) / 2;
    if (nRight - nLeft < 40 || nPanel < 30)
        return false;
    const SRect rcUpper{nLeft, nTop, nRight, nTop + nPanel};
    const SRect rcLower{nLeft, nBottom - nPanel, nRight, nBottom};

    const double xFirst = m_result.m_rows.front().x, xLast = m_result.m_rows.back().x;
    const double dMargin = (xLast - xFirst) / 50;
    SRange loads, shear, moment;
    for (const SStrengthRow& row : m_result.m_rows)
    {
        loads.Take(row.p);
        loads.Take(row.b);
        shear.Take(row.V);
        moment.Take(row.M);
    }
    shear.Take(m_result.m_dMaxShear);
    moment.Take(m_result.m_dMaxMoment);
    const double W = m_result.m_dWeight, L = std::max(m_result.m_dLength, xLast - xFirst);
    loads.Pad(1e-6 * W / L);
    shear.Pad(1e-6 * W);
    moment.Pad(1e-6 * W * L);

    CViewport upper, lower, right;
    upper.m_rcDevice = rcUpper;
    upper.m_window.Set(xFirst - dMargin, loads.dMin, xLast + dMargin, loads.dMax);
    lower.m_rcDevice = right.m_rcDevice = rcLower;
    lower.m_window.Set(xFirst - dMargin, shear.dMin, xLast + dMargin, shear.dMax);
    right.m_window.Set(xFirst - dMargin, moment.dMin, xLast + dMargin, moment.dMax);
    for (CViewport* pViewport : {&upper, &lower, &right})
    {
        pViewport->SetSurface(&surface);
        if (!pViewport->CanMap())
            return false;
    }

    const CFont fontOld =
        surface.SelectObject(CFont::CreatePointFont(kLabelPointSize, kLabelFace, surface.GetScreenDpiY()));
    DrawFrame(painter, upper, nullptr);
    DrawFrame(painter, lower, &right);
    DrawCurve(upper, curveWeight, kWeightColour);
    DrawCurve(upper, curveBuoyancy, kBuoyancyColour);
    DrawCurve(lower, curveShear, kShearColour);
    DrawCurve(right, curveMoment, kMomentColour);

    // The maxima marked where they lie.
    double px = 0, py = 0;
    const int r = std::max(2, painter.Pixels(8));
    if (lower.MapX(m_result.m_dMaxShearX, px) && lower.MapY(m_result.m_dMaxShear, py))
    {
        surface.Ellipse(TruncateToDevice(px) - r, TruncateToDevice(py) - r, TruncateToDevice(px) + r,
                        TruncateToDevice(py) + r);
        painter.Text(TruncateToDevice(px), TruncateToDevice(py), 20, -10,
                     CNumberFormat::Format("%.4G t", m_result.m_dMaxShear));
    }
    if (right.MapX(m_result.m_dMaxMomentX, px) && right.MapY(m_result.m_dMaxMoment, py))
    {
        surface.Ellipse(TruncateToDevice(px) - r, TruncateToDevice(py) - r, TruncateToDevice(px) + r,
                        TruncateToDevice(py) + r);
        painter.Text(TruncateToDevice(px), TruncateToDevice(py), 20, -10,
                     CNumberFormat::Format("%.4G t\xB7m", m_result.m_dMaxMoment));
    }

    DrawLegend(painter, rcUpper, 0, kWeightColour, "peso p [t/m]");
    DrawLegend(painter, rcUpper, 1, kBuoyancyColour, "spinta b [t/m]");
    DrawLegend(painter, rcLower, 0, kShearColour, "taglio V [t] (scala a sinistra)");
    DrawLegend(painter, rcLower, 1, kMomentColour, "momento M [t\xB7m] (a destra, + inarcamento)");
    painter.Text(rcLower.right, rcLower.bottom, kTick + 5, -kTick - kTextHeight, "x [m]");
    surface.SelectObject(fontOld);
    return true;
}
