// The recording surface of the tests.
#include "RecordingSurface.h"

#include <algorithm>
#include <cmath>
#include <utility>

CRecordingSurface::CRecordingSurface(int nDpiX, int nDpiY, int nWidth, int nHeight, int nScreenDpiY)
    : m_nDpiX(nDpiX), m_nDpiY(nDpiY), m_nWidth(nWidth), m_nHeight(nHeight), m_nScreenDpiY(nScreenDpiY)
{
}

void CRecordingSurface::Record(const std::string& strName, std::vector<int> args, const std::string& strText)
{
    m_calls.push_back(SCall{strName, std::move(args), strText, m_nMapMode, m_nDrawMode});
}

void CRecordingSurface::MoveTo(int x, int y)
{
    Record("MoveTo", {x, y});
}

void CRecordingSurface::LineTo(int x, int y)
{
    Record("LineTo", {x, y});
}

void CRecordingSurface::Polygon(const SPoint* pPoints, int nCount)
{
    std::vector<int> args;
    for (int i = 0; i < nCount; ++i)
    {
        args.push_back(pPoints[i].x);
        args.push_back(pPoints[i].y);
    }
    Record("Polygon", args);
    m_polygonPens.push_back(m_pen);
    m_polygonBrushes.push_back(m_brush);
}

void CRecordingSurface::Ellipse(int nLeft, int nTop, int nRight, int nBottom)
{
    Record("Ellipse", {nLeft, nTop, nRight, nBottom});
}

void CRecordingSurface::TextOut(int x, int y, const std::string& strText)
{
    Record("TextOut", {x, y}, strText);
}

CPen CRecordingSurface::SelectObject(const CPen& pen)
{
    Record("SelectPen", {pen.m_nStyle, pen.m_nWidth, static_cast<int>(pen.m_crColour)});
    return std::exchange(m_pen, pen);
}

CBrush CRecordingSurface::SelectObject(const CBrush& brush)
{
    Record("SelectBrush", {static_cast<int>(brush.m_crColour)});
    return std::exchange(m_brush, brush);
}

CFont CRecordingSurface::SelectObject(const CFont& font)
{
    Record("SelectFont", {font.m_nHeight}, font.m_strFace);
    return std::exchange(m_font, font);
}

int CRecordingSurface::SetROP2(int nDrawMode)
{
    Record("SetROP2", {nDrawMode});
    return std::exchange(m_nDrawMode, nDrawMode);
}

int CRecordingSurface::SetMapMode(int nMapMode)
{
    Record("SetMapMode", {nMapMode});
    return std::exchange(m_nMapMode, nMapMode);
}

void CRecordingSurface::DPtoLP(SPoint* pPoints, int nCount)
{
    if (m_nMapMode != MM_LOMETRIC)
        return;
    const double dLimit = kLogicalLimit;
    for (int i = 0; i < nCount; ++i)
    {
        pPoints[i].x =
            static_cast<int>(std::clamp(std::round(pPoints[i].x * 254.0 / m_nDpiX), -dLimit, dLimit));
        pPoints[i].y =
            static_cast<int>(std::clamp(std::round(-pPoints[i].y * 254.0 / m_nDpiY), -dLimit, dLimit));
    }
}

int CRecordingSurface::GetDeviceCaps(int nIndex)
{
    if (nIndex == HORZRES)
        return m_nWidth;
    if (nIndex == VERTRES)
        return m_nHeight;
    return 0;
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
        std::vector<SPoint> points;
        for (size_t i = 0; i + 1 < call.args.size(); i += 2)
            points.push_back(SPoint{call.args[i], call.args[i + 1]});
        polygons.push_back(points);
    }
    return polygons;
}

std::vector<std::string> CRecordingSurface::Texts() const
{
    std::vector<std::string> texts;
    for (const SCall& call : m_calls)
    {
        if (call.strName == "TextOut")
            texts.push_back(call.strText);
    }
    return texts;
}

size_t CRecordingSurface::Count(const std::string& strName) const
{
    return static_cast<size_t>(std::count_if(m_calls.begin(), m_calls.end(),
                                             [&](const SCall& call) { return call.strName == strName; }));
}

std::vector<SCall> CRecordingSurface::DrawingCalls() const
{
    std::vector<SCall> calls;
    for (const SCall& call : m_calls)
    {
        if (call.strName == "MoveTo" || call.strName == "LineTo" || call.strName == "Polygon" ||
            call.strName == "Ellipse" || call.strName == "TextOut")
            calls.push_back(call);
    }
    return calls;
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
    if (!call.strText.empty())
        *pStream << " \"" << call.strText << "\"";
    *pStream << " [mode " << call.nMapMode << ", rop " << call.nDrawMode << "]";
}

long FirstDifference(const std::vector<SCall>& a, const std::vector<SCall>& b)
{
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i)
    {
        if (!(a[i] == b[i]))
            return static_cast<long>(i);
    }
    return a.size() == b.size() ? -1 : static_cast<long>(n);
}
