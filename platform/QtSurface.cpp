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
#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#endif

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

#if defined(__x86_64__) && defined(__GNUC__)
__attribute__((target("avx"))) void ZeroUpperHalves()
{
    _mm256_zeroupper();
}
#endif

// Qt's raster fills run wide vector code and return with the upper halves of the vector registers
// in use, which makes every plain SSE instruction after them several times slower on some
// processors, the whole weight model's arithmetic among them. Clearing the halves after each call
// into Qt's drawing restores the speed.
void ClearUpperVectorState()
{
#if defined(__x86_64__) && defined(__GNUC__)
    static const bool bAvx = __builtin_cpu_supports("avx");
    if (bAvx)
        ZeroUpperHalves();
#endif
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
    // The caller has most likely just cleared the device.
    ClearUpperVectorState();
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
    ClearUpperVectorState();
}

QImage* CQtSurface::DirectImage() const
{
    QPaintDevice* pDevice = m_painter.device();
    if (!pDevice || pDevice->devType() != QInternal::Image || m_pen.m_nWidth > 1 || m_painter.hasClipping() ||
        m_painter.worldTransform().type() != QTransform::TxNone)
        return nullptr;
    // Qt never shares an image while it is painted (a copy taken then is a deep one), so these are
    // the very pixels the painter draws on.
    auto* pImage = static_cast<QImage*>(pDevice);
    const QImage::Format format = pImage->format();
    const bool bDirect = format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
                         format == QImage::Format_ARGB32_Premultiplied;
    return bDirect ? pImage : nullptr;
}

bool CQtSurface::RedrawsLinesAlike()
{
    // The lines set directly in the image's pixels: the same segment always sets the same pixels.
    return m_nDrawMode == R2_COPYPEN && m_pen.m_nStyle != PS_NULL && DirectImage() != nullptr;
}

void CQtSurface::DrawSegmentsDirect(QImage& image)
{
    // A dense outline is a million segments of a pixel or two, on which Qt's stroker spends most
    // of its time setting up: within the image they are set here, each from its first pixel up to
    // but not including its last, as LineTo draws. Segments that leave the image go to Qt.
    const QRgb rgb =
        qRgb(GetRValue(m_pen.m_crColour), GetGValue(m_pen.m_crColour), GetBValue(m_pen.m_crColour));
    const auto inside = [nWidth = image.width(), nHeight = image.height()](const QPoint& pt) {
        return pt.x() >= 0 && pt.x() < nWidth && pt.y() >= 0 && pt.y() < nHeight;
    };
    uchar* pBits = image.bits();
    const qsizetype nStride = image.bytesPerLine();
    for (size_t i = 1; i < m_pending.size(); ++i)
    {
        QPoint pt = m_pending[i - 1];
        const QPoint ptEnd = m_pending[i];
        if (!inside(pt) || !inside(ptEnd))
        {
            m_painter.drawLine(pt, ptEnd);
            continue;
        }
        // Bresenham's walk; within the image its error term stays small.
        const int dx = std::abs(ptEnd.x() - pt.x());
        const int dy = -std::abs(ptEnd.y() - pt.y());
        const int sx = pt.x() < ptEnd.x() ? 1 : -1;
        const int sy = pt.y() < ptEnd.y() ? 1 : -1;
        int nError = dx + dy;
        while (pt != ptEnd)
        {
            reinterpret_cast<QRgb*>(pBits + pt.y() * nStride)[pt.x()] = rgb;
            const int nTwice = 2 * nError;
            if (nTwice >= dy)
            {
                nError += dy;
                pt.rx() += sx;
            }
            if (nTwice <= dx)
            {
                nError += dx;
                pt.ry() += sy;
            }
        }
    }
}

void CQtSurface::Flush()
{
    if (m_pending.size() >= 2 && m_pen.m_nStyle != PS_NULL)
    {
        if (m_nDrawMode == R2_NOT)
        {
            const QPolygon polyline(m_pending.begin(), m_pending.end());
            DrawInverted(polyline.boundingRect(),
                         [&polyline](QPainter& painter) { painter.drawPolyline(polyline); });
        }
        else if (QImage* pImage = DirectImage())
            DrawSegmentsDirect(*pImage);
        else
            m_painter.drawPolyline(m_pending.data(), static_cast<int>(m_pending.size()));
        ClearUpperVectorState();
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
    if (m_pending.empty())
        m_pending.push_back(ToDevice(m_ptCurrent.x, m_ptCurrent.y));
    // A segment that stays on one pixel draws nothing: the point is dropped.
    if (ptTo == m_pending.back())
    {
        m_ptCurrent = SPoint{x, y};
        return;
    }
    // A segment that goes on straight along a row or a column lengthens the one before it.
    if (m_pending.size() >= 2)
    {
        const QPoint ptA = m_pending[m_pending.size() - 2];
        const QPoint ptB = m_pending.back();
        const bool bColumn =
            ptA.x() == ptB.x() && ptB.x() == ptTo.x() && (ptA.y() < ptB.y()) == (ptB.y() < ptTo.y());
        const bool bRow =
            ptA.y() == ptB.y() && ptB.y() == ptTo.y() && (ptA.x() < ptB.x()) == (ptB.x() < ptTo.x());
        if (bColumn || bRow)
            m_pending.back() = ptTo;
        else
            m_pending.push_back(ptTo);
    }
    else
        m_pending.push_back(ptTo);
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
        // Its outline is still drawn, as lines are.
        m_pending.assign(polygon.begin(), polygon.end());
        m_pending.push_back(polygon.constFirst());
        Flush();
        return;
    }
    if (m_nDrawMode == R2_NOT)
        DrawInverted(polygon.boundingRect(),
                     [&polygon](QPainter& painter) { painter.drawPolygon(polygon, Qt::OddEvenFill); });
    else
        m_painter.drawPolygon(polygon, Qt::OddEvenFill);
    ClearUpperVectorState();
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
    ClearUpperVectorState();
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
    ClearUpperVectorState();
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
