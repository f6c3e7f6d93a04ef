// The resultant outline and the detailed stacked drawing as DXF.
#include "document/DetailedDrawing.h"
#include "document/DxfBuffer.h"
#include "document/DxfFile.h"
#include "model/LoadList.h"
#include "model/ResultantLimits.h"
#include "view/Vector3.h"

void CLoadList::ExportResultantDxf(CDxfFile& file)
{
    // Loads edited since the last redraw would otherwise be drawn over stale abscissae.
    RebuildAbscissae();
    file.WriteHeader();
    const CResultantLimits limits(*this);
    const std::vector<double>& xs = limits.m_xs;
    if (xs.empty())
    {
        file.WriteFooter();
        return;
    }

    // At every abscissa the jump, then the sloping top back from the next abscissa.
    CVector3 a(xs[0], limits.m_lefts[0]);
    CVector3 b;
    CDxfBuffer entities(file);
    for (size_t i = 0; i + 1 < xs.size(); ++i)
    {
        a.Set(xs[i], limits.m_lefts[i]);
        b.Set(xs[i], limits.m_rights[i]);
        entities.Line(a, b);
        a.Set(xs[i + 1], limits.m_lefts[i + 1]);
        entities.Line(a, b);
    }
    // The drop at the last abscissa.
    b.Set(xs.back(), limits.m_rights.back());
    entities.Line(a, b);
    entities.Flush();
    file.WriteFooter();
}

void CLoadList::ExportDetailedDxf(CDxfFile& file)
{
    // As for the outline, the bands follow the loads as they now stand.
    RebuildAbscissae();
    CDetailedDrawing drawing(*this);
    drawing.WriteTo(file);
}
