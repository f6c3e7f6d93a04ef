// The world-to-device mapping, its guards against unusable windows and huge coordinates, zoom and pan.
#include <functional>
#include <gtest/gtest.h>
#include <limits>

#include "RecordingSurface.h"
#include "TestSupport.h"
#include "view/Viewport.h"

namespace
{
const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();
constexpr int kLimit = CViewport::kDeviceLimit;

// The window x 0..100, y 0..50 over the device 0, 0, 800, 600: 8 and 12 pixels a unit.
CViewport Example(CSurface* pSurface = nullptr)
{
    CViewport viewport;
    viewport.m_rcDevice = SRect{0, 0, 800, 600};
    viewport.m_window.Set(0, 0, 100, 50);
    viewport.SetSurface(pSurface);
    return viewport;
}

SPoint Device(const CViewport& viewport, double x, double y)
{
    SPoint pt{-12345, -12345};
    EXPECT_TRUE(viewport.WorldToDevice(CVector3(x, y), pt)) << x << ", " << y;
    return pt;
}

std::vector<double> Window(const CViewport& viewport)
{
    const CWorldWindow& w = viewport.m_window;
    return {w.m_dXMin, w.m_dYMin, w.m_dXMax, w.m_dYMax};
}
} // namespace

TEST(Viewport, MapsTruncatingTowardZeroAndClipsAtTheDeviceLimit)
{
    CRecordingSurface surface;
    CViewport viewport = Example(&surface);
    // -0.8 and -1.6 pixels truncate toward zero; past the limit, or infinite, stop at the limit.
    const double cases[][4] = {{50, 25, 400, 300}, {100, 50, 800, 0},  {0.1249, 0, 0, 600},
                               {-0.1, 0, 0, 600},  {-0.2, 0, -1, 600}, {200, -50, 1600, 1200}};
    for (const auto& c : cases)
        EXPECT_EQ(Device(viewport, c[0], c[1]), (SPoint{int(c[2]), int(c[3])})) << c[0] << ", " << c[1];
    EXPECT_EQ(Device(viewport, 1e12, -1e12), (SPoint{kLimit, kLimit}));
    EXPECT_EQ(Device(viewport, -kInf, kInf), (SPoint{-kLimit, -kLimit}));
    SPoint pt{1, 2};
    EXPECT_FALSE(viewport.WorldToDevice(CVector3(kNaN, 1), pt) ||
                 viewport.WorldToDevice(CVector3(1, kNaN), pt));
    // Lines are cut where they cross the limit, not squeezed into it: at x = 2^28, y is 300 - 0.75
    // (2^28 - 400) going out and 300 - 0.75 (2^28 - 480) coming back; a point that is no number
    // breaks them. A triangle reaching far past the limit is cut along it, and a spike upward is cut
    // across at the limit, where its sides have come a thousandth of a pixel nearer: 400.0009 and
    // 479.9991 truncate to 400 and 479.
    for (const auto& [x, y] : {std::pair{50.0, 25.0}, {50 + 1e12, 25 + 0.5e12}, {60.0, 25.0}})
        viewport.LineToWorld(CVector3(x, y));
    viewport.MoveToWorld(CVector3(1e12, 1e12));
    for (const auto& [x, y] : {std::pair{2e12, 1e12}, {50.0, 25.0}, {20.0, kNaN}, {30.0, 0.0}, {40.0, 0.0}})
        viewport.LineToWorld(CVector3(x, y));
    const CVector3 triangle[3] = {CVector3(50, 25), CVector3(50 + 1e12, 25), CVector3(50, 25 + 1e12)};
    viewport.PolygonWorld(triangle, 3);
    const CVector3 spike[3] = {CVector3(50, 25), CVector3(60, 25), CVector3(55, 25 + 1e12)};
    viewport.PolygonWorld(spike, 3);
    EXPECT_TRUE(testsupport::SameAsFile(surface.Text(), "view/clipping.txt"));
    viewport.m_rcDevice = SRect{10, 20, 110, 220};
    EXPECT_TRUE(Device(viewport, 0, 0) == (SPoint{10, 220}) &&
                Device(viewport, 100, 50) == (SPoint{110, 20}));
}

