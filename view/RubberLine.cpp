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
    int ax, ay, cx, cy;
    DevicePoints(ax, ay, cx, cy);
    surface.SetROP2(R2_NOT);
    surface.MoveTo(ax, ay);
    surface.LineTo(cx, cy);
    surface.Ellipse(cx - kMarkerRadius, cy - kMarkerRadius, cx + kMarkerRadius, cy + kMarkerRadius);
    surface.SetROP2(R2_COPYPEN);
}
