// The recording surface of the tests.
#include "RecordingSurface.h"

void CRecordingSurface::Polygon(const SPoint* pPoints, int nCount)
{
    std::vector<int> args;
    for (int i = 0; i < nCount; ++i)
        args.insert(args.end(), {pPoints[i].x, pPoints[i].y});
    Record("Polygon", args);
    m_polygonObjects.emplace_back(m_pen, m_brush);
}

void CRecordingSurface::DPtoLP(SPoint* pPoints, int nCount)
{
    for (int i = 0; i < nCount && m_nMapMode == MM_LOMETRIC; ++i)
        pPoints[i].y = -pPoints[i].y;
}

std::vector<std::vector<SPoint>> CRecordingSurface::Polylines(int nMapMode) const
{
    std::vector<std::vector<SPoint>> lines;
    for (const SCall& call : m_calls)
    {
        if (call.nMapMode != nMapMode)
            continue;
        if (call.strName == "MoveTo")
            lines.push_back({SPoint{call.args[0], call.args[1]}});
        else if (call.strName == "LineTo" && !lines.empty())
            lines.back().push_back(SPoint{call.args[0], call.args[1]});
    }
    return lines;
}

std::vector<std::vector<SPoint>> CRecordingSurface::Polygons() const
{
    std::vector<std::vector<SPoint>> polygons;
    for (const SCall& call : m_calls)
    {
        if (call.strName != "Polygon")
            continue;
        polygons.emplace_back();
        for (size_t i = 0; i + 1 < call.args.size(); i += 2)
            polygons.back().push_back(SPoint{call.args[i], call.args[i + 1]});
    }
    return polygons;
}

void PrintTo(const SPoint& pt, std::ostream* pStream)
{
    *pStream << "(" << pt.x << ", " << pt.y << ")";
}

void PrintTo(const SCall& call, std::ostream* pStream)
{
    *pStream << call.strName;
    for (int n : call.args)
        *pStream << " " << n;
    *pStream << " \"" << call.strText << "\" [mode " << call.nMapMode << ", rop " << call.nDrawMode << "]";
}
