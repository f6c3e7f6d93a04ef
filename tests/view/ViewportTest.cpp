// The world-to-device mapping, its guards against unusable windows and huge coordinates, zoom and pan.
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

#include "RecordingSurface.h"
#include "view/Viewport.h"

namespace
{
// Device rectangle 0, 0, 800, 600 over the window x 0..100, y 0..50.
void SetUpExample(CViewport& viewport)
{
    viewport.m_rcDevice = SRect{0, 0, 800, 600};
    viewport.m_window.Set(0, 0, 100, 50);
}

SPoint Device(const CViewport& viewport, double x, double y)
{
    SPoint pt{-12345, -12345};
    EXPECT_TRUE(viewport.WorldToDevice(CVector3(x, y), pt)) << x << ", " << y;
    return pt;
}

bool Resolves(const CWorldWindow& window)
{
    return window.m_dXMin < window.m_dXMax && window.m_dYMin < window.m_dYMax;
}
} // namespace

TEST(Viewport, StartsOnTheViewsWindow)
{
    CViewport viewport;
    EXPECT_EQ(viewport.m_window.m_dXMin, -1);
    EXPECT_EQ(viewport.m_window.m_dXMax, 10);
    EXPECT_EQ(viewport.m_window.m_dYMin, -1);
    EXPECT_EQ(viewport.m_window.m_dYMax, 100);
}

TEST(Viewport, MapsWorldToDeviceTruncatingTowardZero)
{
    CViewport viewport;
    SetUpExample(viewport);
    EXPECT_EQ(Device(viewport, 50, 25), (SPoint{400, 300}));
    EXPECT_EQ(Device(viewport, 100, 50), (SPoint{800, 0}));
    EXPECT_EQ(Device(viewport, 0, 0), (SPoint{0, 600}));
    EXPECT_EQ(Device(viewport, 0.1249, 0), (SPoint{0, 600}));
    // -0.8 and -1.6 truncate toward zero, not toward minus infinity.
    EXPECT_EQ(Device(viewport, -0.1, 0), (SPoint{0, 600}));
    EXPECT_EQ(Device(viewport, -0.2, 0), (SPoint{-1, 600}));
    // Outside the window maps outside the rectangle: nothing is clipped by the mapping.
    EXPECT_EQ(Device(viewport, 200, -50), (SPoint{1600, 1200}));

    CVector3 world(7, 7, 3);
    ASSERT_TRUE(viewport.DeviceToWorld(400, 300, world));
    EXPECT_EQ(world.GetX(), 50);
    EXPECT_EQ(world.GetY(), 25);
    EXPECT_EQ(world.GetZ(), 3);

    // An offset rectangle: its left edge and bottom edge carry xmin and ymin.
    viewport.m_rcDevice = SRect{10, 20, 110, 220};
    EXPECT_EQ(Device(viewport, 0, 0), (SPoint{10, 220}));
    EXPECT_EQ(Device(viewport, 100, 50), (SPoint{110, 20}));
}

TEST(Viewport, UnusableMappingDrawsNothing)
{
    const double dNaN = std::numeric_limits<double>::quiet_NaN();
    const double dInf = std::numeric_limits<double>::infinity();
    const SRect devices[] = {
        {0, 0, 0, 600}, {0, 0, 800, 0}, {0, 0, 800, 600}, {0, 0, 800, 600}, {0, 0, 800, 600}};
    const double bounds[][4] = {
        {0, 0, 100, 50}, {0, 0, 100, 50}, {0, 5, 100, 5}, {3, 0, 3, 50}, {0, 0, dInf, 50}};
    for (size_t i = 0; i < std::size(devices); ++i)
    {
        CViewport viewport;
        CRecordingSurface surface;
        viewport.SetSurface(&surface);
        viewport.m_rcDevice = devices[i];
        viewport.m_window.Set(bounds[i][0], bounds[i][1], bounds[i][2], bounds[i][3]);
        EXPECT_FALSE(viewport.CanMap()) << i;
        SPoint pt{1, 2};
        EXPECT_FALSE(viewport.WorldToDevice(CVector3(1, 1), pt)) << i;
        EXPECT_EQ(pt, (SPoint{1, 2}));
        viewport.MoveToWorld(CVector3(1, 1));
        viewport.LineToWorld(CVector3(2, 2));
        const CVector3 triangle[3] = {CVector3(0, 0), CVector3(1, 0), CVector3(0, 1)};
        viewport.PolygonWorld(triangle, 3);
        EXPECT_TRUE(surface.m_calls.empty()) << i;
    }

    CViewport flat;
    flat.m_rcDevice = SRect{0, 0, 0, 0};
    CVector3 world(1, 2);
    EXPECT_FALSE(flat.DeviceToWorld(5, 5, world));
    EXPECT_EQ(world.GetX(), 1);

    CViewport viewport;
    SetUpExample(viewport);
    SPoint pt;
    EXPECT_FALSE(viewport.WorldToDevice(CVector3(dNaN, 1), pt));
    EXPECT_FALSE(viewport.WorldToDevice(CVector3(1, dNaN), pt));
}

