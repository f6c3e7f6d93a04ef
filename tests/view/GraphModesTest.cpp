// The drawing pass in its four modes on the recording surface: outlines, the automatic fit, the
// stacked graph, one load, the strip of one load, and what is not drawn.
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <limits>

#include "GraphTestLists.h"
#include "RecordingSurface.h"
#include "view/GraphPass.h"
#include "view/Viewport.h"

namespace
{
constexpr double kEps = 1e-6;

// The fitted window of the two uniform loads, x -1..22 and y -1..11, over 2300 x 1200 pixels: 100
// pixels to the metre and to the tonne per metre.
std::vector<SPoint> Fitted(const std::vector<std::pair<double, double>>& points)
{
    std::vector<SPoint> outline;
    for (const auto& [x, y] : points)
        outline.push_back(SPoint{static_cast<int>((x + 1) * 100), static_cast<int>(1100 - 100 * y)});
    return outline;
}

CViewport FittedViewport(int nWidth = 2300, int nHeight = 1200)
{
    CViewport viewport;
    viewport.m_rcDevice = SRect{0, 0, nWidth, nHeight};
    viewport.m_window.Set(-1, -1, 22, 11);
    return viewport;
}

struct SPass
{
    CRecordingSurface surface;
    int nMode;
    bool bDrawn;
};

SPass Draw(CLoadList& list, CViewport& viewport, int nMode, int nSelected = 0, bool bAutoZoom = true)
{
    SPass result{CRecordingSurface(), nMode, false};
    result.bDrawn = CGraphPass(list, viewport).Draw(result.surface, result.nMode, nSelected, bAutoZoom);
    return result;
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
    const std::vector<double> xs = list.m_abscissae.Values();
    for (size_t j = 0; j < xs.size(); ++j)
    {
        const double x = xs[j];
        const double xNext = xs[std::min(j + 1, xs.size() - 1)];
        const CVector3 band[5] = {CVector3(x, list.PartialSumAt(n - 1, x + kEps)),
                                  CVector3(x, list.PartialSumAt(n, x + kEps)),
                                  CVector3(xNext, list.PartialSumAt(n, xNext - kEps)),
                                  CVector3(xNext, list.PartialSumAt(n - 1, xNext - kEps)),
                                  CVector3(x, list.PartialSumAt(n - 1, x + kEps))};
        viewport.PolygonWorld(band, 5);
    }
}

// Draws both ways and reports the first call that differs rather than two lists of thousands.
void ExpectSameCalls(CViewport& viewport, const std::function<void()>& fast,
                     const std::function<void()>& literal, const char* pszWhat)
{
    CRecordingSurface a;
    CRecordingSurface b;
    viewport.SetSurface(&a);
    fast();
    viewport.SetSurface(&b);
    literal();
    EXPECT_EQ(a.m_calls.size(), b.m_calls.size()) << pszWhat;
    const auto [itA, itB] =
        std::mismatch(a.m_calls.begin(), a.m_calls.end(), b.m_calls.begin(), b.m_calls.end());
    if (itA != a.m_calls.end() && itB != b.m_calls.end())
    {
        EXPECT_EQ(*itA, *itB) << pszWhat << " at call " << (itA - a.m_calls.begin());
    }
}
} // namespace

TEST(GraphModes, OutlinesOfTwoUniformLoadsInTheFittedWindow)
{
    CLoadList list;
    TwoUniformLoads(list);
    CViewport viewport = FittedViewport();
    // A window that the automatic fit replaces.
    viewport.m_window.Set(0, 0, 1, 1);
    const SPass result = Draw(list, viewport, CGraphPass::modeResultant);
    EXPECT_TRUE(result.bDrawn);
    const CWorldWindow& w = viewport.m_window;
    EXPECT_EQ((std::vector<double>{w.m_dXMin, w.m_dXMax, w.m_dYMin, w.m_dYMax}),
              (std::vector<double>{-1, 22, -1, 11}));
    // The nine-point outline, then the load axis at the largest abscissa and the length axis back.
    const auto outline =
        Fitted({{0, 0}, {0, 0}, {0, 10}, {10, 10}, {10, 5}, {20, 5}, {20, 0}, {20, 0}, {0, 0}});
    EXPECT_EQ(
        result.surface.Polylines(),
        (std::vector<std::vector<SPoint>>{outline, Fitted({{20, 10}, {20, 0}}), Fitted({{20, 0}, {0, 0}})}));
    // The detailed graph stacks the loads in list order, A alone, then A and B.
    const auto lines = Draw(list, viewport, CGraphPass::modeDetailed).surface.Polylines();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0],
              Fitted({{0, 0}, {0, 0}, {0, 10}, {10, 10}, {10, 0}, {20, 0}, {20, 0}, {20, 0}, {0, 0}}));
    EXPECT_EQ(lines[1], outline);
    EXPECT_EQ(list.m_pCurrent->m_strName, "B");

    // Without the automatic fit the window stays; an edit straight into a load, as the loads list
    // makes it, shows at the next pass.
    list.m_pCurrent->m_dX2 = 21;
    const auto edited = Draw(list, viewport, CGraphPass::modeResultant, 0, false).surface.Polylines();
    EXPECT_EQ(viewport.m_window.m_dXMax, 22);
    EXPECT_EQ(edited.at(0).at(5).x, Fitted({{21, 0}})[0].x);
    list.Append("C", 5, 30, 40, 10);
    Draw(list, viewport, CGraphPass::modeResultant);
    EXPECT_EQ(viewport.m_window.m_dXMin, -2);
    EXPECT_EQ(viewport.m_window.m_dXMax, 44);
}

