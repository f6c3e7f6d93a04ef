// The drawing pass in its four modes on the recording surface: outlines, the automatic fit, the
// stacked graph, one load, the strip of one load, and what is not drawn.
#include <gtest/gtest.h>
#include <limits>

#include "GraphTestLists.h"
#include "RecordingSurface.h"
#include "view/GraphPass.h"
#include "view/Viewport.h"

namespace
{
constexpr double kEps = 1e-6;

// The fitted window of the two uniform loads, x -1..22 and y -1..11, spread over 2300 x 1200
// pixels: 100 pixels to the metre and to the tonne per metre.
SPoint Fitted(double x, double y)
{
    return SPoint{static_cast<int>((x + 1) * 100), static_cast<int>(1100 - 100 * y)};
}

std::vector<SPoint> FittedOutline(const std::vector<std::pair<double, double>>& points)
{
    std::vector<SPoint> outline;
    for (const auto& [x, y] : points)
        outline.push_back(Fitted(x, y));
    return outline;
}

struct SPassResult
{
    CRecordingSurface surface;
    bool bDrawn = false;
};

void RunPass(CLoadList& list, CViewport& viewport, SPassResult& result, int nMode, int nSelected = 0,
             bool bAutoZoom = true)
{
    CGraphPass pass(list, viewport);
    result.bDrawn = pass.Draw(result.surface, nMode, nSelected, bAutoZoom);
}

// The curves as written out, one evaluation of the model per point.
void LiteralResultant(CLoadList& list, CViewport& viewport)
{
    const std::vector<double> xs = list.m_abscissae.Values();
    viewport.MoveToWorld(CVector3(list.m_abscissae.Min(), 0));
    for (double x : xs)
    {
        viewport.LineToWorld(CVector3(x, list.ValueAt(x - kEps)));
        viewport.LineToWorld(CVector3(x, list.ValueAt(x + kEps)));
    }
    viewport.LineToWorld(CVector3(list.m_abscissae.Max(), 0));
    viewport.LineToWorld(CVector3(list.m_abscissae.Min(), 0));
}

void LiteralCumulative(CLoadList& list, CViewport& viewport)
{
    const std::vector<double> xs = list.m_abscissae.Values();
    for (int i = 1; i <= list.m_nCount; ++i)
    {
        viewport.MoveToWorld(CVector3(xs.front(), 0));
        for (double x : xs)
        {
            viewport.LineToWorld(CVector3(x, list.PartialSumAt(i, x - kEps)));
            viewport.LineToWorld(CVector3(x, list.PartialSumAt(i, x + kEps)));
        }
        viewport.LineToWorld(CVector3(xs.back(), 0));
        viewport.LineToWorld(CVector3(xs.front(), 0));
    }
}

void LiteralBand(CLoadList& list, int n, CViewport& viewport)
{
    const std::vector<double> xs = list.m_abscissae.Values();
    for (size_t j = 0; j < xs.size(); ++j)
    {
        const double x = xs[j];
        const double xNext = j + 1 < xs.size() ? xs[j + 1] : x;
        const CVector3 world[5] = {CVector3(x, list.PartialSumAt(n - 1, x + kEps)),
                                   CVector3(x, list.PartialSumAt(n, x + kEps)),
                                   CVector3(xNext, list.PartialSumAt(n, xNext - kEps)),
                                   CVector3(xNext, list.PartialSumAt(n - 1, xNext - kEps)),
                                   CVector3(x, list.PartialSumAt(n - 1, x + kEps))};
        SPoint device[5];
        bool bMapped = true;
        for (int i = 0; i < 5; ++i)
            bMapped = bMapped && viewport.WorldToDevice(world[i], device[i]);
        // A strip over a load that is not a number has no place on the device.
        if (bMapped)
            viewport.m_pSurface->Polygon(device, 5);
    }
}

void ExpectSameCalls(const std::vector<SCall>& actual, const std::vector<SCall>& expected,
                     const char* pszWhat)
{
    const long nAt = FirstDifference(actual, expected);
    EXPECT_EQ(nAt, -1) << pszWhat << ": " << actual.size() << " calls against " << expected.size();
    if (nAt >= 0 && static_cast<size_t>(nAt) < std::min(actual.size(), expected.size()))
    {
        EXPECT_EQ(actual[static_cast<size_t>(nAt)], expected[static_cast<size_t>(nAt)])
            << pszWhat << " at call " << nAt;
    }
}

void ExpectSameCalls(const CRecordingSurface& actual, const CRecordingSurface& expected, const char* pszWhat)
{
    ExpectSameCalls(actual.m_calls, expected.m_calls, pszWhat);
}
} // namespace

