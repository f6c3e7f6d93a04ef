// A drawing surface for the tests: records each drawing call with its arguments and the mapping mode
// and raster operation in force, so that tests can assert exact figures.
#pragma once

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "view/Surface.h"

struct SCall
{
    std::string strName;
    std::vector<int> args;
    std::string strText;
    int nMapMode = MM_TEXT;
    int nDrawMode = R2_COPYPEN;

    bool operator==(const SCall& other) const
    {
        return strName == other.strName && args == other.args && strText == other.strText &&
               nMapMode == other.nMapMode && nDrawMode == other.nDrawMode;
    }
};

// The device has 254 dots per inch, so a pixel is a tenth of a millimetre and a logical unit of the
// metric mode is the pixel with y negated; fonts are measured on a screen of 96.
class CRecordingSurface : public CSurface
{
public:
    void MoveTo(int x, int y) override { Record("MoveTo", {x, y}); }
    void LineTo(int x, int y) override { Record("LineTo", {x, y}); }
    void Polygon(const SPoint* pPoints, int nCount) override;
    void Ellipse(int nLeft, int nTop, int nRight, int nBottom) override
    {
        Record("Ellipse", {nLeft, nTop, nRight, nBottom});
    }
    void TextOut(int x, int y, const std::string& strText) override { Record("TextOut", {x, y}, strText); }
    CPen SelectObject(const CPen& pen) override { return std::exchange(m_pen, pen); }
    CBrush SelectObject(const CBrush& brush) override { return std::exchange(m_brush, brush); }
    CFont SelectObject(const CFont& font) override
    {
        Record("SelectFont", {font.m_nHeight}, font.m_strFace);
        return std::exchange(m_font, font);
    }
    int SetROP2(int nDrawMode) override { return std::exchange(m_nDrawMode, nDrawMode); }
    int SetMapMode(int nMapMode) override { return std::exchange(m_nMapMode, nMapMode); }
    void DPtoLP(SPoint* pPoints, int nCount) override;
    int GetDeviceCaps(int nIndex) override { return nIndex == HORZRES ? 800 : nIndex == VERTRES ? 600 : 0; }
    int GetScreenDpiY() override { return 96; }

    // The lines drawn in one mapping mode: each MoveTo starts a polyline, each LineTo extends it.
    std::vector<std::vector<SPoint>> Polylines(int nMapMode = MM_TEXT) const;
    std::vector<std::vector<SPoint>> Polygons() const;

    std::vector<SCall> m_calls;
    // The pen and brush in force at each Polygon call.
    std::vector<std::pair<CPen, CBrush>> m_polygonObjects;
    CPen m_pen;
    CBrush m_brush;
    CFont m_font;
    int m_nDrawMode = R2_COPYPEN;
    int m_nMapMode = MM_TEXT;

private:
    void Record(const char* pszName, std::vector<int> args, const std::string& strText = std::string())
    {
        m_calls.push_back(SCall{pszName, std::move(args), strText, m_nMapMode, m_nDrawMode});
    }
};

void PrintTo(const SPoint& pt, std::ostream* pStream);
void PrintTo(const SCall& call, std::ostream* pStream);
