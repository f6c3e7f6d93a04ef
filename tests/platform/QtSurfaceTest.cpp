// The drawing surface on a QPainter: pixels of lines, the metric mode at a device's resolution,
// inversion that undoes itself, text on its white box, filled polygons.
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <random>

#include "platform/QtSurface.h"
#include "view/RubberLine.h"

namespace
{
constexpr QRgb kWhite = 0xffffffff;
constexpr QRgb kBlack = 0xff000000;

QImage WhiteImage(int nWidth, int nHeight, double dDpi = 96)
{
    QImage image(nWidth, nHeight, QImage::Format_RGB32);
    image.setDotsPerMeterX(static_cast<int>(dDpi / 0.0254 + 0.5));
    image.setDotsPerMeterY(static_cast<int>(dDpi / 0.0254 + 0.5));
    image.fill(kWhite);
    return image;
}

// A busy picture, so that inversion has something to undo.
QImage PatternImage(int nWidth, int nHeight)
{
    QImage image = WhiteImage(nWidth, nHeight);
    std::mt19937 random(5);
    for (int y = 0; y < nHeight; ++y)
    {
        for (int x = 0; x < nWidth; ++x)
            image.setPixel(x, y, 0xff000000 | (random() & 0xffffff));
    }
    return image;
}

int CountDifferent(const QImage& a, const QImage& b)
{
    int nCount = 0;
    for (int y = 0; y < a.height(); ++y)
    {
        for (int x = 0; x < a.width(); ++x)
            nCount += a.pixel(x, y) != b.pixel(x, y);
    }
    return nCount;
}

// Pixels drawn in a with no drawn pixel at or next to them in b.
int CountFarApart(const QImage& a, const QImage& b)
{
    int nCount = 0;
    for (int y = 0; y < a.height(); ++y)
    {
        for (int x = 0; x < a.width(); ++x)
        {
            if (a.pixel(x, y) == kWhite)
                continue;
            bool bNear = false;
            for (int v = std::max(0, y - 1); v <= std::min(b.height() - 1, y + 1); ++v)
            {
                for (int u = std::max(0, x - 1); u <= std::min(b.width() - 1, x + 1); ++u)
                    bNear = bNear || b.pixel(u, v) != kWhite;
            }
            nCount += !bNear;
        }
    }
    return nCount;
}

QRgb Inverted(QRgb rgb)
{
    return rgb ^ 0x00ffffff;
}
} // namespace

TEST(QtSurface, LinesLeaveOutTheirEndPoint)
{
    QImage image = WhiteImage(40, 40);
    {
        QPainter painter(&image);
        CQtSurface surface(painter, 96);
        surface.MoveTo(5, 5);
        surface.LineTo(15, 5);
        surface.LineTo(15, 15);
        // A line that stays on its pixel draws nothing.
        surface.MoveTo(30, 30);
        surface.LineTo(30, 30);
    }
    for (int x = 5; x <= 15; ++x)
        EXPECT_EQ(image.pixel(x, 5), kBlack) << x;
    for (int y = 6; y < 15; ++y)
        EXPECT_EQ(image.pixel(15, y), kBlack) << y;
    EXPECT_EQ(image.pixel(15, 15), kWhite);
    EXPECT_EQ(image.pixel(4, 5), kWhite);
    EXPECT_EQ(image.pixel(30, 30), kWhite);
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

    // Drawn into an image, one line at a time, and through a clip, which leaves the lines to Qt.
    QImage gathered = WhiteImage(200, 200);
    QImage single = WhiteImage(200, 200);
    QImage clipped = WhiteImage(200, 200);
    const auto draw = [&](QImage& image, bool bOneByOne) {
        QPainter painter(&image);
        if (&image == &clipped)
            painter.setClipRect(image.rect());
        CQtSurface surface(painter, 96);
        surface.MoveTo(points[0].x, points[0].y);
        for (const SPoint& pt : points)
        {
            surface.LineTo(pt.x, pt.y);
            if (bOneByOne)
                surface.Flush();
        }
    };
    draw(gathered, false);
    draw(single, true);
    draw(clipped, false);
    EXPECT_EQ(CountDifferent(gathered, single), 0);
    EXPECT_GT(CountDifferent(gathered, WhiteImage(200, 200)), 1000);
    // Qt's own lines differ from ours at a few joins at most.
    // Qt rounds some steps the other way: the same curve, within a pixel.
    EXPECT_EQ(CountFarApart(gathered, clipped), 0);
    EXPECT_EQ(CountFarApart(clipped, gathered), 0);

    // Every line starts on the last one's end, which it does not draw itself.
    QImage corner = WhiteImage(40, 40);
    {
        QPainter painter(&corner);
        CQtSurface surface(painter, 96);
        surface.MoveTo(30, 30);
        surface.LineTo(10, 20);
        surface.LineTo(10, 5);
    }
    EXPECT_EQ(corner.pixel(30, 30), kBlack);
    EXPECT_EQ(corner.pixel(20, 25), kBlack);
    EXPECT_EQ(corner.pixel(10, 20), kBlack);
    EXPECT_EQ(corner.pixel(10, 6), kBlack);
    EXPECT_EQ(corner.pixel(10, 5), kWhite);
}

