// The graph's drawing pass as first written out, one model evaluation per ordinate.
#include "bench/view/LiteralGraph.h"

#include "model/LoadList.h"
#include "view/Vector3.h"
#include "view/Viewport.h"

namespace
{
constexpr double kEps = 1e-6;

void ComputePlotBounds(CLoadList& list, CViewport& viewport)
{
    list.RebuildAbscissae();
    const double xMin = list.m_abscissae.Min();
    const double xMax = list.m_abscissae.Max();
    double yMax = 0;
    list.m_abscissae.First();
    for (int j = 0; j < list.m_abscissae.m_nCount; ++j)
    {
        const double x = list.m_abscissae.m_pCurrent->m_dX;
        const double dLeft = list.ValueAt(x - kEps);
        if (dLeft > yMax)
            yMax = dLeft;
        const double dRight = list.ValueAt(x + kEps);
        if (dRight > yMax)
            yMax = dRight;
        list.m_abscissae.Next();
    }
    const double m = 0.1 * (xMax - xMin);
    viewport.m_window.Set(xMin - 0.5 * m, -0.1 * yMax, xMax + m, yMax + 0.1 * yMax);
}

// The outline of the first n loads; n = the count gives the resultant.
void DrawOutline(CLoadList& list, CViewport& viewport, int n, bool bResultant)
{
    CVector3 pt(list.m_abscissae.Min(), 0);
    viewport.MoveToWorld(pt);
    list.m_abscissae.First();
    for (int j = 0; j < list.m_abscissae.m_nCount; ++j)
    {
        const double x = list.m_abscissae.m_pCurrent->m_dX;
        pt.Set(x, bResultant ? list.ValueAt(x - kEps) : list.PartialSumAt(n, x - kEps));
        viewport.LineToWorld(pt);
        pt.Set(x, bResultant ? list.ValueAt(x + kEps) : list.PartialSumAt(n, x + kEps));
        viewport.LineToWorld(pt);
        list.m_abscissae.Next();
    }
    pt.Set(list.m_abscissae.Max(), 0);
    viewport.LineToWorld(pt);
    pt.Set(list.m_abscissae.Min(), 0);
    viewport.LineToWorld(pt);
}
} // namespace

void CSegmentQtSurface::LineTo(int x, int y)
{
    CQtSurface::LineTo(x, y);
    Flush();
}

void DrawLiteralPass(CLoadList& list, CViewport& viewport, CSurface& surface, int nMode)
{
    viewport.SetSurface(&surface);
    if (list.m_nCount == 0)
        return;
    list.RebuildAbscissae();
    ComputePlotBounds(list, viewport);
    if (nMode == 0)
        DrawOutline(list, viewport, list.m_nCount, true);
    else
    {
        for (int i = 1; i <= list.m_nCount; ++i)
            DrawOutline(list, viewport, i, false);
    }
    list.DrawAxes(viewport, list.MaxOrdinate());
}
