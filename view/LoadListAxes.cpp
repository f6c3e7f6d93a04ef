// The frame of every graph: the load axis at the largest abscissa with ten labelled ticks, the
// length axis along y = 0 with eleven, and the unit labels, sized in tenths of a millimetre.
#include <string>

#include "model/LoadList.h"
#include "model/NumberFormat.h"
#include "view/Surface.h"
#include "view/Vector3.h"
#include "view/Viewport.h"

namespace
{
// The label font: 18 points measured on the screen.
constexpr int kLabelPointSize = 180;
const char* const kLabelFace = "Arial";
// Offsets in tenths of a millimetre: tick length, and where the unit labels stand.
constexpr int kTickLength = 15;
constexpr int kLoadUnitRise = 40;
constexpr int kLengthUnitShift = 20;

// The tick's point on the axis in logical units of the metric mode: world, then pixels
// (truncated), then tenths of a millimetre. False for a point that does not map.
bool TickPoint(CViewport& viewport, const CVector3& v, SPoint& d)
{
    if (!viewport.WorldToDevice(v, d))
        return false;
    viewport.m_pSurface->DPtoLP(&d, 1);
    return true;
}
} // namespace

void CLoadList::DrawAxes(CViewport& viewport, double pMax)
{
    CSurface* pSurface = viewport.m_pSurface;
    if (!pSurface)
        return;
    const CFont fontOld = pSurface->SelectObject(
        CFont::CreatePointFont(kLabelPointSize, kLabelFace, pSurface->GetScreenDpiY()));
    const double xFirst = m_abscissae.Min();
    const double xLast = m_abscissae.Max();

    CVector3 v(xLast, pMax);
    viewport.MoveToWorld(v);
    v.Set(xLast, 0);
    viewport.LineToWorld(v);

    // The tick values are accumulated by repeated addition, as the labels show them.
    pSurface->SetMapMode(MM_LOMETRIC);
    const double dLoadStep = pMax / 10;
    SPoint d;
    bool bTicked = false;
    for (int i = 0; i < 10; ++i)
    {
        v.Set(xLast, v.GetY() + dLoadStep);
        if (!TickPoint(viewport, v, d))
            continue;
        bTicked = true;
        pSurface->MoveTo(d.x, d.y);
        pSurface->LineTo(d.x + kTickLength, d.y);
        pSurface->TextOut(d.x + kTickLength, d.y, CNumberFormat::Format("%.3G", v.GetY()));
    }
    if (bTicked)
        pSurface->TextOut(d.x, d.y + kLoadUnitRise, "[ t/m ]");
    pSurface->SetMapMode(MM_TEXT);

    v.Set(xLast, 0);
    viewport.MoveToWorld(v);
    v.Set(xFirst, 0);
    viewport.LineToWorld(v);

    pSurface->SetMapMode(MM_LOMETRIC);
    const double dLengthStep = (xLast - xFirst) / 10;
    bTicked = false;
    for (int i = 0; i < 11; ++i)
    {
        if (TickPoint(viewport, v, d))
        {
            bTicked = true;
            pSurface->MoveTo(d.x, d.y);
            pSurface->LineTo(d.x, d.y - kTickLength);
            pSurface->TextOut(d.x, d.y - kTickLength, CNumberFormat::Format("%.5G", v.GetX()));
        }
        v.Set(v.GetX() + dLengthStep, 0);
    }
    if (bTicked)
        pSurface->TextOut(d.x + kLengthUnitShift, d.y + kTickLength, "[ m ]");
    pSurface->SetMapMode(MM_TEXT);
    pSurface->SelectObject(fontOld);
}