TEST(GraphModes, ResultantOfTwoUniformLoadsIsTheNinePointOutline)
{
    CLoadList list;
    TwoUniformLoads(list);
    CViewport viewport;
    viewport.m_rcDevice = SRect{0, 0, 2300, 1200};
    SPassResult result;
    RunPass(list, viewport, result, CGraphPass::modeResultant);
    EXPECT_TRUE(result.bDrawn);

    EXPECT_EQ(viewport.m_window.m_dXMin, -1);
    EXPECT_EQ(viewport.m_window.m_dXMax, 22);
    EXPECT_EQ(viewport.m_window.m_dYMin, -1);
    EXPECT_EQ(viewport.m_window.m_dYMax, 11);

    const auto lines = result.surface.Polylines(MM_TEXT);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0],
              FittedOutline({{0, 0}, {0, 0}, {0, 10}, {10, 10}, {10, 5}, {20, 5}, {20, 0}, {20, 0}, {0, 0}}));
    // Then the axes: the load axis at the largest abscissa, the length axis back to the smallest.
    EXPECT_EQ(lines[1], (std::vector<SPoint>{Fitted(20, 10), Fitted(20, 0)}));
    EXPECT_EQ(lines[2], (std::vector<SPoint>{Fitted(20, 0), Fitted(0, 0)}));
    EXPECT_EQ(result.surface.m_nMapMode, MM_TEXT);
}

TEST(GraphModes, SingleLoadGivesSevenPointsAndTheDetailedGraphTheSame)
{
    CLoadList list;
    list.Append("A", 1, 0, 6, 12);
    CViewport viewport;
    viewport.m_rcDevice = SRect{0, 0, 1000, 500};
    SPassResult resultant;
    RunPass(list, viewport, resultant, CGraphPass::modeResultant);
    const auto lines = resultant.surface.Polylines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0].size(), 7u);

    SPassResult detailed;
    RunPass(list, viewport, detailed, CGraphPass::modeDetailed);
    ExpectSameCalls(detailed.surface, resultant.surface, "one load, detailed against resultant");
}

TEST(GraphModes, DetailedGraphStacksTheLoadsInListOrder)
{
    CLoadList list;
    TwoUniformLoads(list);
    CViewport viewport;
    viewport.m_rcDevice = SRect{0, 0, 2300, 1200};
    SPassResult result;
    RunPass(list, viewport, result, CGraphPass::modeDetailed);
    const auto lines = result.surface.Polylines();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0],
              FittedOutline({{0, 0}, {0, 0}, {0, 10}, {10, 10}, {10, 0}, {20, 0}, {20, 0}, {20, 0}, {0, 0}}));
    EXPECT_EQ(lines[1],
              FittedOutline({{0, 0}, {0, 0}, {0, 10}, {10, 10}, {10, 5}, {20, 5}, {20, 0}, {20, 0}, {0, 0}}));
    EXPECT_EQ(list.m_pCurrent->m_strName, "B");
}

