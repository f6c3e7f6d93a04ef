// The drawing surface on a QPainter: pixels of lines, the metric mode at a device's resolution,
// inversion that undoes itself, text on its white box, filled polygons.
#include <QBuffer>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <functional>
#include <gtest/gtest.h>
#include <random>

#include "platform/QtSurface.h"
#include "view/RubberLine.h"

namespace
{
constexpr QRgb kWhite = 0xffffffff;
constexpr QRgb kBlack = 0xff000000;

// An image of nDpi dots per inch filled with rgbBackground. The surface sets the lines of images in
// 32-bit formats itself, and leaves those of others to Qt.
QImage Blank(int nWidth, int nHeight, int nDpi = 96, QRgb rgbBackground = kWhite,
             QImage::Format format = QImage::Format_RGB32)
{
    QImage image(nWidth, nHeight, format);
    image.setDotsPerMeterX(qRound(nDpi / 0.0254));
    image.setDotsPerMeterY(qRound(nDpi / 0.0254));
    image.fill(rgbBackground);
    return image;
}

QImage Draw(QImage image, const std::function<void(CQtSurface&)>& draw)
{
    {
        QPainter painter(&image);
        CQtSurface surface(painter, 96);
        draw(surface);
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

// Pixels drawn in a with no drawn pixel at or next to them in b.
int CountFarApart(const QImage& a, const QImage& b)
{
    const auto drawnNear = [&b](int x, int y) {
        for (int i = 0; i < 9; ++i)
        {
            if (b.valid(x + i % 3 - 1, y + i / 3 - 1) && b.pixel(x + i % 3 - 1, y + i / 3 - 1) != kWhite)
                return true;
        }
        return false;
    };
    int nCount = 0;
    for (int y = 0; y < a.height(); ++y)
    {
        for (int x = 0; x < a.width(); ++x)
            nCount += a.pixel(x, y) != kWhite && !drawnNear(x, y);
    }
    return nCount;
}
} // namespace

TEST(QtSurface, LinesLeaveOutTheirEndPoint)
{
    const QImage image = Draw(Blank(40, 40), [](CQtSurface& surface) {
        surface.MoveTo(5, 5);
        surface.LineTo(15, 5);
        surface.LineTo(15, 15);
        surface.MoveTo(30, 30);
        surface.LineTo(10, 20);
        surface.LineTo(10, 35);
        // A line that stays on its pixel draws nothing.
        surface.MoveTo(35, 2);
        surface.LineTo(35, 2);
    });
    for (int x = 5; x <= 15; ++x)
        EXPECT_EQ(image.pixel(x, 5), kBlack) << x;
    for (int y = 6; y < 15; ++y)
        EXPECT_EQ(image.pixel(15, y), kBlack) << y;
    // Every line starts on the last one's end, which it does not draw itself.
    for (const QPoint pt : {QPoint(30, 30), QPoint(20, 25), QPoint(10, 20), QPoint(10, 34)})
        EXPECT_EQ(image.pixel(pt), kBlack) << pt.x() << ", " << pt.y();
    for (const QPoint pt : {QPoint(15, 15), QPoint(4, 5), QPoint(10, 35), QPoint(35, 2)})
        EXPECT_EQ(image.pixel(pt), kWhite) << pt.x() << ", " << pt.y();
}

TEST(QtSurface, GatheredLinesDrawWhatEachLineDraws)
{
    // A curve that doubles back and lingers on pixels, as a dense outline does, partly outside.
    std::mt19937 random(11);
    std::uniform_int_distribution<int> step(-3, 3);
    std::vector<SPoint> points{SPoint{100, 100}};
    for (int i = 0; i < 3000; ++i)
        points.push_back(SPoint{points.back().x + step(random), points.back().y + step(random)});
    points.push_back(SPoint{-500, 80});
    points.push_back(SPoint{150, 90});
    const auto curve = [&points](bool bOneByOne) {
        return [&points, bOneByOne](CQtSurface& surface) {
            surface.MoveTo(points[0].x, points[0].y);
            for (const SPoint& pt : points)
            {
                surface.LineTo(pt.x, pt.y);
                if (bOneByOne)
                    surface.Flush();
            }
        };
    };
    // Gathered, one line at a time, and by Qt.
    const QImage gathered = Draw(Blank(200, 200), curve(false));
    const QImage byQt = Draw(Blank(200, 200, 96, kWhite, QImage::Format_RGB888), curve(false));
    EXPECT_TRUE(gathered == Draw(Blank(200, 200), curve(true)));
    EXPECT_FALSE(gathered == Blank(200, 200));
    // Qt rounds some steps the other way: the same curve, within a pixel.
    EXPECT_EQ(CountFarApart(gathered, byQt), 0);
    EXPECT_EQ(CountFarApart(byQt, gathered), 0);
}

TEST(QtSurface, MetricModeFollowsTheDeviceResolution)
{
    // At 254 dots per inch a pixel is a tenth of a millimetre, y upward from the top edge; at 96 an
    // inch of pixels is 254 tenths, and smaller steps are rounded.
    const auto metric = [](int nDpi, SPoint pt) {
        Draw(Blank(10, 10, nDpi), [&pt](CQtSurface& surface) {
            EXPECT_EQ(surface.SetMapMode(MM_LOMETRIC), MM_TEXT);
            surface.DPtoLP(&pt, 1);
            EXPECT_EQ(surface.SetMapMode(MM_TEXT), MM_LOMETRIC);
        });
        return pt;
    };
    EXPECT_EQ(metric(254, SPoint{40, 60}), (SPoint{40, -60}));
    EXPECT_EQ(metric(96, SPoint{96, 96}), (SPoint{254, -254}));
    EXPECT_EQ(metric(96, SPoint{-1, 47}), (SPoint{-3, -124}));
}

TEST(QtSurface, InversionDrawnTwiceRestoresThePixels)
{
    // A busy picture, so that inversion has something to undo.
    QImage before(120, 90, QImage::Format_RGB32);
    std::mt19937 random(5);
    for (int y = 0; y < before.height(); ++y)
    {
        for (int x = 0; x < before.width(); ++x)
            before.setPixel(x, y, 0xff000000 | (random() & 0xffffff));
    }
    CRubberBand band;
    band.Begin(10, 10);
    band.m_ptCurrent.Set(100, 70);
    CRubberLine marker;
    marker.Begin(20, 80);
    marker.m_ptCurrent.Set(60, 40);
    const SPoint triangle[3] = {{5, 85}, {115, 85}, {60, 50}};
    QImage image = before;
    QPainter painter(&image);
    CQtSurface surface(painter, 96);
    const auto draw = [&] {
        band.DrawOn(surface);
        marker.DrawOn(surface);
        surface.SetROP2(R2_NOT);
        surface.Polygon(triangle, 3);
        surface.SetROP2(R2_COPYPEN);
        surface.Flush();
    };
    draw();
    // The box's edges and corners, the marker's circle and the triangle inside and out are inverted
    // once; what lies between them is not.
    for (const QPoint pt :
         {QPoint(10, 10), QPoint(55, 10), QPoint(100, 70), QPoint(10, 40), QPoint(60, 40), QPoint(60, 80)})
        EXPECT_EQ(image.pixel(pt), before.pixel(pt) ^ 0x00ffffff) << pt.x() << ", " << pt.y();
    EXPECT_EQ(image.pixel(55, 30), before.pixel(55, 30));
    draw();
    EXPECT_TRUE(image == before);
}

TEST(QtSurface, TextIsBlackOnAnOpaqueWhiteBox)
{
    // The label font is "Arial", which fontconfig gives as a face of the same metrics.
    const QString strFamily = QFontInfo(QFont("Arial")).family();
    EXPECT_TRUE(strFamily == "Arial" || strFamily == "Liberation Sans") << strFamily.toStdString();
    const QRgb kGrey = 0xff808080;
    const QImage image = Draw(Blank(200, 100, 96, kGrey), [](CQtSurface& surface) {
        EXPECT_EQ(surface.SelectObject(CFont::CreatePointFont(180, "Arial", surface.GetScreenDpiY())),
                  CFont());
        surface.SetMapMode(MM_LOMETRIC);
        // The top-left corner at (10 mm, -10 mm): pixel (38, 38) at 96 dots per inch.
        surface.TextOut(100, -100, "12.5");
    });
    // Black on white: every pixel is a shade of grey, none coloured.
    QRect rcBox;
    int nInk = 0;
    int nColoured = 0;
    for (int y = 0; y < image.height(); ++y)
    {
        for (int x = 0; x < image.width(); ++x)
        {
            const QRgb rgb = image.pixel(x, y);
            rcBox |= rgb == kGrey ? QRect() : QRect(x, y, 1, 1);
            nColoured += qRed(rgb) != qGreen(rgb) || qGreen(rgb) != qBlue(rgb);
            nInk += qRed(rgb) < 100;
        }
    }
    EXPECT_EQ(rcBox.topLeft(), QPoint(38, 38));
    EXPECT_EQ(nColoured, 0);
    EXPECT_GT(nInk, 10);
    // 2.4 mm at 96 dots per inch is 9 pixels of character height; the box adds the leading.
    EXPECT_TRUE(rcBox.height() >= 9 && rcBox.height() <= 14) << rcBox.height();
}

TEST(QtSurface, PolygonFillsWithTheBrush)
{
    const SPoint square[5] = {{10, 10}, {40, 10}, {40, 40}, {10, 40}, {10, 10}};
    const SPoint flat[5] = {{45, 5}, {45, 5}, {45, 50}, {45, 50}, {45, 5}};
    const auto fill = [&](CQtSurface& surface) {
        EXPECT_EQ(surface.SelectObject(CBrush::CreateSolidBrush(RGB(0, 200, 0))), CBrush());
        EXPECT_EQ(surface.SelectObject(CPen(PS_NULL, 0, 0)), CPen());
        surface.Polygon(square, 5);
        surface.Polygon(flat, 5);
    };
    const QImage image = Draw(Blank(60, 60), fill);
    EXPECT_EQ(image.pixel(25, 25), qRgb(0, 200, 0));
    EXPECT_EQ(image.pixel(10, 10), qRgb(0, 200, 0));
    EXPECT_EQ(image.pixel(9, 25), kWhite);
    // A strip of no width paints no pixel, and a vector device, which would show it as a hairline,
    // does not get it: the square is the only figure.
    QBuffer buffer;
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    QPainter painter(&generator);
    {
        CQtSurface surface(painter, 96);
        fill(surface);
    }
    painter.end();
    EXPECT_EQ(buffer.data().count("<path"), 1);
}