TEST(Viewport, HugeAndInfiniteCoordinatesAreClampedAndClipped)
{
    const double dInf = std::numeric_limits<double>::infinity();
    const int nLimit = CViewport::kDeviceLimit;
    CViewport viewport;
    SetUpExample(viewport);
    EXPECT_EQ(Device(viewport, 1e12, -1e12), (SPoint{nLimit, nLimit}));
    EXPECT_EQ(Device(viewport, -dInf, dInf), (SPoint{-nLimit, -nLimit}));

    CRecordingSurface surface;
    viewport.SetSurface(&surface);
    // From the centre to a point far beyond the limit: the line leaves along its own direction.
    viewport.MoveToWorld(CVector3(50, 25));
    viewport.LineToWorld(CVector3(50 + 1e12, 25 + 0.5e12));
    // Back from there, the next segment starts where it crosses the limit again.
    viewport.LineToWorld(CVector3(60, 25));
    // A segment wholly beyond the limit draws nothing, and the one after starts afresh.
    viewport.MoveToWorld(CVector3(1e12, 1e12));
    viewport.LineToWorld(CVector3(2e12, 1e12));
    viewport.LineToWorld(CVector3(50, 25));
    viewport.LineToWorld(CVector3(40, 25));
    const auto lines = surface.Polylines();
    ASSERT_EQ(lines.size(), 3u);
    ASSERT_EQ(lines[0].size(), 2u);
    EXPECT_EQ(lines[0][0], (SPoint{400, 300}));
    EXPECT_EQ(lines[0][1].x, nLimit);
    EXPECT_NEAR(lines[0][1].y, 300 - (nLimit - 400) * 0.75, 1);
    ASSERT_EQ(lines[1].size(), 2u);
    EXPECT_EQ(lines[1][0].x, nLimit);
    EXPECT_EQ(lines[1][1], (SPoint{480, 300}));
    ASSERT_EQ(lines[2].size(), 3u);
    EXPECT_EQ(lines[2][1], (SPoint{400, 300}));
    EXPECT_EQ(lines[2][2], (SPoint{320, 300}));
    for (const auto& line : lines)
    {
        for (const SPoint& pt : line)
            EXPECT_TRUE(std::abs(pt.x) <= nLimit && std::abs(pt.y) <= nLimit);
    }
}

TEST(Viewport, PointThatIsNotANumberBreaksTheLine)
{
    const double dNaN = std::numeric_limits<double>::quiet_NaN();
    CViewport viewport;
    SetUpExample(viewport);
    CRecordingSurface surface;
    viewport.SetSurface(&surface);
    viewport.MoveToWorld(CVector3(0, 0));
    viewport.LineToWorld(CVector3(10, 0));
    viewport.LineToWorld(CVector3(20, dNaN));
    viewport.LineToWorld(CVector3(30, 0));
    viewport.LineToWorld(CVector3(40, 0));
    const auto lines = surface.Polylines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], (std::vector<SPoint>{{0, 600}, {80, 600}}));
    EXPECT_EQ(lines[1], (std::vector<SPoint>{{240, 600}, {320, 600}}));
}