TEST(GraphModes, CurvesMatchTheLiteralSumsBitForBit)
{
    // Loads of every kind, one of weight not a number and one infinite: their points are skipped
    // the same way whichever way the sums are taken.
    CLoadList list;
    MixedLoads(list, 60, 3);
    list.Append("nan", 1, 20, 24, std::numeric_limits<double>::quiet_NaN());
    list.Append("inf", 1, 30, 34, std::numeric_limits<double>::infinity());
    list.RebuildAbscissae();
    CViewport viewport = FittedViewport(1280, 800);
    list.ComputePlotBounds(viewport);
    ExpectSameCalls(
        viewport, [&] { list.DrawResultant(viewport); },
        [&] { LiteralOutline(list, viewport, list.m_nCount); }, "resultant");
    ExpectSameCalls(
        viewport, [&] { list.DrawCumulative(viewport); },
        [&] {
            for (int i = 1; i <= list.m_nCount; ++i)
                LiteralOutline(list, viewport, i);
        },
        "cumulative");
    for (int n : {1, 2, 30, list.m_nCount, list.m_nCount + 1})
    {
        ExpectSameCalls(
            viewport, [&] { list.FillLoadBand(n, viewport, 0); }, [&] { LiteralBand(list, viewport, n); },
            "band");
    }
}

TEST(GraphModes, SingleLoadModeDrawsTheSelectedTrapezoid)
{
    CLoadList list;
    TwoUniformLoads(list);
    list.Append("C", 2, 4, 10, 12);
    CViewport viewport = FittedViewport();
    const auto outline = [&](int n) {
        const auto lines = Draw(list, viewport, CGraphPass::modeSingleLoad, n, false).surface.Polylines();
        return lines.empty() ? std::vector<SPoint>() : lines[0];
    };
    EXPECT_EQ(outline(2), Fitted({{10, 0}, {10, 5}, {20, 5}, {20, 0}, {10, 0}}));
    // C has its centroid at L/3: a triangle with its peak at X1. No selection, or one out of range,
    // draws the load at the cursor, which the rebuild leaves on the last.
    for (int n : {0, 3, 4, -1})
        EXPECT_EQ(outline(n), Fitted({{4, 0}, {4, 4}, {10, 0}, {10, 0}, {4, 0}})) << n;
}

TEST(GraphModes, LoadInTheWholeFillsOnlyTheSelectedStrip)
{
    CLoadList list;
    TwoOverlappingLoads(list);
    CViewport viewport = FittedViewport();
    const SPass result = Draw(list, viewport, CGraphPass::modeLoadInWhole, 2, false);
    // Over 0..5 B is absent and the strip has no height; over 5..10 it lies on A, over 10..15 on the
    // axis; at the largest abscissa it has no width.
    EXPECT_EQ(result.surface.Polygons(),
              (std::vector<std::vector<SPoint>>{Fitted({{0, 10}, {0, 10}, {5, 10}, {5, 10}, {0, 10}}),
                                                Fitted({{5, 10}, {5, 20}, {10, 20}, {10, 10}, {5, 10}}),
                                                Fitted({{10, 0}, {10, 10}, {15, 10}, {15, 0}, {10, 0}}),
                                                Fitted({{15, 0}, {15, 0}, {15, 10}, {15, 0}, {15, 0}})}));
    for (const auto& [pen, brush] : result.surface.m_polygonObjects)
        EXPECT_TRUE(pen.m_nStyle == PS_NULL && brush.m_crColour == RGB(0, 200, 0));
    EXPECT_TRUE(result.surface.m_pen == CPen() && result.surface.m_brush == CBrush());
    // The strip comes after both outlines and before the axes.
    const auto& calls = result.surface.m_calls;
    const auto itFirst =
        std::find_if(calls.begin(), calls.end(), [](const SCall& c) { return c.strName == "Polygon"; });
    EXPECT_EQ(std::count_if(calls.begin(), itFirst, [](const SCall& c) { return c.strName == "MoveTo"; }), 2);

    const SPass none = Draw(list, viewport, CGraphPass::modeLoadInWhole, 0, false);
    EXPECT_TRUE(none.surface.Polygons().empty());
    EXPECT_EQ(none.surface.Polylines().size(), 4u);
}

TEST(GraphModes, NothingIsDrawnWithoutLoadsModeOrRoom)
{
    const auto nothing = [](const SPass& pass) { return !pass.bDrawn && pass.surface.m_calls.empty(); };
    CViewport viewport = FittedViewport(800, 600);
    CLoadList empty;
    for (int nMode = 0; nMode < 4; ++nMode)
        EXPECT_TRUE(nothing(Draw(empty, viewport, nMode, 1))) << nMode;
    // A mode out of range is set back to the resultant, which the next pass draws.
    CLoadList list;
    TwoUniformLoads(list);
    for (int nBadMode : {4, -1, 32800})
    {
        const SPass result = Draw(list, viewport, nBadMode);
        EXPECT_TRUE(nothing(result) && result.nMode == CGraphPass::modeResultant) << nBadMode;
    }
    // A load of negative weight alone fits a window of no height; a minimised view has no room.
    CLoadList negative;
    negative.Append("N", 5, 0, 10, -100);
    EXPECT_TRUE(nothing(Draw(negative, viewport, CGraphPass::modeDetailed)));
    EXPECT_EQ(viewport.m_window.m_dYMin, viewport.m_window.m_dYMax);
    CViewport minimised = FittedViewport(0, 0);
    EXPECT_TRUE(nothing(Draw(list, minimised, CGraphPass::modeLoadInWhole, 1)));
}
