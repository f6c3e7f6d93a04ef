// The two panels of the hull girder's strength: curves through the viewport, frames, ticks and
// labels in device pixels and tenths of a millimetre.
#include "view/StrengthPlot.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "model/NumberFormat.h"
#include "model/StrengthResult.h"
#include "view/PanelPainter.h"
#include "view/Vector3.h"
#include "view/Viewport.h"

namespace
{
// The label font of the weight graph, 18 points measured on the screen.
constexpr int kLabelPointSize = 180;
const char* const kLabelFace = "Arial";

enum ECurve
{
    curveWeight,
    curveBuoyancy,
    curveShear,
    curveMoment,
};
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
    CPanelPainter painter(surface);
    SRect rcUpper, rcLower;
    if (!painter.SplitInTwo(rcDevice, rcUpper, rcLower))
        return false;

    const double xFirst = m_result.m_rows.front().x, xLast = m_result.m_rows.back().x;
    const double dMargin = (xLast - xFirst) / 50;
    SPanelRange loads, shear, moment;
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
    painter.Frame(upper, nullptr, 0);
    painter.Frame(lower, &right, kMomentColour);
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

    painter.Legend(rcUpper, 0, kWeightColour, "peso p [t/m]");
    painter.Legend(rcUpper, 1, kBuoyancyColour, "spinta b [t/m]");
    painter.Legend(rcLower, 0, kShearColour, "taglio V [t] (scala a sinistra)");
    painter.Legend(rcLower, 1, kMomentColour, "momento M [t\xB7m] (a destra, + inarcamento)");
    painter.Text(rcLower.right, rcLower.bottom, CPanelPainter::kTick + 5,
                 -CPanelPainter::kTick - CPanelPainter::kTextHeight, "x [m]");
    surface.SelectObject(fontOld);
    return true;
}
