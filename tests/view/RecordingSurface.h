// A drawing surface for the tests: logs each call as one line of text, with the mapping mode, pen and
// brush where they are not the defaults, and gathers the polylines drawn.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "view/Surface.h"

inline void PrintTo(const SPoint& pt, std::ostream* pStream)
{
    *pStream << "(" << pt.x << ", " << pt.y << ")";
}

// A call as the surface logs it: "name x,y x,y ...".
inline std::string Call(const char* pszName, const std::vector<SPoint>& points)
{
    std::string str = pszName;
    for (const SPoint& pt : points)
        str += " " + std::to_string(pt.x) + "," + std::to_string(pt.y);
    return str;
}

// At 254 dots per inch a pixel is a tenth of a millimetre: the metric mode only negates y.
class CRecordingSurface : public CSurface
{
public:
    void MoveTo(int x, int y) override { Line("MoveTo", x, y); }
    void LineTo(int x, int y) override { Line("LineTo", x, y); }
    void Polygon(const SPoint* p, int n) override { Log(Call("Polygon", {p, p + n})); }
    void Ellipse(int l, int t, int r, int b) override { Log(Call("Ellipse", {{l, t}, {r, b}})); }
    void TextOut(int x, int y, const std::string& s) override { Log(Call("TextOut", {{x, y}}) + " " + s); }
    CPen SelectObject(const CPen& pen) override { return std::exchange(m_pen, pen); }
    CBrush SelectObject(const CBrush& brush) override { return std::exchange(m_brush, brush); }
    CFont SelectObject(const CFont& font) override
    {
        Log("Font " + font.m_strFace + " " + std::to_string(font.m_nHeight));
        return std::exchange(m_font, font);
    }
    int SetROP2(int nDrawMode) override { return std::exchange(m_nDrawMode, nDrawMode); }
    int SetMapMode(int nMapMode) override { return std::exchange(m_nMapMode, nMapMode); }
    void DPtoLP(SPoint* pPoints, int nCount) override
    {
        for (int i = 0; i < nCount && m_nMapMode == MM_LOMETRIC; ++i)
            pPoints[i].y = -pPoints[i].y;
    }
    int GetDeviceCaps(int) override { return 0; }
    int GetScreenDpiY() override { return 96; }

    // Every call, a line each, as an expected file under tests/data holds them.
    std::string Text() const
    {
        std::string strText;
        for (const std::string& strCall : m_calls)
            strText += strCall + "\n";
        return strText;
    }

    std::vector<std::string> m_calls;
    // In pixels, then in the metric mode: each MoveTo starts a polyline, each LineTo extends it.
    std::vector<std::vector<SPoint>> m_lines[2];
    CPen m_pen;
    CBrush m_brush;
    CFont m_font;
    int m_nDrawMode = R2_COPYPEN;
    int m_nMapMode = MM_TEXT;

private:
    void Line(const char* pszName, int x, int y)
    {
        Log(Call(pszName, {{x, y}}));
        auto& lines = m_lines[m_nMapMode == MM_LOMETRIC];
        if (pszName[0] == 'M' || lines.empty())
            lines.emplace_back();
        lines.back().push_back({x, y});
    }
    void Log(std::string str)
    {
        str += m_nMapMode == MM_LOMETRIC ? " metric" : "";
        if (!(m_pen == CPen() && m_brush == CBrush()))
            str += " pen" + std::to_string(m_pen.m_nStyle) + " brush" + std::to_string(m_brush.m_crColour) +
                   " colour" + std::to_string(m_pen.m_crColour) + " width" + std::to_string(m_pen.m_nWidth);
        m_calls.push_back(str);
    }
};
