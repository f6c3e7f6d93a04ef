// The drag feedback: the zoom box and the pan marker, drawn and erased by inversion.
#include <gtest/gtest.h>

#include "RecordingSurface.h"
#include "view/RubberLine.h"
#include "view/Viewport.h"

TEST(RubberBand, DrawsTheBoxByInversion)
{
    CRubberBand band;
    EXPECT_FALSE(band.m_bActive);
    EXPECT_EQ(band.m_ptAnchor.GetX(), 0);
    EXPECT_EQ(band.m_ptCurrent.GetY(), 0);

    CRecordingSurface surface;
    CViewport viewport;
    viewport.SetSurface(&surface);
    // Idle: tracking draws nothing.
    band.Track(50, 60, viewport);
    EXPECT_TRUE(surface.m_calls.empty());

    band.Begin(10, 20);
    EXPECT_TRUE(band.m_bActive);
    EXPECT_TRUE(surface.m_calls.empty());
    band.Track(50, 60, viewport);
    band.End(70, 80, viewport);
    EXPECT_FALSE(band.m_bActive);
    EXPECT_EQ(band.m_ptCurrent.GetX(), 70);
    EXPECT_EQ(band.m_ptAnchor.GetY(), 20);

    // Track erases the box of zero extent and draws the new one; End erases that.
    const auto lines = surface.Polylines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], (std::vector<SPoint>{{10, 20}, {10, 20}, {10, 20}, {10, 20}, {10, 20}}));
    const std::vector<SPoint> box{{10, 20}, {50, 20}, {50, 60}, {10, 60}, {10, 20}};
    EXPECT_EQ(lines[1], box);
    EXPECT_EQ(lines[2], box);
    for (const SCall& call : surface.DrawingCalls())
        EXPECT_EQ(call.nDrawMode, R2_NOT);
    EXPECT_EQ(surface.m_nDrawMode, R2_COPYPEN);
}

TEST(RubberBand, PanMarkerIsALineWithACircleAtThePointer)
{
    CRubberLine marker;
    CRecordingSurface surface;
    marker.Begin(100, 100);
    marker.m_ptCurrent.Set(130, 140);
    marker.DrawOn(surface);
    ASSERT_EQ(surface.DrawingCalls().size(), 3u);
    EXPECT_EQ(surface.Polylines(), (std::vector<std::vector<SPoint>>{{{100, 100}, {130, 140}}}));
    const SCall ellipse = surface.DrawingCalls()[2];
    EXPECT_EQ(ellipse.strName, "Ellipse");
    EXPECT_EQ(ellipse.args, (std::vector<int>{125, 135, 135, 145}));
    EXPECT_EQ(ellipse.nDrawMode, R2_NOT);
    EXPECT_EQ(surface.m_nDrawMode, R2_COPYPEN);

    // Through the base class, Draw on a viewport draws the marker's own figure.
    CRubberBand& base = marker;
    CViewport viewport;
    CRecordingSurface viewSurface;
    viewport.SetSurface(&viewSurface);
    base.Draw(viewport);
    EXPECT_EQ(viewSurface.Count("Ellipse"), 1u);
    // No surface on the viewport: nothing to draw on.
    CViewport bare;
    base.Track(1, 1, bare);
    EXPECT_EQ(base.m_ptCurrent.GetX(), 1);
}
