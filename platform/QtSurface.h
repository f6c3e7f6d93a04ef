// The drawing surface on a QPainter: a QImage back buffer, a printer, a PDF writer or an SVG
// generator. MM_LOMETRIC follows the device's resolution, so sizes in tenths of a millimetre come
// out the same on screen and paper.
#pragma once

#include <QPainter>
#include <QPoint>
#include <vector>

#include "view/Surface.h"

class CQtSurface : public CSurface
{
public:
    // The painter is active on its device and stays so while the surface lives. Fonts are measured
    // on a screen of nScreenDpiY pixels per inch vertically.
    CQtSurface(QPainter& painter, int nScreenDpiY);
    // Draws what is still gathered.
    ~CQtSurface() override;

    // Consecutive LineTo calls are gathered into one polyline, which is drawn at the next call of
    // any other kind or here; call it before reading the device's pixels.
    void Flush();

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
    bool RedrawsLinesAlike() override;

    // The vertical pixels per inch of the application's primary screen; 96 without one.
    static int PrimaryScreenDpiY();

private:
    CQtSurface(const CQtSurface&) = delete;
    CQtSurface& operator=(const CQtSurface&) = delete;

    QPoint ToDevice(int x, int y) const;
    QPen MakePen(const QColor& colour) const;
    QFont MakeFont() const;
    // Draws a figure by inverting every pixel it covers, each once. Only a raster device has pixels
    // to invert: elsewhere (paper, PDF, SVG) the figure is left out.
    template <typename TPaint> void DrawInverted(const QRect& rcBounds, TPaint paint);
    // The image under the painter when plain lines may be set into its pixels directly; none
    // when Qt must draw them (another device, a transform or a clip, a wide pen).
    QImage* DirectImage() const;
    void DrawSegmentsDirect(QImage& image);

    QPainter& m_painter;
    double m_dDpiX;
    double m_dDpiY;
    int m_nScreenDpiY;
    int m_nMapMode = MM_TEXT;
    int m_nDrawMode = R2_COPYPEN;
    CPen m_pen;
    CBrush m_brush;
    CFont m_font;
    // The current position in logical units, and the gathered polyline in device pixels.
    SPoint m_ptCurrent;
    std::vector<QPoint> m_pending;
};
