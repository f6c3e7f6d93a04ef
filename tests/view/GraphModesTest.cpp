// The drawing pass in its four modes on the recording surface, with the axes that end it, and the
// load whose strip holds a point.
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <limits>

#include "GraphTestLists.h"
#include "RecordingSurface.h"
#include "TestSupport.h"
#include "model/ResultantLimits.h"
#include "view/GraphPass.h"
#include "view/Viewport.h"

using testsupport::SameAsFile;

namespace
{
constexpr double kEps = 1e-6;
const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();
using SLines = std::vector<std::vector<SPoint>>;

// The two uniform loads' fitted window, x -1..22, y -1..11 over 2300 x 1200, is 100 pixels a unit.
std::vector<SPoint> Fitted(const std::vector<std::pair<double, double>>& points)
{
    std::vector<SPoint> pixels;
    for (const auto& [x, y] : points)
        pixels.push_back(SPoint{static_cast<int>((x + 1) * 100), static_cast<int>(1100 - 100 * y)});
    return pixels;
}

CViewport Viewport(int nWidth, int nHeight, double dXMin = -1, double dYMin = -1, double dXMax = 22,
                   double dYMax = 11)
{
    CViewport viewport;
    viewport.m_rcDevice = SRect{0, 0, nWidth, nHeight};
    viewport.m_window.Set(dXMin, dYMin, dXMax, dYMax);
    return viewport;
}

struct SPass
{
    CRecordingSurface surface;
    int nMode;
    bool bDrawn = false;
};

SPass Draw(CLoadList& list, CViewport& viewport, int nMode, int nSelected = 0, bool bAutoZoom = true)
{
    SPass pass{CRecordingSurface(), nMode};
    pass.bDrawn = CGraphPass(list, viewport).Draw(pass.surface, pass.nMode, nSelected, bAutoZoom);
    return pass;
}

// The outline of the first n loads as written out, one evaluation of the model per point.
void LiteralOutline(CLoadList& list, CViewport& viewport, int n)
{
    const std::vector<double> xs = list.m_abscissae.Values();
    viewport.MoveToWorld(CVector3(xs.front(), 0));
    for (double x : xs)
    {
        viewport.LineToWorld(CVector3(x, list.PartialSumAt(n, x - kEps)));
        viewport.LineToWorld(CVector3(x, list.PartialSumAt(n, x + kEps)));
    }
    viewport.LineToWorld(CVector3(xs.back(), 0));
    viewport.LineToWorld(CVector3(xs.front(), 0));
}

void LiteralBand(CLoadList& list, CViewport& viewport, int n)
{
    viewport.m_pSurface->SelectObject(CBrush::CreateSolidBrush(0));
    viewport.m_pSurface->SelectObject(CPen(PS_NULL, 0, 0));
    const std::vector<double> xs = list.m_abscissae.Values();
    const auto at = [&](double x, int k, double d) { return CVector3(x, list.PartialSumAt(k, x + d)); };
    for (size_t j = 0; j < xs.size(); ++j)
    {
        const double x = xs[j], xNext = xs[std::min(j + 1, xs.size() - 1)];
        const CVector3 band[5] = {at(x, n - 1, kEps), at(x, n, kEps), at(xNext, n, -kEps),
                                  at(xNext, n - 1, -kEps), at(x, n - 1, kEps)};
        viewport.PolygonWorld(band, 5);
    }
}

// Shows where the first call that differs lies rather than two lists of thousands.
void ExpectSameCalls(CViewport& viewport, const std::function<void()>& fast,
                     const std::function<void()>& literal)
{
    CRecordingSurface a, b;
    viewport.SetSurface(&a);
    fast();
    viewport.SetSurface(&b);
    literal();
    EXPECT_TRUE(testsupport::SameBytes(a.Text(), b.Text()));
}
} // namespace

