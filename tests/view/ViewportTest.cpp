// The world-to-device mapping, its guards against unusable windows and huge coordinates, zoom and pan.
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <limits>

#include "RecordingSurface.h"
#include "view/Viewport.h"

namespace
{
const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();
constexpr int kLimit = CViewport::kDeviceLimit;

// The window x 0..100, y 0..50 over the device rectangle 0, 0, 800, 600: 8 and 12 pixels a unit.
CViewport Example()
{
    CViewport viewport;
    viewport.m_rcDevice = SRect{0, 0, 800, 600};
    viewport.m_window.Set(0, 0, 100, 50);
    return viewport;
}

SPoint Device(const CViewport& viewport, double x, double y)
{
    SPoint pt{-12345, -12345};
    EXPECT_TRUE(viewport.WorldToDevice(CVector3(x, y), pt)) << x << ", " << y;
    return pt;
}

void ExpectWindow(const CViewport& viewport, double dXMin, double dYMin, double dXMax, double dYMax)
{
    const CWorldWindow& w = viewport.m_window;
    EXPECT_EQ((std::vector<double>{w.m_dXMin, w.m_dYMin, w.m_dXMax, w.m_dYMax}),
              (std::vector<double>{dXMin, dYMin, dXMax, dYMax}));
}
} // namespace

TEST(Viewport, MapsWorldToDeviceTruncatingTowardZero)
{
    CViewport viewport = Example();
    EXPECT_EQ(Device(viewport, 50, 25), (SPoint{400, 300}));
    EXPECT_EQ(Device(viewport, 100, 50), (SPoint{800, 0}));
    EXPECT_EQ(Device(viewport, 0.1249, 0), (SPoint{0, 600}));
    // -0.8 and -1.6 pixels truncate toward zero, not toward minus infinity.
    EXPECT_EQ(Device(viewport, -0.1, 0), (SPoint{0, 600}));
    EXPECT_EQ(Device(viewport, -0.2, 0), (SPoint{-1, 600}));
    EXPECT_EQ(Device(viewport, 200, -50), (SPoint{1600, 1200}));

    CVector3 world(7, 7, 3);
    ASSERT_TRUE(viewport.DeviceToWorld(400, 300, world));
    EXPECT_EQ((std::vector<double>{world.GetX(), world.GetY(), world.GetZ()}),
              (std::vector<double>{50, 25, 3}));

    viewport.m_rcDevice = SRect{10, 20, 110, 220};
    EXPECT_EQ(Device(viewport, 0, 0), (SPoint{10, 220}));
    EXPECT_EQ(Device(viewport, 100, 50), (SPoint{110, 20}));
}

TEST(Viewport, UnusableMappingDrawsNothing)
{
    const SRect devices[] = {
        {0, 0, 0, 600}, {0, 0, 800, 0}, {0, 0, 800, 600}, {0, 0, 800, 600}, {0, 0, 800, 600}};
    const double bounds[][4] = {
        {0, 0, 100, 50}, {0, 0, 100, 50}, {0, 5, 100, 5}, {3, 0, 3, 50}, {0, 0, kInf, 50}};
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
        // Only a device of no width or height leaves nothing to map back from.
        CVector3 world;
        EXPECT_EQ(viewport.DeviceToWorld(5, 5, world), i >= 2) << i;
        viewport.MoveToWorld(CVector3(1, 1));
        viewport.LineToWorld(CVector3(2, 2));
        const CVector3 triangle[3] = {CVector3(0, 0), CVector3(1, 0), CVector3(0, 1)};
        viewport.PolygonWorld(triangle, 3);
        EXPECT_TRUE(surface.m_calls.empty()) << i;
    }
}

TEST(Viewport, CoordinatesNotFiniteOrHugeAreNeverConvertedAsTheyAre)
{
    CViewport viewport = Example();
    SPoint pt;
    EXPECT_FALSE(viewport.WorldToDevice(CVector3(kNaN, 1), pt));
    EXPECT_FALSE(viewport.WorldToDevice(CVector3(1, kNaN), pt));
    EXPECT_EQ(Device(viewport, 1e12, -1e12), (SPoint{kLimit, kLimit}));
    EXPECT_EQ(Device(viewport, -kInf, kInf), (SPoint{-kLimit, -kLimit}));

    CRecordingSurface surface;
    viewport.SetSurface(&surface);
    // Out past the limit along the line's own direction, and back from where it crosses it.
    viewport.MoveToWorld(CVector3(50, 25));
    viewport.LineToWorld(CVector3(50 + 1e12, 25 + 0.5e12));
    viewport.LineToWorld(CVector3(60, 25));
    // Wholly beyond the limit: nothing, and the next segment starts afresh.
    viewport.MoveToWorld(CVector3(1e12, 1e12));
    viewport.LineToWorld(CVector3(2e12, 1e12));
    viewport.LineToWorld(CVector3(50, 25));
    // A point that is not a number breaks the line.
    viewport.LineToWorld(CVector3(20, kNaN));
    viewport.LineToWorld(CVector3(30, 0));
    viewport.LineToWorld(CVector3(40, 0));
    const auto lines = surface.Polylines();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].front(), (SPoint{400, 300}));
    EXPECT_EQ(lines[0].back().x, kLimit);
    EXPECT_NEAR(lines[0].back().y, 300 - (kLimit - 400) * 0.75, 1);
    EXPECT_EQ(lines[1].front().x, kLimit);
    EXPECT_EQ(lines[1].back(), (SPoint{480, 300}));
    EXPECT_EQ(lines[2].back(), (SPoint{400, 300}));
    EXPECT_EQ(lines[3], (std::vector<SPoint>{{240, 600}, {320, 600}}));
    for (const auto& line : lines)
        EXPECT_EQ(line.size(), 2u);

    // A triangle reaching far past the limit is cut along it, not squeezed into it.
    const CVector3 triangle[3] = {CVector3(50, 25), CVector3(50 + 1e12, 25), CVector3(50, 25 + 1e12)};
    viewport.PolygonWorld(triangle, 3);
    EXPECT_EQ(surface.Polygons(), (std::vector<std::vector<SPoint>>{
                                      {{400, -kLimit}, {400, 300}, {kLimit, 300}, {kLimit, -kLimit}}}));
}