TEST(GraphModes, CurvesMatchTheLiteralSumsBitForBit)
{
    for (unsigned nSeed : {1u, 2u, 3u})
    {
        CLoadList list;
        MixedLoads(list, 60, nSeed);
        // A load whose weight is not a number and one of infinite weight: their points are
        // skipped the same way whichever way the sums are taken.
        if (nSeed == 3)
        {
            list.Append("nan", 1, 20, 24, std::numeric_limits<double>::quiet_NaN());
            list.Append("inf", 1, 30, 34, std::numeric_limits<double>::infinity());
        }
        list.RebuildAbscissae();
        CViewport viewport;
        viewport.m_rcDevice = SRect{0, 0, 1280, 800};
        list.ComputePlotBounds(viewport);

        CRecordingSurface fast;
        CRecordingSurface literal;
        viewport.SetSurface(&fast);
        list.DrawResultant(viewport);
        viewport.SetSurface(&literal);
        LiteralResultant(list, viewport);
        ExpectSameCalls(fast, literal, "resultant");

        fast.m_calls.clear();
        literal.m_calls.clear();
        viewport.SetSurface(&fast);
        list.DrawCumulative(viewport);
        viewport.SetSurface(&literal);
        LiteralCumulative(list, viewport);
        ExpectSameCalls(fast, literal, "cumulative");
        EXPECT_GT(fast.Count("LineTo"), 1000u);

        for (int n : {1, 2, 30, list.m_nCount, list.m_nCount + 1})
        {
            CRecordingSurface fastBand;
            CRecordingSurface literalBand;
            viewport.SetSurface(&fastBand);
            list.FillLoadBand(n, viewport, RGB(0, 200, 0));
            viewport.SetSurface(&literalBand);
            LiteralBand(list, n, viewport);
            ExpectSameCalls(fastBand.DrawingCalls(), literalBand.DrawingCalls(), "band");
        }
    }
}

TEST(GraphModes, SingleLoadModeDrawsTheSelectedTrapezoid)
{
    CLoadList list;
    TwoUniformLoads(list);
    list.Append("C", 2, 4, 10, 12);
    CViewport viewport;
    viewport.m_rcDevice = SRect{0, 0, 2300, 1200};
    viewport.m_window.Set(-1, -1, 22, 11);

    SPassResult second;
    RunPass(list, viewport, second, CGraphPass::modeSingleLoad, 2, false);
    ASSERT_FALSE(second.surface.Polylines().empty());
    EXPECT_EQ(second.surface.Polylines()[0], FittedOutline({{10, 0}, {10, 5}, {20, 5}, {20, 0}, {10, 0}}));

    // Load C has its centroid at L/3: a triangle with its peak at X1.
    const std::vector<SPoint> third = FittedOutline({{4, 0}, {4, 4}, {10, 0}, {10, 0}, {4, 0}});
    // No selection, or one out of range: the load at the cursor, which the rebuild leaves on the last.
    for (int n : {0, 3, 4, -1})
    {
        SPassResult result;
        RunPass(list, viewport, result, CGraphPass::modeSingleLoad, n, false);
        ASSERT_FALSE(result.surface.Polylines().empty());
        EXPECT_EQ(result.surface.Polylines()[0], third) << n;
    }
}

TEST(GraphModes, LoadInTheWholeFillsOnlyTheSelectedStrip)
{
    CLoadList list;
    TwoOverlappingLoads(list);
    CViewport viewport;
    viewport.m_rcDevice = SRect{0, 0, 1000, 1000};
    viewport.m_window.Set(0, 0, 20, 20);
    const auto device = [](double x, double y) {
        return SPoint{static_cast<int>(x * 50), static_cast<int>(1000 - y * 50)};
    };

    SPassResult result;
    RunPass(list, viewport, result, CGraphPass::modeLoadInWhole, 2, false);
    const auto polygons = result.surface.Polygons();
    ASSERT_EQ(polygons.size(), 4u);
    // Over 0..5 B is absent: the strip has no height. Over 5..10 it lies on A, over 10..15 on the axis.
    EXPECT_EQ(polygons[0], (std::vector<SPoint>{device(0, 10), device(0, 10), device(5, 10), device(5, 10),
                                                device(0, 10)}));
    EXPECT_EQ(polygons[1], (std::vector<SPoint>{device(5, 10), device(5, 20), device(10, 20), device(10, 10),
                                                device(5, 10)}));
    EXPECT_EQ(polygons[2], (std::vector<SPoint>{device(10, 0), device(10, 10), device(15, 10), device(15, 0),
                                                device(10, 0)}));
    // At the largest abscissa the polygon has no width.
    EXPECT_EQ(polygons[3], (std::vector<SPoint>{device(15, 0), device(15, 0), device(15, 10), device(15, 0),
                                                device(15, 0)}));
    for (size_t i = 0; i < polygons.size(); ++i)
    {
        EXPECT_EQ(result.surface.m_polygonBrushes[i].m_crColour, RGB(0, 200, 0));
        EXPECT_EQ(result.surface.m_polygonPens[i].m_nStyle, PS_NULL);
    }
    // The strip comes after both outlines and before the axes; pen and brush are put back.
    const auto calls = result.surface.DrawingCalls();
    const auto first =
        std::find_if(calls.begin(), calls.end(), [](const SCall& call) { return call.strName == "Polygon"; });
    EXPECT_EQ(std::count_if(calls.begin(), first, [](const SCall& call) { return call.strName == "MoveTo"; }),
              2);
    EXPECT_EQ(result.surface.m_pen, CPen());
    EXPECT_EQ(result.surface.m_brush, CBrush());

    // With no selection nothing is filled.
    SPassResult none;
    RunPass(list, viewport, none, CGraphPass::modeLoadInWhole, 0, false);
    EXPECT_EQ(none.surface.Count("Polygon"), 0u);
    EXPECT_EQ(none.surface.Polylines().size(), 4u);
}

