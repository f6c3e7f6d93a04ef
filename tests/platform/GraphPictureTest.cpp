// The graph as a picture: the green strip of the highlighted load and the ticks, as pixels.
#include <QImage>
#include <gtest/gtest.h>

#include "../view/GraphTestLists.h"
#include "platform/GraphPicture.h"
#include "view/Viewport.h"

namespace
{
constexpr QRgb kGreen = 0xff00c800;
constexpr QRgb kWhite = 0xffffffff;

// The pixel of a world point in a picture of the list fitted to the whole image.
QPoint PixelOf(CLoadList& list, const QImage& image, double x, double y)
{
    CViewport viewport;
    viewport.m_rcDevice = SRect{0, 0, image.width(), image.height()};
    list.ComputePlotBounds(viewport);
    SPoint pt;
    EXPECT_TRUE(viewport.WorldToDevice(CVector3(x, y), pt));
    return QPoint(pt.x, pt.y);
}

int CountGreen(const QImage& image)
{
    int nCount = 0;
    for (int y = 0; y < image.height(); ++y)
    {
        for (int x = 0; x < image.width(); ++x)
            nCount += image.pixel(x, y) == kGreen;
    }
    return nCount;
}

// The length of the dark run that starts one step from pt.
int DarkRun(const QImage& image, QPoint pt, QPoint ptStep)
{
    int nRun = 0;
    for (pt += ptStep; image.valid(pt) && qGray(image.pixel(pt)) < 64; pt += ptStep)
        ++nRun;
    return nRun;
}
} // namespace

TEST(GraphPicture, HighlightedLoadIsAGreenStripOverTheOnesBefore)
{
    CLoadList list;
    TwoOverlappingLoads(list);
    CGraphPicture picture(list);
    picture.m_nMode = CGraphPass::modeLoadInWhole;
    picture.m_nSelected = 2;
    QImage image(900, 600, QImage::Format_RGB32);
    picture.Render(image);
    const auto colour = [&](double x, double y) { return image.pixel(PixelOf(list, image, x, y)); };
    // B's strip: over 5..10 between A (10 t/m) and A + B (20 t/m), over 10..15 down to the axis.
    EXPECT_EQ(colour(7.5, 15), kGreen);
    EXPECT_EQ(colour(12.5, 5), kGreen);
    EXPECT_EQ(colour(14.9, 0.1), kGreen);
    EXPECT_EQ(colour(7.5, 5), kWhite);
    EXPECT_EQ(colour(2.5, 5), kWhite);
    EXPECT_EQ(colour(12.5, 15), kWhite);
    EXPECT_EQ(colour(16, 5), kWhite);
    // Its area, 5 m x 10 t/m twice, in pixels at the fitted scale.
    const QPoint ptCorner = PixelOf(list, image, 10, 10) - PixelOf(list, image, 0, 0);
    const int nExpected = -ptCorner.x() * ptCorner.y();
    EXPECT_NEAR(CountGreen(image), nExpected, nExpected / 20);

    // Another load selected, or none: the strip moves, or goes.
    picture.m_nSelected = 1;
    picture.Render(image);
    EXPECT_EQ(colour(2.5, 5), kGreen);
    EXPECT_EQ(colour(12.5, 5), kWhite);
    picture.m_nSelected = 0;
    picture.Render(image);
    EXPECT_EQ(CountGreen(image), 0);
}

TEST(GraphPicture, TicksAreOneAndAHalfMillimetresLongAtAnyResolution)
{
    CLoadList list;
    TwoUniformLoads(list);
    CGraphPicture picture(list);
    for (const int nDpi : {96, 300})
    {
        QImage image(1150 * (nDpi / 96), 600 * (nDpi / 96), QImage::Format_RGB32);
        image.setDotsPerMeterX(qRound(nDpi / 0.0254));
        image.setDotsPerMeterY(qRound(nDpi / 0.0254));
        picture.Render(image);
        // The tick at 5 t/m right of the load axis, which stands at x = 20 m, and at 10 m below the
        // length axis.
        const double dExpected = 1.5 / 25.4 * nDpi;
        EXPECT_NEAR(DarkRun(image, PixelOf(list, image, 20, 5), QPoint(1, 0)), dExpected, 1.5) << nDpi;
        EXPECT_NEAR(DarkRun(image, PixelOf(list, image, 10, 0), QPoint(0, 1)), dExpected, 1.5) << nDpi;
    }
}
