// The curves of form: frame and draft scale, one horizontal scale per curve under the frame, the
// curves through a viewport each, their names at their upper ends.
#include "view/CurvesOfFormPlot.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "model/CurvesOfForm.h"
#include "view/PanelPainter.h"
#include "view/Vector3.h"
#include "view/Viewport.h"

namespace
{
// As the strength panels: the label font, and sizes in tenths of a millimetre.
constexpr int kLabelPointSize = 180;
const char* const kLabelFace = "Arial";
constexpr int kLeft = 300;
constexpr int kRight = 120;
// Room above the frame for the curves' names in up to kNameRows rows of kNameRow each.
constexpr int kNameRows = 3;
constexpr int kNameRow = 35;
constexpr int kTop = 50 + kNameRows * kNameRow;
constexpr int kBottom = 40;
constexpr int kScaleRow = 75;
constexpr int kTick = CPanelPainter::kTick;
constexpr int kTextHeight = CPanelPainter::kTextHeight;
constexpr int kCharWidth = CPanelPainter::kCharWidth;
constexpr std::uint32_t kGridColour = CPanelPainter::kGridColour;

// A line two pixels wide: the scales' lines in their curves' colours.
void WideLine(CPanelPainter& painter, int x1, int y1, int x2, int y2, std::uint32_t crColour)
{
    const CPen penOld = painter.m_surface.SelectObject(CPen(PS_SOLID, 2, crColour));
    painter.m_surface.MoveTo(x1, y1);
    painter.m_surface.LineTo(x2, y2);
    painter.m_surface.SelectObject(penOld);
}

// The scale of one curve: lo at the left of the frame, hi at its right. The curves' largest values
// fall at different fractions of the width, so that curves of like shape do not lie on each other.
struct SScale
{
    double dLo = 0;
    double dHi = 0;
};

SScale ScaleOf(const CCurvesOfForm& curves, double SHydrostatics::*pValue, size_t nIndex, size_t nCount)
{
    double dMin = INFINITY, dMax = -INFINITY;
    for (const SCurvesOfFormRow& row : curves.m_rows)
    {
        const double v = row.hydrostatics.*pValue;
        if (std::isfinite(v))
        {
            dMin = std::min(dMin, v);
            dMax = std::max(dMax, v);
        }
    }
    SScale scale;
    if (!(dMin <= dMax))
        return scale;
    const double dExtent = dMax - dMin;
    if (dMin >= 0 && dMin <= dMax / 2)
        scale.dLo = 0;
    else if (dExtent > 1e-9 * std::max(std::fabs(dMax), 1.0))
    {
        const double dStep = CPanelPainter::TickStep(dExtent, 4);
        scale.dLo = std::floor(dMin / dStep) * dStep;
    }
    else
        scale.dLo = dMin - std::max(std::fabs(dMin) / 10, 1e-3);
    const double dReach =
        0.95 - 0.5 * static_cast<double>(nIndex) / static_cast<double>(std::max<size_t>(nCount - 1, 1));
    scale.dHi = scale.dLo + (dMax - scale.dLo) / dReach;
    return scale;
}

// The scale's line under the frame at height py, its ticks and values, and its name at the left.
void DrawScale(CPanelPainter& painter, const CViewport& viewport, int py,
               const CCurvesOfFormPlot::SCurve& curve)
{
    const SRect& rc = viewport.m_rcDevice;
    const CWorldWindow& w = viewport.m_window;
    WideLine(painter, rc.left, py, rc.right, py, curve.crColour);
    double d = 0;
    for (const double v :
         CPanelPainter::Ticks(w.m_dXMin, w.m_dXMax, CPanelPainter::TickStep(w.m_dXMax - w.m_dXMin, 8)))
    {
        if (!viewport.MapX(v, d))
            continue;
        const int px = TruncateToDevice(d);
        painter.Line(px, py, px, py + painter.Pixels(kTick), curve.crColour);
        const std::string strLabel = CPanelPainter::Label(v);
        painter.Text(px, py, -kCharWidth * static_cast<int>(strLabel.size()) / 2, -kTick - 3, strLabel);
    }
    const int nNameLeft = rc.left - painter.Pixels(kLeft - 20);
    WideLine(painter, nNameLeft, py, nNameLeft + painter.Pixels(40), py, curve.crColour);
    painter.Text(nNameLeft, py, 50, kTextHeight / 2, curve.pszName);
}

// The frame, the grid at the drafts' ticks and their values up the left side.
void DrawFrame(CPanelPainter& painter, const CViewport& viewport)
{
    const SRect& rc = viewport.m_rcDevice;
    const CWorldWindow& w = viewport.m_window;
    double d = 0;
    for (const double y :
         CPanelPainter::Ticks(w.m_dYMin, w.m_dYMax, CPanelPainter::TickStep(w.m_dYMax - w.m_dYMin, 8)))
    {
        if (!viewport.MapY(y, d))
            continue;
        const int py = TruncateToDevice(d);
        painter.Line(rc.left, py, rc.right, py, kGridColour);
        const std::string strLabel = CPanelPainter::Label(y);
        painter.Text(rc.left, py, -kTick - kCharWidth * static_cast<int>(strLabel.size()), kTextHeight / 2,
                     strLabel);
    }
    painter.Text(rc.left, rc.top, -kTick - kCharWidth * 6, kTextHeight + 25, "T [m]");
    painter.Line(rc.left, rc.top, rc.right, rc.top, 0);
    painter.Line(rc.right, rc.top, rc.right, rc.bottom, 0);
    painter.Line(rc.right, rc.bottom, rc.left, rc.bottom, 0);
    painter.Line(rc.left, rc.bottom, rc.left, rc.top, 0);
}

// The curve through its rows, a row without the figure breaking it; returns the upper end's pixel.
bool DrawCurve(CViewport& viewport, const CCurvesOfForm& curves, const CCurvesOfFormPlot::SCurve& curve,
               SPoint& ptEnd)
{
    CSurface& surface = *viewport.m_pSurface;
    const CPen penOld = surface.SelectObject(CPen(PS_SOLID, 2, curve.crColour));
    bool bPen = false, bEnd = false;
    for (const SCurvesOfFormRow& row : curves.m_rows)
    {
        const double v = row.hydrostatics.*curve.pValue;
        if (!std::isfinite(v))
        {
            bPen = false;
            continue;
        }
        const CVector3 pt(v, row.dDraft);
        if (bPen)
            viewport.LineToWorld(pt);
        else
            viewport.MoveToWorld(pt);
        bPen = true;
        bEnd = viewport.WorldToDevice(pt, ptEnd);
    }
    surface.SelectObject(penOld);
    return bEnd;
}
} // namespace