TEST(Viewport, UnusableMappingDrawsNothing)
{
    const SRect devices[] = {
        {0, 0, 0, 600}, {0, 0, 800, 0}, {0, 0, 800, 600}, {0, 0, 800, 600}, {0, 0, 800, 600}};
    const double bounds[][4] = {
        {0, 0, 100, 50}, {0, 0, 100, 50}, {0, 5, 100, 5}, {3, 0, 3, 50}, {0, 0, kInf, 50}};
    for (size_t i = 0; i < std::size(devices); ++i)
    {
        CRecordingSurface surface;
        CViewport viewport = Example(&surface);
        viewport.m_rcDevice = devices[i];
        viewport.m_window.Set(bounds[i][0], bounds[i][1], bounds[i][2], bounds[i][3]);
        SPoint pt{1, 2};
        EXPECT_FALSE(viewport.CanMap() || viewport.WorldToDevice(CVector3(1, 1), pt) || pt.x != 1) << i;
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

TEST(Viewport, ZoomAndPanWithinLimits)
{
    CViewport viewport = Example();
    EXPECT_TRUE(viewport.ZoomIn(0.12f));
    // The factor is single precision: 0.12f is not 0.12.
    const double f = 0.12f;
    EXPECT_EQ(Window(viewport), (std::vector<double>{f * 100, f * 50, 100 - f * 100, 50 - f * 50}));
    EXPECT_TRUE(viewport.ZoomOut(0.1f));
    EXPECT_NEAR(viewport.m_window.m_dXMin, f * 100 - 0.1 * (100 - 2 * f * 100), 1e-5);
    // A factor that would collapse or invert the window, or is no number, is refused.
    viewport = Example();
    const float fNaN = std::numeric_limits<float>::quiet_NaN();
    for (float fBad : {0.5f, 0.7f, 0.f, -0.1f, fNaN})
        EXPECT_FALSE(viewport.ZoomIn(fBad)) << fBad;
    for (float fBad : {0.f, -0.2f, fNaN, std::numeric_limits<float>::infinity()})
        EXPECT_FALSE(viewport.ZoomOut(fBad)) << fBad;
    EXPECT_EQ(Window(viewport), (std::vector<double>{0, 0, 100, 50}));

    // Zooming stops while the window still tells each pixel from the next and below the largest extent.
    const auto repeat = [](const std::function<bool()>& zoom) {
        int nSteps = 0;
        while (nSteps < 1000 && zoom())
            ++nSteps;
        return nSteps;
    };
    viewport.m_rcDevice = SRect{0, 0, 1280, 800};
    viewport.m_window.Set(150, -3, 151, 40);
    EXPECT_LT(repeat([&] { return viewport.ZoomIn(0.4999f); }), 1000);
    CVector3 a, b;
    ASSERT_TRUE(viewport.DeviceToWorld(639, 399, a) && viewport.DeviceToWorld(640, 400, b));
    EXPECT_TRUE(a.GetX() < b.GetX() && a.GetY() > b.GetY());
    const CWorldWindow& w = viewport.m_window;
    for (const double dWidth : {1.0, 1e4})
    {
        // Tall, then wide: the longer side stops it.
        viewport.m_window.Set(150, -3, 150 + dWidth, 40);
        EXPECT_LT(repeat([&] { return viewport.ZoomOut(0.5f); }), 1000);
        const double dLonger = std::max(w.m_dXMax - w.m_dXMin, w.m_dYMax - w.m_dYMin);
        EXPECT_TRUE(dLonger <= CViewport::kMaxExtent && dLonger > CViewport::kMaxExtent / 2.1) << dWidth;
    }
    viewport.m_window.Set(150, 1, 160, 2);
    const int nSteps = repeat([&] { return viewport.ZoomToBox(640, 400, 641, 399); });
    EXPECT_TRUE(nSteps > 2 && nSteps < 1000 && w.m_dXMin < w.m_dXMax && w.m_dYMin < w.m_dYMax) << nSteps;

    // Either way round; a pixel column sets only y, a row only x, one pixel nothing.
    const double cases[][8] = {
        {200, 150, 600, 450, 25, 12.5, 75, 37.5}, {600, 450, 200, 150, 25, 12.5, 75, 37.5},
        {400, 0, 400, 300, 0, 25, 100, 50},       {0, 300, 400, 300, 0, 0, 50, 50},
        {123, 45, 123, 45, 0, 0, 100, 50},        {400, 300, 401, 299, 50, 25, 50.125, 25 + 50.0 / 600}};
    for (const auto& c : cases)
    {
        viewport = Example();
        EXPECT_EQ(viewport.ZoomToBox(int(c[0]), int(c[1]), int(c[2]), int(c[3])), c[0] != 123) << c[0];
        EXPECT_EQ(Window(viewport), (std::vector<double>{c[4], c[5], c[6], c[7]})) << c[0];
    }
    // The window moves against the drag; a drag to infinity or from no number moves nothing.
    viewport = Example();
    EXPECT_TRUE(viewport.Pan(CVector3(10, 5), CVector3(12, 4)));
    EXPECT_FALSE(viewport.Pan(CVector3(0, 0), CVector3(kInf, 0)) ||
                 viewport.Pan(CVector3(kNaN, 0), CVector3(0, 0)));
    EXPECT_EQ(Window(viewport), (std::vector<double>{-2, 1, 98, 51}));
}
