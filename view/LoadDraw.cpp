// The outline of one load in the graph: its trapezoid standing on the axis.
#include "model/Load.h"
#include "view/Vector3.h"
#include "view/Viewport.h"

void CLoad::DrawOutline(CViewport& viewport)
{
    Normalize();
    CVector3 pt(m_dX1, 0);
    viewport.MoveToWorld(pt);
    pt.Set(m_dX1, m_dY1);
    viewport.LineToWorld(pt);
    pt.Set(m_dX2, m_dY2);
    viewport.LineToWorld(pt);
    pt.Set(m_dX2, 0);
    viewport.LineToWorld(pt);
    pt.Set(m_dX1, 0);
    viewport.LineToWorld(pt);
}