TEST(GraphModes, NothingIsDrawnWithoutLoadsModeOrRoom)
{
    CViewport viewport;
    viewport.m_rcDevice = SRect{0, 0, 800, 600};
    CLoadList empty;
    for (int nMode = 0; nMode < 4; ++nMode)
    {
        SPassResult result;
        RunPass(empty, viewport, result, nMode, 1);
        EXPECT_FALSE(result.bDrawn);
        EXPECT_TRUE(result.surface.m_calls.empty());
    }

    CLoadList list;
    TwoUniformLoads(list);
    for (int nBadMode : {4, -1, 32800})
    {
        CGraphPass pass(list, viewport);
        CRecordingSurface surface;
        int nMode = nBadMode;
        EXPECT_FALSE(pass.Draw(surface, nMode, 0, true));
        EXPECT_EQ(nMode, CGraphPass::modeResultant);
        EXPECT_TRUE(surface.m_calls.empty());
    }

    // A load of negative weight alone fits a window of no height; a minimised view has no room.
    CLoadList negative;
    negative.Append("N", 5, 0, 10, -100);
    SPassResult flat;
    RunPass(negative, viewport, flat, CGraphPass::modeDetailed);
    EXPECT_EQ(viewport.m_window.m_dYMin, viewport.m_window.m_dYMax);
    EXPECT_FALSE(flat.bDrawn);
    EXPECT_TRUE(flat.surface.DrawingCalls().empty());

    CViewport minimised;
    minimised.m_rcDevice = SRect{0, 0, 0, 0};
    SPassResult hidden;
    RunPass(list, minimised, hidden, CGraphPass::modeLoadInWhole, 1);
    EXPECT_FALSE(hidden.bDrawn);
    EXPECT_TRUE(hidden.surface.DrawingCalls().empty());
}

TEST(GraphModes, WindowIsFittedOnlyWhileTheAutomaticFitIsOn)
{
    CLoadList list;
    TwoUniformLoads(list);
    CViewport viewport;
    viewport.m_rcDevice = SRect{0, 0, 2300, 1200};
    viewport.m_window.Set(-1, -1, 22, 11);
    // An edit straight into a load, as the loads list makes it, shows at the next pass.
    list.GoTo(2);
    list.m_pCurrent->m_dX2 = 21;
    SPassResult kept;
    RunPass(list, viewport, kept, CGraphPass::modeResultant, 0, false);
    EXPECT_EQ(viewport.m_window.m_dXMax, 22);
    EXPECT_EQ(kept.surface.Polylines()[0][5].x, Fitted(21, 0).x);

    list.Append("C", 5, 30, 40, 10);
    SPassResult fitted;
    RunPass(list, viewport, fitted, CGraphPass::modeResultant, 0, true);
    EXPECT_EQ(viewport.m_window.m_dXMin, -2);
    EXPECT_EQ(viewport.m_window.m_dXMax, 44);
}