TEST(QtSurface, MetricModeFollowsTheDeviceResolution)
{
    // At 254 dots per inch a pixel is a tenth of a millimetre, y upward from the top edge.
    QImage image = WhiteImage(300, 200, 254);
    {
        QPainter painter(&image);
        CQtSurface surface(painter, 96);
        EXPECT_EQ(surface.GetDeviceCaps(HORZRES), 300);
        EXPECT_EQ(surface.GetDeviceCaps(VERTRES), 200);
        EXPECT_EQ(surface.SetMapMode(MM_LOMETRIC), MM_TEXT);
        surface.MoveTo(100, -50);
        surface.LineTo(115, -50);
        SPoint pt{40, 60};
        surface.DPtoLP(&pt, 1);
        EXPECT_EQ(pt, (SPoint{40, -60}));
        EXPECT_EQ(surface.SetMapMode(MM_TEXT), MM_LOMETRIC);
        pt = SPoint{40, 60};
        surface.DPtoLP(&pt, 1);
        EXPECT_EQ(pt, (SPoint{40, 60}));
    }
    for (int x = 100; x < 115; ++x)
        EXPECT_EQ(image.pixel(x, 50), kBlack) << x;
    EXPECT_EQ(image.pixel(115, 50), kWhite);

    // At 96 dots per inch an inch of pixels is 254 tenths; at 600, 1.5 mm is 35 pixels.
    QImage screen = WhiteImage(100, 100, 96);
    QImage paper = WhiteImage(100, 100, 600);
    QPainter screenPainter(&screen);
    CQtSurface screenSurface(screenPainter, 96);
    screenSurface.SetMapMode(MM_LOMETRIC);
    SPoint pts[2] = {{96, 96}, {-48, 0}};
    screenSurface.DPtoLP(pts, 2);
    EXPECT_EQ(pts[0], (SPoint{254, -254}));
    EXPECT_EQ(pts[1], (SPoint{-127, 0}));
    {
        QPainter paperPainter(&paper);
        CQtSurface paperSurface(paperPainter, 96);
        paperSurface.SetMapMode(MM_LOMETRIC);
        paperSurface.MoveTo(0, -10);
        paperSurface.LineTo(15, -10);
    }
    int nRun = 0;
    while (nRun < paper.width() && paper.pixel(nRun, 24) == kBlack)
        ++nRun;
    EXPECT_EQ(nRun, 35);
}

TEST(QtSurface, InversionDrawnTwiceRestoresThePixels)
{
    const QImage before = PatternImage(120, 90);
    QImage image = before;
    CRubberBand band;
    band.Begin(10, 10);
    band.m_ptCurrent.Set(100, 70);
    CRubberLine marker;
    marker.Begin(20, 80);
    marker.m_ptCurrent.Set(60, 40);
    const SPoint triangle[3] = {{5, 85}, {115, 85}, {60, 50}};
    {
        QPainter painter(&image);
        CQtSurface surface(painter, 96);
        band.DrawOn(surface);
        marker.DrawOn(surface);
        surface.SetROP2(R2_NOT);
        surface.Polygon(triangle, 3);
        surface.SetROP2(R2_COPYPEN);
        surface.Flush();
        // Once: the box's edges and corners, the marker's circle, inside and out, are inverted.
        EXPECT_EQ(image.pixel(10, 10), Inverted(before.pixel(10, 10)));
        EXPECT_EQ(image.pixel(55, 10), Inverted(before.pixel(55, 10)));
        EXPECT_EQ(image.pixel(100, 70), Inverted(before.pixel(100, 70)));
        EXPECT_EQ(image.pixel(10, 40), Inverted(before.pixel(10, 40)));
        EXPECT_EQ(image.pixel(60, 40), Inverted(before.pixel(60, 40)));
        EXPECT_EQ(image.pixel(55, 30), before.pixel(55, 30));
        EXPECT_EQ(image.pixel(60, 80), Inverted(before.pixel(60, 80)));
        EXPECT_GT(CountDifferent(image, before), 300);

        band.DrawOn(surface);
        marker.DrawOn(surface);
        surface.SetROP2(R2_NOT);
        surface.Polygon(triangle, 3);
    }
    EXPECT_EQ(CountDifferent(image, before), 0);
}