TEST(Viewport, PolygonBeyondTheLimitIsClippedToIt)
{
    const int nLimit = CViewport::kDeviceLimit;
    CViewport viewport;
    SetUpExample(viewport);
    CRecordingSurface surface;
    viewport.SetSurface(&surface);
    const CVector3 inside[4] = {CVector3(0, 0), CVector3(10, 0), CVector3(10, 10), CVector3(0, 10)};
    viewport.PolygonWorld(inside, 4);
    // A strip from the centre to far right: cut at the limit, its left side kept exactly.
    const CVector3 strip[4] = {CVector3(50, 0), CVector3(1e12, 0), CVector3(1e12, 25), CVector3(50, 25)};
    viewport.PolygonWorld(strip, 4);
    const auto polygons = surface.Polygons();
    ASSERT_EQ(polygons.size(), 2u);
    EXPECT_EQ(polygons[0], (std::vector<SPoint>{{0, 600}, {80, 600}, {80, 480}, {0, 480}}));
    EXPECT_EQ(polygons[1], (std::vector<SPoint>{{400, 600}, {nLimit, 600}, {nLimit, 300}, {400, 300}}));
}

TEST(Viewport, ZoomInAndOutAboutTheCentre)
{
    CViewport viewport;
    SetUpExample(viewport);
    EXPECT_TRUE(viewport.ZoomIn(0.12f));
    EXPECT_NEAR(viewport.m_window.m_dXMin, 12, 1e-5);
    EXPECT_NEAR(viewport.m_window.m_dXMax, 88, 1e-5);
    EXPECT_NEAR(viewport.m_window.m_dYMin, 6, 1e-5);
    EXPECT_NEAR(viewport.m_window.m_dYMax, 44, 1e-5);
    // The factor is single precision: 0.12f is not 0.12.
    EXPECT_EQ(viewport.m_window.m_dXMin, 0 + static_cast<double>(0.12f) * 100);

    SetUpExample(viewport);
    EXPECT_TRUE(viewport.ZoomOut(0.1f));
    EXPECT_NEAR(viewport.m_window.m_dXMin, -10, 1e-5);
    EXPECT_NEAR(viewport.m_window.m_dXMax, 110, 1e-5);
    // Out and in by the same factor are not inverse.
    SetUpExample(viewport);
    viewport.ZoomOut(0.12f);
    EXPECT_NEAR(viewport.m_window.m_dXMax - viewport.m_window.m_dXMin, 124, 1e-4);
}

TEST(Viewport, ZoomRefusesFactorsThatCollapseOrInvert)
{
    CViewport viewport;
    SetUpExample(viewport);
    const float refused[] = {0.5f,
                             0.7f,
                             5.f,
                             0.f,
                             -0.1f,
                             std::numeric_limits<float>::quiet_NaN(),
                             std::numeric_limits<float>::infinity()};
    for (float f : refused)
    {
        EXPECT_FALSE(viewport.ZoomIn(f)) << f;
        EXPECT_EQ(viewport.m_window.m_dXMin, 0);
        EXPECT_EQ(viewport.m_window.m_dXMax, 100);
    }
    EXPECT_FALSE(viewport.ZoomOut(0.f));
    EXPECT_FALSE(viewport.ZoomOut(-0.2f));
    EXPECT_FALSE(viewport.ZoomOut(std::numeric_limits<float>::quiet_NaN()));
    EXPECT_FALSE(viewport.ZoomOut(std::numeric_limits<float>::infinity()));
    EXPECT_EQ(viewport.m_window.m_dXMax, 100);
}

TEST(Viewport, ZoomStopsWhereADoubleNoLongerResolvesTheWindow)
{
    CViewport viewport;
    viewport.m_rcDevice = SRect{0, 0, 1280, 800};
    viewport.m_window.Set(150, -3, 151, 40);
    int nSteps = 0;
    while (viewport.ZoomIn(0.4999f) && nSteps < 100000)
        ++nSteps;
    EXPECT_LT(nSteps, 100000);
    ASSERT_TRUE(Resolves(viewport.m_window));
    // The last window still spreads over the whole device, pixel by pixel.
    const CWorldWindow& window = viewport.m_window;
    const double dCentreX = window.m_dXMin + (window.m_dXMax - window.m_dXMin) / 2;
    const double dCentreY = window.m_dYMin + (window.m_dYMax - window.m_dYMin) / 2;
    const SPoint ptCentre = Device(viewport, dCentreX, dCentreY);
    EXPECT_NEAR(ptCentre.x, 640, 1);
    EXPECT_NEAR(ptCentre.y, 400, 1);
    EXPECT_NEAR(Device(viewport, window.m_dXMax, window.m_dYMax).x, 1280, 1);
    EXPECT_GT(window.m_dXMax - window.m_dXMin, 150 * 1e-10);

    nSteps = 0;
    while (viewport.ZoomOut(0.5f) && nSteps < 100000)
        ++nSteps;
    EXPECT_LT(nSteps, 100000);
    EXPECT_LE(window.m_dXMax - window.m_dXMin, CViewport::kMaxExtent);
    EXPECT_LE(window.m_dYMax - window.m_dYMin, CViewport::kMaxExtent);
    EXPECT_GT(window.m_dYMax - window.m_dYMin, CViewport::kMaxExtent / 2.1);
}