TEST(Viewport, ZoomInAndOutAboutTheCentre)
{
    CViewport viewport = Example();
    EXPECT_TRUE(viewport.ZoomIn(0.12f));
    // The factor is single precision: 0.12f is not 0.12.
    const double f = 0.12f;
    ExpectWindow(viewport, f * 100, f * 50, 100 - f * 100, 50 - f * 50);
    EXPECT_TRUE(viewport.ZoomOut(0.1f));
    EXPECT_NEAR(viewport.m_window.m_dXMin, f * 100 - 0.1 * (100 - 2 * f * 100), 1e-5);

    // A factor that would collapse or invert the window, or is no number, is refused.
    viewport = Example();
    for (float fBad : {0.5f, 0.7f, 0.f, -0.1f, std::numeric_limits<float>::quiet_NaN()})
        EXPECT_FALSE(viewport.ZoomIn(fBad)) << fBad;
    for (float fBad :
         {0.f, -0.2f, std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity()})
        EXPECT_FALSE(viewport.ZoomOut(fBad)) << fBad;
    ExpectWindow(viewport, 0, 0, 100, 50);
}

TEST(Viewport, ZoomStopsWhereADoubleNoLongerResolvesTheWindow)
{
    CViewport viewport;
    viewport.m_rcDevice = SRect{0, 0, 1280, 800};
    viewport.m_window.Set(150, -3, 151, 40);
    const auto repeat = [](const std::function<bool()>& zoom) {
        int nSteps = 0;
        while (nSteps < 100000 && zoom())
            ++nSteps;
        return nSteps;
    };
    EXPECT_LT(repeat([&] { return viewport.ZoomIn(0.4999f); }), 100000);
    // The last window still spreads over the whole device, pixel by pixel.
    const CWorldWindow& w = viewport.m_window;
    EXPECT_EQ(Device(viewport, (w.m_dXMin + w.m_dXMax) / 2, (w.m_dYMin + w.m_dYMax) / 2), (SPoint{640, 400}));
    EXPECT_NEAR(Device(viewport, w.m_dXMax, w.m_dYMax).x, 1280, 1);

    EXPECT_LT(repeat([&] { return viewport.ZoomOut(0.5f); }), 100000);
    EXPECT_LE(std::max(w.m_dXMax - w.m_dXMin, w.m_dYMax - w.m_dYMin), CViewport::kMaxExtent);
    EXPECT_GT(w.m_dYMax - w.m_dYMin, CViewport::kMaxExtent / 2.1);

    // Boxes of one pixel, one after another, stop likewise.
    viewport.m_window.Set(150, 1, 160, 2);
    const int nSteps = repeat([&] { return viewport.ZoomToBox(640, 400, 641, 399); });
    EXPECT_TRUE(nSteps > 2 && nSteps < 1000) << nSteps;
    EXPECT_TRUE(w.m_dXMin < w.m_dXMax && w.m_dYMin < w.m_dYMax);
}

TEST(Viewport, ZoomToBoxTakesEachAxisOnItsOwnAndPanFollowsTheDrag)
{
    // From bottom right to top left, the same as the other way round.
    for (const int nFrom : {200, 600})
    {
        CViewport viewport = Example();
        EXPECT_TRUE(viewport.ZoomToBox(nFrom, nFrom * 3 / 4, 800 - nFrom, 600 - nFrom * 3 / 4));
        ExpectWindow(viewport, 25, 12.5, 75, 37.5);
    }
    // One pixel column: x stays, y is set; one pixel row: the other way round. One pixel: nothing.
    CViewport viewport = Example();
    EXPECT_TRUE(viewport.ZoomToBox(400, 0, 400, 300));
    ExpectWindow(viewport, 0, 25, 100, 50);
    viewport = Example();
    EXPECT_TRUE(viewport.ZoomToBox(0, 300, 400, 300));
    ExpectWindow(viewport, 0, 0, 50, 50);
    viewport = Example();
    EXPECT_FALSE(viewport.ZoomToBox(123, 45, 123, 45));
    ExpectWindow(viewport, 0, 0, 100, 50);
    // A box one pixel wide and one high: the window becomes that pixel.
    EXPECT_TRUE(viewport.ZoomToBox(400, 300, 401, 299));
    ExpectWindow(viewport, 50, 25, 50.125, 25 + 50.0 / 600);

    // The window moves against the drag; a drag to infinity or from no number moves nothing.
    viewport = Example();
    EXPECT_TRUE(viewport.Pan(CVector3(10, 5), CVector3(12, 4)));
    ExpectWindow(viewport, -2, 1, 98, 51);
    EXPECT_FALSE(viewport.Pan(CVector3(0, 0), CVector3(kInf, 0)));
    EXPECT_FALSE(viewport.Pan(CVector3(kNaN, 0), CVector3(0, 0)));
    ExpectWindow(viewport, -2, 1, 98, 51);
}
