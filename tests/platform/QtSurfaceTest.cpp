// The drawing surface on a QPainter: pixels of lines, the metric mode at a device's resolution, the
// drag feedback inverted and erased, text on its white box, filled polygons, and the detailed graph
// drawing each outline only where its load raises it.
#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <functional>
#include <gtest/gtest.h>
#include <random>

#include "model/LoadList.h"
#include "platform/QtSurface.h"
#include "view/GraphPass.h"
#include "view/RubberLine.h"
#include "view/Viewport.h"

namespace
{
constexpr QRgb kWhite = 0xffffffff;
constexpr QRgb kBlack = 0xff000000;

// The Qt surface, or one that keeps every line: what the drawing does where lines cannot be left out.
class CTestSurface : public CQtSurface
{
public:
    CTestSurface(QPainter& painter, bool bEveryLine) : CQtSurface(painter, 96), m_bEveryLine(bEveryLine) {}
    bool RedrawsLinesAlike() override { return !m_bEveryLine && CQtSurface::RedrawsLinesAlike(); }

private:
    bool m_bEveryLine;
};

// The surface sets the pixels of lines in 32-bit images itself and leaves those of others to Qt.
QImage Draw(const std::function<void(CQtSurface&)>& draw, int nSize = 40, int nDpi = 96,
            QRgb rgbBackground = kWhite, QImage::Format format = QImage::Format_RGB32,
            bool bEveryLine = false)
{
    QImage image(nSize, nSize, format);
    image.setDotsPerMeterX(qRound(nDpi / 0.0254));
    image.setDotsPerMeterY(qRound(nDpi / 0.0254));
    image.fill(rgbBackground);
    {
        QPainter painter(&image);
        CTestSurface surface(painter, bEveryLine);
        draw(surface);
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

// The graph of the list in the window on a raster of 400 x 400 pixels.
QImage Render(CLoadList& list, const double window[4], int nMode, bool bEveryLine)
{
    const auto draw = [&](CQtSurface& surface) {
        CViewport viewport;
        viewport.m_rcDevice = SRect{0, 0, 400, 400};
        viewport.m_window.Set(window[0], window[1], window[2], window[3]);
        CGraphPass(list, viewport).Draw(surface, nMode, 3, false);
        surface.Flush();
    };
    return Draw(draw, 400, 96, kWhite, QImage::Format_RGB32, bEveryLine);
}

// Pixels drawn in a with none drawn at or beside them in b.
int CountFarApart(const QImage& a, const QImage& b)
{
    int nCount = 0;
    for (int i = 0; i < a.width() * a.height(); ++i)
    {
        const int x = i % a.width();
        const int y = i / a.width();
        bool bNear = false;
        for (int j = 0; j < 9; ++j)
            bNear = bNear || (b.valid(x + j % 3 - 1, y + j / 3 - 1) &&
                              b.pixel(x + j % 3 - 1, y + j / 3 - 1) != kWhite);
        nCount += a.pixel(x, y) != kWhite && !bNear;
    }
    return nCount;
}
} // namespace

TEST(QtSurface, LinesLeaveOutTheirEndPointHoweverTheyAreDrawn)
{
    const QImage image = Draw([](CQtSurface& surface) {
        surface.MoveTo(5, 5);
        surface.LineTo(15, 5);
        surface.LineTo(15, 15);
        surface.MoveTo(30, 30);
        surface.LineTo(10, 20);
        surface.LineTo(10, 35);
        surface.MoveTo(35, 2);
        surface.LineTo(35, 2);
    });
    // A line starts on the last one's end and leaves out its own; one that stays on its pixel draws nothing.
    for (int i = 5; i < 15; ++i)
        EXPECT_TRUE(image.pixel(i, 5) == kBlack && image.pixel(15, i) == kBlack) << i;
    for (const QPoint pt : {QPoint(30, 30), QPoint(20, 25), QPoint(10, 20), QPoint(10, 34)})
        EXPECT_EQ(image.pixel(pt), kBlack) << pt.x() << ", " << pt.y();
    for (const QPoint pt : {QPoint(15, 15), QPoint(4, 5), QPoint(10, 35), QPoint(35, 2)})
        EXPECT_EQ(image.pixel(pt), kWhite) << pt.x() << ", " << pt.y();

    // A dense random curve, partly outside: gathered lines set the same pixels as Qt's, within a pixel.
    std::mt19937 random(11);
    std::uniform_int_distribution<int> step(-3, 3);
    std::vector<SPoint> points{SPoint{100, 100}};
    for (int i = 0; i < 3000; ++i)
        points.push_back(SPoint{points.back().x + step(random), points.back().y + step(random)});
    points.insert(points.end(), {SPoint{-500, 80}, SPoint{150, 90}});
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
    const QImage gathered = Draw(curve(false), 200);
    const QImage byQt = Draw(curve(false), 200, 96, kWhite, QImage::Format_RGB888);
    EXPECT_TRUE(gathered == Draw(curve(true), 200) && !(gathered == Draw([](CQtSurface&) {}, 200)));
    EXPECT_TRUE(CountFarApart(gathered, byQt) == 0 && CountFarApart(byQt, gathered) == 0);
}

TEST(QtSurface, MetricModeAndTextFollowTheDeviceResolution)
{
    // At 254 dots per inch a pixel is a tenth of a millimetre, y upward; at 96 steps are rounded.
    const int cases[][5] = {{254, 40, 60, 40, -60}, {96, 96, 96, 254, -254}, {96, -1, 47, -3, -124}};
    for (const auto& c : cases)
    {
        SPoint pt{c[1], c[2]};
        Draw(
            [&pt](CQtSurface& surface) {
                surface.SetMapMode(MM_LOMETRIC);
                surface.DPtoLP(&pt, 1);
            },
            10, c[0]);
        EXPECT_TRUE(pt.x == c[3] && pt.y == c[4]) << pt.x << ", " << pt.y;
    }
    // Black text on an opaque white box from pixel (38, 38), 2.4 mm or 9 pixels high plus leading.
    const QRgb kGrey = 0xff808080;
    const QImage image = Draw(
        [](CQtSurface& surface) {
            surface.SelectObject(CFont::CreatePointFont(180, "Arial", 96));
            surface.SetMapMode(MM_LOMETRIC);
            surface.TextOut(100, -100, "12.5");
        },
        200, 96, kGrey);
    QRect rcBox;
    int nInk = 0;
    int nColoured = 0;
    for (int i = 0; i < image.width() * image.height(); ++i)
    {
        const QRgb rgb = image.pixel(i % image.width(), i / image.width());
        rcBox |= rgb == kGrey ? QRect() : QRect(i % image.width(), i / image.width(), 1, 1);
        nColoured += qRed(rgb) != qGreen(rgb) || qGreen(rgb) != qBlue(rgb);
        nInk += qRed(rgb) < 100;
    }
    EXPECT_TRUE(rcBox.topLeft() == QPoint(38, 38) && nColoured == 0 && nInk > 10);
    EXPECT_TRUE(rcBox.height() >= 9 && rcBox.height() <= 14) << rcBox.height();
}

TEST(QtSurface, DragFeedbackIsErasedByDrawingItAgain)
{
    QImage before(120, 90, QImage::Format_RGB32);
    std::mt19937 random(5);
    for (int i = 0; i < before.width() * before.height(); ++i)
        before.setPixel(i % before.width(), i / before.width(), 0xff000000 | (random() & 0xffffff));
    QImage image = before;
    QPainter painter(&image);
    CQtSurface surface(painter, 96);
    CViewport viewport;
    viewport.SetSurface(&surface);
    // Tracking before the drag draws nothing.
    CRubberLine marker;
    marker.Track(50, 50, viewport);
    marker.Begin(20, 80);
    marker.m_ptCurrent.Set(60, 40);
    const SPoint triangle[3] = {{5, 85}, {115, 85}, {60, 50}};
    const auto drawOthers = [&] {
        marker.Draw(viewport);
        EXPECT_EQ(surface.SetROP2(R2_NOT), R2_COPYPEN);
        surface.Polygon(triangle, 3);
        surface.SetROP2(R2_COPYPEN);
        surface.Flush();
    };
    drawOthers();
    // The marker's line and circle and the triangle, edge and inside, are inverted once; what lies
    // between them is not.
    for (const QPoint pt : {QPoint(40, 60), QPoint(60, 40), QPoint(60, 80)})
        EXPECT_EQ(image.pixel(pt), before.pixel(pt) ^ 0x00ffffff) << pt.x() << ", " << pt.y();
    for (const QPoint pt : {QPoint(55, 30), QPoint(30, 30), QPoint(50, 20)})
        EXPECT_EQ(image.pixel(pt), before.pixel(pt)) << pt.x() << ", " << pt.y();
    drawOthers();
    EXPECT_TRUE(image == before);
}

TEST(QtSurface, PolygonFillsWithTheBrushAndAStripOfNoWidthIsLeftOut)
{
    const SPoint square[5] = {{10, 10}, {40, 10}, {40, 40}, {10, 40}, {10, 10}};
    const SPoint flat[5] = {{45, 5}, {45, 5}, {45, 50}, {45, 50}, {45, 5}};
    const auto fill = [&](CQtSurface& surface) {
        surface.SelectObject(CBrush::CreateSolidBrush(RGB(0, 200, 0)));
        surface.SelectObject(CPen(PS_NULL, 0, 0));
        surface.Polygon(square, 5);
        surface.Polygon(flat, 5);
    };
    const QImage image = Draw(fill, 60);
    EXPECT_TRUE(image.pixel(10, 10) == qRgb(0, 200, 0) && image.pixel(9, 25) == kWhite &&
                image.pixel(45, 25) == kWhite);
    // A vector device would show the strip of no width as a hairline.
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

// On random estimates, whatever the window, the pixels must be those of every outline drawn whole.
TEST(DetailedPixels, OnlyTheRaisedPartsGiveEveryOutlinesPixels)
{
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> along(0, 100);
    // The fitted window, one zoomed in so that lines leave the image, one far off.
    const double windows[][4] = {{-5, -20, 110, 400}, {30, 5, 45, 60}, {1e5, 1e5, 2e5, 3e5}};
    for (int nCase = 0; nCase < 6; ++nCase)
    {
        CLoadList list;
        for (int i = 0; i < 40 + 60 * nCase; ++i)
        {
            const double x = along(rng);
            const double dLength = nCase % 2 ? 0.5 + along(rng) / 20 : along(rng) / 2;
            const double dWeight = (i % 9 == 0 ? -1 : 1) * (1 + along(rng));
            list.Append("c", dLength * along(rng) / 100, x, x + dLength, dWeight);
        }
        list.RebuildAbscissae();
        for (const auto& window : windows)
        {
            for (int nMode : {CGraphPass::modeDetailed, CGraphPass::modeLoadInWhole})
            {
                const QImage partial = Render(list, window, nMode, false);
                const QImage whole = Render(list, window, nMode, true);
                ASSERT_EQ(partial, whole) << "case " << nCase << ", window from x " << window[0];
            }
        }
    }
}
