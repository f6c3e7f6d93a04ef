// A drawing surface for the tests that records every call with its arguments and keeps the state
// a real surface keeps (objects, raster operation, mapping mode), so tests can assert exact figures.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "view/Surface.h"

struct SCall
{
    std::string strName;
    std::vector<int> args;
    std::string strText;
    // The mapping mode and raster operation in force when the call was made.
    int nMapMode = MM_TEXT;
    int nDrawMode = R2_COPYPEN;

    bool operator==(const SCall& other) const
    {
        return strName == other.strName && args == other.args && strText == other.strText &&
               nMapMode == other.nMapMode && nDrawMode == other.nDrawMode;
    }
};

class CRecordingSurface : public CSurface
{
public:
    // A device of nWidth x nHeight pixels at nDpiX x nDpiY; at 254 dots per inch one pixel is
    // one tenth of a millimetre, which keeps the metric arithmetic of the tests plain.
    explicit CRecordingSurface(int nDpiX = 254, int nDpiY = 254, int nWidth = 800, int nHeight = 600,
                               int nScreenDpiY = 96);

    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Polygon(const SPoint* pPoints, int nCount) override;
    void Ellipse(int nLeft, int nTop, int nRight, int nBottom) override;
    void TextOut(int x, int y, const std::string& strText) override;
    CPen SelectObject(const CPen& pen) override;
    CBrush SelectObject(const CBrush& brush) override;
    CFont SelectObject(const CFont& font) override;
    int SetROP2(int nDrawMode) override;
    int SetMapMode(int nMapMode) override;
    void DPtoLP(SPoint* pPoints, int nCount) override;
    int GetDeviceCaps(int nIndex) override;
    int GetScreenDpiY() override { return m_nScreenDpiY; }

    // The figures drawn in one mapping mode: each MoveTo starts a polyline, each LineTo extends it.
    std::vector<std::vector<SPoint>> Polylines(int nMapMode = MM_TEXT) const;
    std::vector<std::vector<SPoint>> Polygons() const;
    std::vector<std::string> Texts() const;
    size_t Count(const std::string& strName) const;
    // The calls that draw something, leaving out those that only change state.
    std::vector<SCall> DrawingCalls() const;

    std::vector<SCall> m_calls;
    CPen m_pen;
    CBrush m_brush;
    CFont m_font;
    int m_nDrawMode = R2_COPYPEN;
    int m_nMapMode = MM_TEXT;
    // The pen and brush in force at each Polygon call.
    std::vector<CPen> m_polygonPens;
    std::vector<CBrush> m_polygonBrushes;

private:
    void Record(const std::string& strName, std::vector<int> args,
                const std::string& strText = std::string());

    int m_nDpiX;
    int m_nDpiY;
    int m_nWidth;
    int m_nHeight;
    int m_nScreenDpiY;
};

void PrintTo(const SPoint& pt, std::ostream* pStream);
void PrintTo(const SCall& call, std::ostream* pStream);
// The index of the first call where the two lists differ, or -1 when they are equal: a test reports
// that call rather than two long lists.
long FirstDifference(const std::vector<SCall>& a, const std::vector<SCall>& b);