TEST(QtSurface, TextIsBlackOnAnOpaqueWhiteBox)
{
    // The label font is "Arial", which fontconfig gives as a face of the same metrics.
    const QString strFamily = QFontInfo(QFont("Arial")).family();
    EXPECT_TRUE(strFamily == "Arial" || strFamily == "Liberation Sans") << strFamily.toStdString();

    const QRgb kGrey = 0xff808080;
    QImage image = WhiteImage(200, 100);
    image.fill(kGrey);
    {
        QPainter painter(&image);
        CQtSurface surface(painter, 96);
        const CFont font = CFont::CreatePointFont(180, "Arial", surface.GetScreenDpiY());
        EXPECT_EQ(font.m_nHeight, 24);
        EXPECT_EQ(surface.SelectObject(font), CFont());
        surface.SetMapMode(MM_LOMETRIC);
        // The top-left corner at (10 mm, -10 mm): pixel (38, 38) at 96 dots per inch.
        surface.TextOut(100, -100, "12.5");
        surface.SetMapMode(MM_TEXT);
    }
    int nTop = image.height();
    int nBottom = -1;
    int nInk = 0;
    for (int y = 0; y < image.height(); ++y)
    {
        for (int x = 0; x < image.width(); ++x)
        {
            const QRgb rgb = image.pixel(x, y);
            if (rgb == kGrey)
                continue;
            EXPECT_TRUE(x >= 38 && y >= 38) << x << ", " << y;
            nTop = std::min(nTop, y);
            nBottom = std::max(nBottom, y);
            // Black text: every pixel that is not white is a shade of grey, none coloured.
            EXPECT_TRUE(qRed(rgb) == qGreen(rgb) && qGreen(rgb) == qBlue(rgb));
            nInk += qRed(rgb) < 100;
        }
    }
    EXPECT_EQ(nTop, 38);
    // 2.4 mm at 96 dots per inch is 9 pixels of character height; the box adds the leading.
    EXPECT_GE(nBottom - nTop + 1, 9);
    EXPECT_LE(nBottom - nTop + 1, 14);
    EXPECT_GT(nInk, 10);
}

TEST(QtSurface, PolygonFillsWithTheBrushAndOutlinesWithThePen)
{
    QImage image = WhiteImage(60, 60);
    const SPoint square[5] = {{10, 10}, {40, 10}, {40, 40}, {10, 40}, {10, 10}};
    const SPoint flat[5] = {{45, 5}, {45, 5}, {45, 50}, {45, 50}, {45, 5}};
    {
        QPainter painter(&image);
        CQtSurface surface(painter, 96);
        EXPECT_EQ(surface.SelectObject(CBrush::CreateSolidBrush(RGB(0, 200, 0))), CBrush());
        EXPECT_EQ(surface.SelectObject(CPen(PS_NULL, 0, 0)), CPen());
        surface.Polygon(square, 5);
        // A strip of no width paints nothing.
        surface.Polygon(flat, 5);
        surface.SelectObject(CPen());
        surface.SelectObject(CBrush());
    }
    EXPECT_EQ(image.pixel(25, 25), qRgb(0, 200, 0));
    EXPECT_EQ(image.pixel(10, 10), qRgb(0, 200, 0));
    EXPECT_EQ(image.pixel(9, 25), kWhite);
    EXPECT_EQ(image.pixel(45, 20), kWhite);
}
