// The drawing surface on a QPainter.
#include "platform/QtSurface.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <utility>

namespace
{
// Tenths of a millimetre per inch.
constexpr double kLometricPerInch = 254;
// Device coordinates from logical ones are held within this bound, far outside any device.
constexpr double kDeviceBound = 1 << 29;
const QColor kInvertColour(255, 255, 255);

int RoundWithin(double d, double dBound)
{
    if (std::isnan(d))
        return 0;
    return static_cast<int>(std::lround(std::clamp(d, -dBound, dBound)));
}

// Whether every point lies on one line, which leaves the polygon no area; exact in 64 bits for
// device coordinates.
bool Collinear(const QPolygon& polygon)
{
    const QPoint ptOrigin = polygon.constFirst();
    QPoint ptDirection;
    for (const QPoint& pt : polygon)
    {
        const QPoint ptOffset = pt - ptOrigin;
        if (ptDirection.isNull())
        {
            ptDirection = ptOffset;
            continue;
        }
        if (static_cast<long long>(ptDirection.x()) * ptOffset.y() !=
            static_cast<long long>(ptDirection.y()) * ptOffset.x())
            return false;
    }
    return true;
}

QColor Colour(std::uint32_t cr)
{
    return QColor(GetRValue(cr), GetGValue(cr), GetBValue(cr));
}
} // namespace

CQtSurface::CQtSurface(QPainter& painter, int nScreenDpiY)
    : m_painter(painter), m_dDpiX(std::max(1, painter.device()->logicalDpiX())),
      m_dDpiY(std::max(1, painter.device()->logicalDpiY())), m_nScreenDpiY(nScreenDpiY)
{
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);
    m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    m_painter.setPen(MakePen(Colour(m_pen.m_crColour)));
    m_painter.setBrush(Colour(m_brush.m_crColour));
}

CQtSurface::~CQtSurface()
{
    Flush();
}

int CQtSurface::PrimaryScreenDpiY()
{
    const QScreen* pScreen = qGuiApp ? QGuiApplication::primaryScreen() : nullptr;
    return pScreen ? std::max(1, static_cast<int>(std::lround(pScreen->logicalDotsPerInchY()))) : 96;
}

QPoint CQtSurface::ToDevice(int x, int y) const
{
    if (m_nMapMode != MM_LOMETRIC)
        return QPoint(x, y);
    return QPoint(RoundWithin(x * m_dDpiX / kLometricPerInch, kDeviceBound),
                  RoundWithin(-y * m_dDpiY / kLometricPerInch, kDeviceBound));
}

