// The pan marker, drawn by inverting pixels.
#include "view/RubberLine.h"

#include "view/Surface.h"
#include "view/Viewport.h"

namespace
{
// Radius of the circle at the pointer [pixels].
constexpr int kMarkerRadius = 5;
} // namespace

CRubberLine::CRubberLine() = default;

CRubberLine::~CRubberLine() = default;

void CRubberLine::DrawOn(CSurface& surface) const
{
    const int ax = TruncateToDevice(m_ptAnchor.GetX());
    const int ay = TruncateToDevice(m_ptAnchor.GetY());
    const int cx = TruncateToDevice(m_ptCurrent.GetX());
    const int cy = TruncateToDevice(m_ptCurrent.GetY());
    surface.SetROP2(R2_NOT);
    surface.MoveTo(ax, ay);
    surface.LineTo(cx, cy);
    surface.Ellipse(cx - kMarkerRadius, cy - kMarkerRadius, cx + kMarkerRadius, cy + kMarkerRadius);
    surface.SetROP2(R2_COPYPEN);
}