TEST(GraphModes, TwoUniformLoadsInTheFittedWindow)
{
    CLoadList list;
    TwoUniformLoads(list);
    CViewport viewport = Viewport(2300, 1200, 0, 0, 1, 1);
    const SPass pass = Draw(list, viewport, CGraphPass::modeResultant);
    const CWorldWindow& w = viewport.m_window;
    EXPECT_TRUE(pass.bDrawn);
    EXPECT_EQ((std::vector<double>{w.m_dXMin, w.m_dXMax, w.m_dYMin, w.m_dYMax}),
              (std::vector<double>{-1, 22, -1, 11}));
    // The nine-point outline, the load axis at the largest abscissa and the length axis back; ticks
    // of 1.5 mm at 1 ... 10 t/m and every 2 m, labelled at their ends, in 18 points (24 tenths of
    // a millimetre on a 96 dots-per-inch screen), and the surface's own font put back.
    EXPECT_TRUE(SameAsFile(pass.surface.Text(), "view/two-uniform-loads.txt"));
    EXPECT_EQ(pass.surface.m_nMapMode, MM_TEXT);
    EXPECT_EQ(CFont::CreatePointFont(180, "Arial", 98).m_nHeight, 25);
    // Without the fit the window stays; a load edited in place shows at the next pass.
    list.m_pCurrent->m_dX2 = 21;
    const SLines edited = Draw(list, viewport, CGraphPass::modeResultant, 0, false).surface.m_lines[0];
    EXPECT_TRUE(w.m_dXMax == 22 && edited.at(0).at(5).x == 2200);
    list.Append("C", 5, 30, 40, 10);
    Draw(list, viewport, CGraphPass::modeResultant);
    EXPECT_TRUE(w.m_dXMin == -2 && w.m_dXMax == 44);
}

TEST(GraphModes, LabelsShowTheAccumulatedTickValues)
{
    // 0.1 added eight times is 0.7999999999999999: pixel 799, shown as 0.8; six times is 0.6, not 6 x 0.1.
    CLoadList list;
    list.Append("A", 0.5, 0, 1, 1);
    CViewport viewport = Viewport(1000, 1000, 0, 0, 1, 1);
    EXPECT_TRUE(SameAsFile(Draw(list, viewport, CGraphPass::modeResultant, 0, false).surface.Text(),
                           "view/tenths.txt"));
    // Large values in exponent form: 1234 t/m at three digits, 123456 m at five.
    CLoadList big;
    big.Append("B", 61728, 0, 123456, 1234.0 * 123456);
    viewport = Viewport(800, 600, -1e4, -100, 2e5, 1500);
    EXPECT_TRUE(SameAsFile(Draw(big, viewport, CGraphPass::modeResultant, 0, false).surface.Text(),
                           "view/big-labels.txt"));
}

TEST(GraphModes, CurvesMatchTheLiteralSumsBitForBit)
{
    // The points of a weight that is no number or infinite are skipped either way.
    CLoadList list;
    MixedLoads(list, 30, 3);
    list.Append("nan", 1, 20, 24, kNaN);
    list.Append("inf", 1, 30, 34, kInf);
    MixedLoads(list, 30, 4);
    list.RebuildAbscissae();
    // A device of 2^27 pixels a side, so that differences far below a screen's pixel show.
    CViewport viewport = Viewport(1 << 27, 1 << 27);
    const CResultantLimits limits(list);
    list.ComputePlotBounds(viewport, limits);
    ExpectSameCalls(
        viewport, [&] { list.DrawResultant(viewport, limits); },
        [&] { LiteralOutline(list, viewport, list.m_nCount); });
    ExpectSameCalls(
        viewport, [&] { list.DrawCumulative(viewport); },
        [&] {
            for (int i = 1; i <= list.m_nCount; ++i)
                LiteralOutline(list, viewport, i);
        });
    for (int n : {1, 32, list.m_nCount, list.m_nCount + 1})
        ExpectSameCalls(
            viewport, [&] { list.FillLoadBand(n, viewport, 0); }, [&] { LiteralBand(list, viewport, n); });
}