const std::vector<CCurvesOfFormPlot::SCurve>& CCurvesOfFormPlot::Curves()
{
    static const std::vector<SCurve> curves = {
        {"Dislocamento [t]", RGB(0, 0, 200), &SHydrostatics::dDisplacement},
        {"TPC [t/cm]", RGB(0, 140, 0), &SHydrostatics::dTpc},
        {"MCT1cm [t\xB7m/cm]", RGB(200, 110, 0), &SHydrostatics::dMct1cm},
        {"KB [m]", RGB(130, 0, 170), &SHydrostatics::dKb},
        {"KMT [m]", RGB(200, 0, 0), &SHydrostatics::dKmt},
        {"LCB [m]", RGB(0, 150, 160), &SHydrostatics::dLcb},
        {"LCF [m]", RGB(120, 80, 40), &SHydrostatics::dLcf},
    };
    return curves;
}

CCurvesOfFormPlot::CCurvesOfFormPlot(const CCurvesOfForm& curves) : m_curves(curves) {}

CCurvesOfFormPlot::~CCurvesOfFormPlot() = default;

bool CCurvesOfFormPlot::Draw(CSurface& surface, const SRect& rcDevice) const
{
    const std::vector<SCurvesOfFormRow>& rows = m_curves.m_rows;
    if (rows.size() < 2)
        return false;
    const std::vector<SCurve>& curves = Curves();
    CPanelPainter painter(surface);
    const int nScales = painter.Pixels(kScaleRow * static_cast<int>(curves.size()));
    const SRect rc{rcDevice.left + painter.Pixels(kLeft), rcDevice.top + painter.Pixels(kTop),
                   rcDevice.right - painter.Pixels(kRight),
                   rcDevice.bottom - painter.Pixels(kBottom) - nScales};
    if (rc.right - rc.left < 60 || rc.bottom - rc.top < 60)
        return false;
    const double dDeepest = rows.back().dDraft;
    CViewport drafts;
    drafts.m_rcDevice = rc;
    drafts.m_window.Set(0, 0, 1, dDeepest);
    drafts.SetSurface(&surface);
    if (!drafts.CanMap())
        return false;

    const CFont fontOld =
        surface.SelectObject(CFont::CreatePointFont(kLabelPointSize, kLabelFace, surface.GetScreenDpiY()));
    DrawFrame(painter, drafts);
    struct SName
    {
        int x;
        int nWidth;
        int y;
        const char* pszName;
    };
    std::vector<SName> names;
    for (size_t k = 0; k < curves.size(); ++k)
    {
        const SScale scale = ScaleOf(m_curves, curves[k].pValue, k, curves.size());
        CViewport viewport;
        viewport.m_rcDevice = rc;
        viewport.m_window.Set(scale.dLo, 0, scale.dHi, dDeepest);
        viewport.SetSurface(&surface);
        if (!viewport.CanMap())
            continue;
        DrawScale(painter, viewport, rc.bottom + painter.Pixels(kBottom + kScaleRow * static_cast<int>(k)),
                  curves[k]);
        SPoint ptEnd{0, 0};
        if (!DrawCurve(viewport, m_curves, curves[k], ptEnd))
            continue;
        // The name centred over the upper end, kept within the picture.
        const int nWidth =
            painter.Pixels(kCharWidth * static_cast<int>(std::string(curves[k].pszName).size()));
        names.push_back({std::clamp(ptEnd.x - nWidth / 2, rcDevice.left,
                                    std::max(rcDevice.left, rcDevice.right - nWidth)),
                         nWidth, ptEnd.y, curves[k].pszName});
    }
    // From left to right, each name in the lowest row where it clears the names already there.
    std::sort(names.begin(), names.end(), [](const SName& a, const SName& b) { return a.x < b.x; });
    std::vector<int> rowEnds(kNameRows, std::numeric_limits<int>::min());
    for (const SName& name : names)
    {
        size_t nRow = 0;
        while (nRow + 1 < rowEnds.size() && name.x < rowEnds[nRow])
            ++nRow;
        if (name.x < rowEnds[nRow])
            nRow = static_cast<size_t>(std::min_element(rowEnds.begin(), rowEnds.end()) - rowEnds.begin());
        rowEnds[nRow] = name.x + name.nWidth + painter.Pixels(kCharWidth);
        painter.Text(name.x, name.y, 0, kTextHeight + 10 + kNameRow * static_cast<int>(nRow), name.pszName);
    }
    surface.SelectObject(fontOld);
    return true;
}
