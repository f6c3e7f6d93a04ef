// The drag feedback: the zoom box and the pan marker, drawn and erased by inversion.
#include <gtest/gtest.h>

#include "RecordingSurface.h"
#include "view/RubberLine.h"
#include "view/Viewport.h"

TEST(RubberBand, DrawsTheBoxByInversion)
{
    CRubberBand band;
    CRecordingSurface surface;
    CViewport viewport;
    viewport.SetSurface(&surface);
    // Idle, tracking draws nothing; Begin draws nothing either.
    band.Track(50, 60, viewport);
    band.Begin(10, 20);
    EXPECT_TRUE(surface.m_calls.empty());
    band.Track(50, 60, viewport);
    band.End(70, 80, viewport);
    EXPECT_FALSE(band.m_bActive);
    EXPECT_EQ(band.m_ptCurrent.GetX(), 70);

    // Track erases the box of no extent and draws the new one; End erases that.
    const std::vector<SPoint> box{{10, 20}, {50, 20}, {50, 60}, {10, 60}, {10, 20}};
    EXPECT_EQ(surface.Polylines(),
              (std::vector<std::vector<SPoint>>{std::vector<SPoint>(5, {10, 20}), box, box}));
    for (const SCall& call : surface.m_calls)
        EXPECT_EQ(call.nDrawMode, R2_NOT);
    EXPECT_EQ(surface.m_nDrawMode, R2_COPYPEN);
}

TEST(RubberBand, PanMarkerIsALineWithACircleAtThePointer)
{
    CRubberLine marker;
    marker.Begin(100, 100);
    marker.m_ptCurrent.Set(130, 140);
    // Draw, which the marker inherits from the box, draws the marker's own figure.
    CRecordingSurface surface;
    CViewport viewport;
    viewport.SetSurface(&surface);
    marker.Draw(viewport);
    EXPECT_EQ(surface.m_calls, (std::vector<SCall>{{"MoveTo", {100, 100}, "", MM_TEXT, R2_NOT},
                                                   {"LineTo", {130, 140}, "", MM_TEXT, R2_NOT},
                                                   {"Ellipse", {125, 135, 135, 145}, "", MM_TEXT, R2_NOT}}));
    EXPECT_EQ(surface.m_nDrawMode, R2_COPYPEN);
    // No surface on the viewport: the drag goes on with nothing drawn.
    CViewport bare;
    marker.Track(1, 1, bare);
    EXPECT_EQ(marker.m_ptCurrent.GetX(), 1);
}