TEST(GraphModes, SingleLoadAndLoadInTheWhole)
{
    CLoadList list;
    TwoUniformLoads(list);
    list.Append("C", 2, 4, 10, 12);
    CViewport viewport = Viewport(2300, 1200);
    const auto single = [&](int n) {
        return Draw(list, viewport, CGraphPass::modeSingleLoad, n, false).surface.m_lines[0].at(0);
    };
    EXPECT_EQ(single(2), Fitted({{10, 0}, {10, 5}, {20, 5}, {20, 0}, {10, 0}}));
    // C, centroid at L/3, peaks at X1; no selection or one out of range draws the cursor's, the last.
    for (int n : {0, 3, 4, -1})
        EXPECT_EQ(single(n), Fitted({{4, 0}, {4, 4}, {10, 0}, {10, 0}, {4, 0}})) << n;

    // B's strip: green polygons without outline after both outlines, the pen and brush put back after.
    CLoadList overlapping;
    TwoOverlappingLoads(overlapping);
    const SPass strip = Draw(overlapping, viewport, CGraphPass::modeLoadInWhole, 2, false);
    EXPECT_TRUE(SameAsFile(strip.surface.Text(), "view/load-in-whole.txt"));
    auto calls = strip.surface.m_calls;
    calls.erase(calls.begin() + 22, calls.begin() + 26);
    EXPECT_EQ(Draw(overlapping, viewport, CGraphPass::modeLoadInWhole, 0, false).surface.m_calls, calls);
}

TEST(GraphModes, NothingIsDrawnWithoutLoadsModeOrRoom)
{
    const auto nothing = [](const SPass& pass) { return !pass.bDrawn && pass.surface.m_calls.empty(); };
    CViewport viewport = Viewport(800, 600);
    CLoadList empty;
    for (int nMode = 0; nMode < 4; ++nMode)
        EXPECT_TRUE(nothing(Draw(empty, viewport, nMode, 1))) << nMode;
    // A mode out of range is set back to the resultant, which the next pass draws.
    CLoadList list;
    TwoUniformLoads(list);
    for (int nBadMode : {4, -1, 32800})
    {
        const SPass pass = Draw(list, viewport, nBadMode);
        EXPECT_TRUE(nothing(pass) && pass.nMode == CGraphPass::modeResultant) << nBadMode;
    }
    // A negative load alone fits a window of no height; a minimised view has no room.
    CLoadList negative;
    negative.Append("N", 5, 0, 10, -100);
    EXPECT_TRUE(nothing(Draw(negative, viewport, CGraphPass::modeDetailed)));
    EXPECT_EQ(viewport.m_window.m_dYMin, viewport.m_window.m_dYMax);
    CViewport minimised = Viewport(0, 0);
    EXPECT_TRUE(nothing(Draw(list, minimised, CGraphPass::modeLoadInWhole, 1)));
}

TEST(PickLoad, FindsTheStripThatHoldsThePointAndNeverWalksPastTheLastLoad)
{
    // p is 10 t/m over 0..5 and 10..15, 20 over 5..10, and 20 at x = 10 where A's end and B count.
    CLoadList list;
    TwoOverlappingLoads(list);
    list.RebuildAbscissae();
    const double cases[][3] = {{7, 20.5, 0},   {7, 0, 0},  {7, -1, 0}, {7, 1e-9, 1}, {7, 10, 1},
                               {7, 10.001, 2}, {7, 20, 2}, {12, 5, 2}, {10, 15, 2},  {30, 1, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(list.PickLoad(c[0], c[1]), c[2]) << c[0] << ", " << c[1];
    EXPECT_TRUE(list.PickLoad(7, kNaN) == 0 && list.PickLoad(kNaN, 5) == 0 && list.PickLoad(7, kInf) == 0);
    EXPECT_EQ(CLoadList().PickLoad(0, 1), 0);

    // Sums that are no numbers hold no point; sums that overflow leave the last strip reaching infinity.
    const auto pick = [](double dFirst, double dSecond, double y) {
        CLoadList loads;
        for (double dWeight : {dFirst, dSecond, dSecond})
            loads.Append("L", 0.5, 0, 1, dWeight);
        loads.RebuildAbscissae();
        return loads.PickLoad(0.5, y);
    };
    EXPECT_EQ(pick(kNaN, 100, 1), 0);
    EXPECT_TRUE(pick(100, kInf, 3) == 1 && pick(100, kInf, 200) == 0);
    EXPECT_TRUE(pick(8e307, 8e307, 1e300) == 1 && pick(8e307, 8e307, 1.7e308) == 3);
}