TEST(Viewport, ZoomToBoxTakesEachAxisOnItsOwn)
{
    CViewport viewport;
    SetUpExample(viewport);
    // From bottom right to top left, the same as from top left to bottom right.
    EXPECT_TRUE(viewport.ZoomToBox(600, 450, 200, 150));
    EXPECT_EQ(viewport.m_window.m_dXMin, 25);
    EXPECT_EQ(viewport.m_window.m_dXMax, 75);
    EXPECT_EQ(viewport.m_window.m_dYMin, 12.5);
    EXPECT_EQ(viewport.m_window.m_dYMax, 37.5);
    SetUpExample(viewport);
    EXPECT_TRUE(viewport.ZoomToBox(200, 150, 600, 450));
    EXPECT_EQ(viewport.m_window.m_dXMin, 25);
    EXPECT_EQ(viewport.m_window.m_dYMax, 37.5);

    // One pixel column: x stays, y is set.
    SetUpExample(viewport);
    EXPECT_TRUE(viewport.ZoomToBox(400, 0, 400, 300));
    EXPECT_EQ(viewport.m_window.m_dXMin, 0);
    EXPECT_EQ(viewport.m_window.m_dXMax, 100);
    EXPECT_EQ(viewport.m_window.m_dYMin, 25);
    EXPECT_EQ(viewport.m_window.m_dYMax, 50);

    // One pixel: nothing changes.
    SetUpExample(viewport);
    EXPECT_FALSE(viewport.ZoomToBox(123, 45, 123, 45));
    EXPECT_EQ(viewport.m_window.m_dXMax, 100);
    EXPECT_EQ(viewport.m_window.m_dYMax, 50);

    // A box one pixel wide and one pixel high: the window becomes that pixel.
    SetUpExample(viewport);
    EXPECT_TRUE(viewport.ZoomToBox(400, 300, 401, 299));
    EXPECT_EQ(viewport.m_window.m_dXMin, 50);
    EXPECT_EQ(viewport.m_window.m_dXMax, 50.125);
    EXPECT_EQ(viewport.m_window.m_dYMin, 25);
    EXPECT_NEAR(viewport.m_window.m_dYMax, 25 + 50.0 / 600, 1e-12);
}

TEST(Viewport, RepeatedOnePixelBoxesStopBeforeTheWindowCollapses)
{
    CViewport viewport;
    viewport.m_rcDevice = SRect{0, 0, 1280, 800};
    viewport.m_window.Set(150, 1, 160, 2);
    int nSteps = 0;
    while (viewport.ZoomToBox(640, 400, 641, 399) && nSteps < 1000)
        ++nSteps;
    EXPECT_LT(nSteps, 1000);
    EXPECT_GT(nSteps, 2);
    EXPECT_TRUE(Resolves(viewport.m_window));
    EXPECT_TRUE(viewport.CanMap());
}

TEST(Viewport, PanMovesTheWindowAgainstTheDrag)
{
    CViewport viewport;
    SetUpExample(viewport);
    EXPECT_TRUE(viewport.Pan(CVector3(10, 5), CVector3(12, 4)));
    EXPECT_EQ(viewport.m_window.m_dXMin, -2);
    EXPECT_EQ(viewport.m_window.m_dXMax, 98);
    EXPECT_EQ(viewport.m_window.m_dYMin, 1);
    EXPECT_EQ(viewport.m_window.m_dYMax, 51);

    // A drag through a window that maps nothing, or to infinity, moves nothing.
    const double dInf = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(viewport.Pan(CVector3(0, 0), CVector3(dInf, 0)));
    EXPECT_FALSE(viewport.Pan(CVector3(std::nan(""), 0), CVector3(0, 0)));
    EXPECT_EQ(viewport.m_window.m_dXMin, -2);
}