QPen CQtSurface::MakePen(const QColor& colour) const
{
    if (m_pen.m_nStyle == PS_NULL)
        return QPen(Qt::NoPen);
    // A flat cap leaves the end point of a line undrawn, as LineTo promises; width 0 is Qt's
    // one-pixel cosmetic pen.
    QPen pen(colour, m_pen.m_nWidth <= 1 ? 0 : m_pen.m_nWidth, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    pen.setCosmetic(true);
    return pen;
}

QFont CQtSurface::MakeFont() const
{
    QFont font =
        m_font.m_strFace.empty() ? QGuiApplication::font() : QFont(QString::fromStdString(m_font.m_strFace));
    if (m_font.m_nHeight > 0)
    {
        const double dPixels = m_nMapMode == MM_LOMETRIC ? m_font.m_nHeight * m_dDpiY / kLometricPerInch
                                                         : static_cast<double>(m_font.m_nHeight);
        font.setPixelSize(std::clamp(RoundWithin(dPixels, 1e5), 1, 100000));
    }
    return font;
}

template <typename TPaint> void CQtSurface::DrawInverted(const QRect& rcBounds, TPaint paint)
{
    if (!m_painter.paintEngine() || m_painter.paintEngine()->type() != QPaintEngine::Raster)
        return;
    const QPaintDevice* pDevice = m_painter.device();
    const int nMargin = std::max(2, m_pen.m_nWidth + 2);
    const QRect rcBox = rcBounds.adjusted(-nMargin, -nMargin, nMargin, nMargin)
                            .intersected(QRect(0, 0, pDevice->width(), pDevice->height()));
    if (rcBox.isEmpty())
        return;
    // The figure is drawn in white on a transparent mask, which is then XORed onto the device:
    // every covered pixel is inverted exactly once, even where the outline overlaps the fill.
    QImage mask(rcBox.size(), QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    {
        QPainter maskPainter(&mask);
        maskPainter.setRenderHint(QPainter::Antialiasing, false);
        maskPainter.translate(-rcBox.topLeft());
        maskPainter.setPen(MakePen(kInvertColour));
        maskPainter.setBrush(kInvertColour);
        paint(maskPainter);
    }
    const QPainter::CompositionMode previous = m_painter.compositionMode();
    m_painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    m_painter.drawImage(rcBox.topLeft(), mask);
    m_painter.setCompositionMode(previous);
}

void CQtSurface::Flush()
{
    if (m_pending.size() >= 2 && m_pen.m_nStyle != PS_NULL)
    {
        if (m_nDrawMode == R2_NOT)
            DrawInverted(m_pending.boundingRect(),
                         [this](QPainter& painter) { painter.drawPolyline(m_pending); });
        else
            m_painter.drawPolyline(m_pending);
    }
    m_pending.clear();
}

void CQtSurface::MoveTo(int x, int y)
{
    Flush();
    m_ptCurrent = SPoint{x, y};
}

void CQtSurface::LineTo(int x, int y)
{
    const QPoint ptTo = ToDevice(x, y);
    if (m_pending.isEmpty())
        m_pending.append(ToDevice(m_ptCurrent.x, m_ptCurrent.y));
    // A segment that stays on one pixel draws nothing: the point is dropped.
    if (ptTo != m_pending.constLast())
        m_pending.append(ptTo);
    m_ptCurrent = SPoint{x, y};
}

void CQtSurface::Polygon(const SPoint* pPoints, int nCount)
{
    Flush();
    if (!pPoints || nCount < 2)
        return;
    QPolygon polygon;
    polygon.reserve(nCount);
    for (int i = 0; i < nCount; ++i)
        polygon.append(ToDevice(pPoints[i].x, pPoints[i].y));
    // A polygon without area fills no pixel; vector devices would still show it as a hairline.
    if (Collinear(polygon))
    {
        polygon.append(polygon.constFirst());
        m_pending = polygon;
        Flush();
        return;
    }
    if (m_nDrawMode == R2_NOT)
        DrawInverted(polygon.boundingRect(),
                     [&polygon](QPainter& painter) { painter.drawPolygon(polygon, Qt::OddEvenFill); });
    else
        m_painter.drawPolygon(polygon, Qt::OddEvenFill);
}

void CQtSurface::Ellipse(int nLeft, int nTop, int nRight, int nBottom)
{
    Flush();
    // The box's right and bottom edges lie just outside the figure.
    const QRect rcBox =
        QRect(ToDevice(nLeft, nTop), ToDevice(nRight, nBottom)).normalized().adjusted(0, 0, -1, -1);
    if (rcBox.isEmpty())
        return;
    if (m_nDrawMode == R2_NOT)
        DrawInverted(rcBox, [&rcBox](QPainter& painter) { painter.drawEllipse(rcBox); });
    else
        m_painter.drawEllipse(rcBox);
}

void CQtSurface::TextOut(int x, int y, const std::string& strText)
{
    Flush();
    if (strText.empty())
        return;
    const QFont font = MakeFont();
    const QFontMetrics metrics(font, m_painter.device());
    const QString text = QString::fromLatin1(strText.data(), static_cast<qsizetype>(strText.size()));
    const QPoint ptTopLeft = ToDevice(x, y);
    const QRect rcBox(ptTopLeft, QSize(metrics.horizontalAdvance(text), metrics.height()));
    const QPaintDevice* pDevice = m_painter.device();
    if (!rcBox.intersects(QRect(0, 0, pDevice->width(), pDevice->height())))
        return;
    const QPainter::CompositionMode previous = m_painter.compositionMode();
    m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    m_painter.fillRect(rcBox, Qt::white);
    m_painter.setFont(font);
    m_painter.setPen(Qt::black);
    m_painter.drawText(ptTopLeft.x(), ptTopLeft.y() + metrics.ascent(), text);
    m_painter.setPen(MakePen(Colour(m_pen.m_crColour)));
    m_painter.setCompositionMode(previous);
}

CPen CQtSurface::SelectObject(const CPen& pen)
{
    Flush();
    CPen previous = std::exchange(m_pen, pen);
    m_painter.setPen(MakePen(Colour(m_pen.m_crColour)));
    return previous;
}

CBrush CQtSurface::SelectObject(const CBrush& brush)
{
    Flush();
    CBrush previous = std::exchange(m_brush, brush);
    m_painter.setBrush(Colour(m_brush.m_crColour));
    return previous;
}

CFont CQtSurface::SelectObject(const CFont& font)
{
    return std::exchange(m_font, font);
}

int CQtSurface::SetROP2(int nDrawMode)
{
    Flush();
    return std::exchange(m_nDrawMode, nDrawMode == R2_NOT ? R2_NOT : R2_COPYPEN);
}

int CQtSurface::SetMapMode(int nMapMode)
{
    return std::exchange(m_nMapMode, nMapMode == MM_LOMETRIC ? MM_LOMETRIC : MM_TEXT);
}

void CQtSurface::DPtoLP(SPoint* pPoints, int nCount)
{
    if (m_nMapMode != MM_LOMETRIC || !pPoints)
        return;
    const double dLimit = kLogicalLimit;
    for (int i = 0; i < nCount; ++i)
    {
        pPoints[i].x = RoundWithin(pPoints[i].x * kLometricPerInch / m_dDpiX, dLimit);
        pPoints[i].y = RoundWithin(-pPoints[i].y * kLometricPerInch / m_dDpiY, dLimit);
    }
}

int CQtSurface::GetDeviceCaps(int nIndex)
{
    if (nIndex == HORZRES)
        return m_painter.device()->width();
    if (nIndex == VERTRES)
        return m_painter.device()->height();
    return 0;
}
