// The zoom box, drawn by inverting pixels.
#include "view/RubberBand.h"

#include "view/Surface.h"
#include "view/Viewport.h"

CRubberBand::CRubberBand() = default;

CRubberBand::~CRubberBand() = default;

void CRubberBand::DevicePoints(int& ax, int& ay, int& cx, int& cy) const
{
    ax = TruncateToDevice(m_ptAnchor.GetX());
    ay = TruncateToDevice(m_ptAnchor.GetY());
    cx = TruncateToDevice(m_ptCurrent.GetX());
    cy = TruncateToDevice(m_ptCurrent.GetY());
}

void CRubberBand::DrawOn(CSurface& surface) const
{
    int ax, ay, cx, cy;
    DevicePoints(ax, ay, cx, cy);
    surface.SetROP2(R2_NOT);
    surface.MoveTo(ax, ay);
    surface.LineTo(cx, ay);
    surface.LineTo(cx, cy);
    surface.LineTo(ax, cy);
    surface.LineTo(ax, ay);
    surface.SetROP2(R2_COPYPEN);
}

void CRubberBand::Draw(CViewport& viewport) const
{
    if (viewport.m_pSurface)
        DrawOn(*viewport.m_pSurface);
}

void CRubberBand::Begin(int x, int y)
{
    m_ptAnchor.Set(x, y, 0);
    m_ptCurrent.Set(x, y, 0);
    m_bActive = true;
}

void CRubberBand::Track(int x, int y, CViewport& viewport)
{
    if (!m_bActive)
        return;
    Draw(viewport);
    m_ptCurrent.Set(x, y, 0);
    Draw(viewport);
}

void CRubberBand::End(int x, int y, CViewport& viewport)
{
    Draw(viewport);
    m_ptCurrent.Set(x, y, 0);
    m_bActive = false;
}
