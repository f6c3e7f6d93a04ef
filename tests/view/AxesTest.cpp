// The frame of the graph: axes, ticks 1.5 mm long, labels from repeated addition, unit labels, and
// the font and mapping mode put back.
#include <algorithm>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>

#include "GraphTestLists.h"
#include "RecordingSurface.h"
#include "view/Viewport.h"

namespace
{
// The axes over a device of 254 dots per inch, where a pixel is a tenth of a millimetre.
void DrawAxes(CLoadList& list, CRecordingSurface& surface, const SRect& rcDevice, double dXMin, double dYMin,
              double dXMax, double dYMax)
{
    CViewport viewport;
    viewport.m_rcDevice = rcDevice;
    viewport.m_window.Set(dXMin, dYMin, dXMax, dYMax);
    viewport.SetSurface(&surface);
    list.DrawAxes(viewport);
}

std::vector<SCall> Texts(const CRecordingSurface& surface)
{
    std::vector<SCall> texts;
    std::copy_if(surface.m_calls.begin(), surface.m_calls.end(), std::back_inserter(texts),
                 [](const SCall& call) { return call.strName == "TextOut"; });
    return texts;
}
} // namespace

TEST(Axes, TicksStandOnBothAxesInTenthsOfAMillimetre)
{
    // Two uniform loads in the window x -1..22, y -1..11 over 2300 x 1200 pixels: 100 to the unit.
    CLoadList list;
    TwoUniformLoads(list);
    CRecordingSurface surface;
    DrawAxes(list, surface, SRect{0, 0, 2300, 1200}, -1, -1, 22, 11);

    const auto ticks = surface.Polylines(MM_LOMETRIC);
    ASSERT_EQ(ticks.size(), 21u);
    // Ten ticks of the load axis at x = 20 m (pixel 2100), at 1, 2, ... 10 t/m, 1.5 mm to the right;
    // eleven of the length axis every 2 m, 1.5 mm down from the axis at pixel row 1100.
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(ticks[i], (std::vector<SPoint>{{2100, 100 * i - 1000}, {2115, 100 * i - 1000}})) << i;
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(ticks[10 + i], (std::vector<SPoint>{{100 + 200 * i, -1100}, {100 + 200 * i, -1115}})) << i;

    // The labels beside the ticks, and the units above the load axis and right of the length axis.
    const std::vector<SCall> texts = Texts(surface);
    ASSERT_EQ(texts.size(), 23u);
    EXPECT_EQ(texts[0], (SCall{"TextOut", {2115, -1000}, "1", MM_LOMETRIC}));
    EXPECT_EQ(texts[10], (SCall{"TextOut", {2100, -100 + 40}, "[ t/m ]", MM_LOMETRIC}));
    EXPECT_EQ(texts[11], (SCall{"TextOut", {100, -1115}, "0", MM_LOMETRIC}));
    EXPECT_EQ(texts[22], (SCall{"TextOut", {2100 + 20, -1100 + 15}, "[ m ]", MM_LOMETRIC}));

    // The labels in 18-point "Arial" measured on a 96 dots-per-inch screen: 24 tenths of a
    // millimetre tall. The font and the mapping mode are put back.
    EXPECT_EQ(surface.m_calls[0], (SCall{"SelectFont", {24}, "Arial"}));
    EXPECT_EQ(surface.m_font, CFont());
    EXPECT_EQ(surface.m_nMapMode, MM_TEXT);
    EXPECT_EQ(CFont::CreatePointFont(180, "Arial", 97).m_nHeight, 24);
    EXPECT_EQ(CFont::CreatePointFont(180, "Arial", 98).m_nHeight, 25);
}

TEST(Axes, LabelsShowTheAccumulatedTickValues)
{
    // 1 t/m over 0..1 m, 1000 pixels to the metre and to the tonne per metre. Added eight times,
    // 0.1 m is 0.7999999999999999: its tick stands on pixel 799, and five digits show it as 0.8.
    // Added six times, 0.1 t/m is 0.6, not 6 x 0.1, which would put its tick a pixel higher.
    CLoadList list;
    list.Append("A", 0.5, 0, 1, 1);
    CRecordingSurface surface;
    DrawAxes(list, surface, SRect{0, 0, 1000, 1000}, 0, 0, 1, 1);
    const std::vector<SCall> texts = Texts(surface);
    ASSERT_EQ(texts.size(), 23u);
    const char* const tenths[] = {"0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9", "1"};
    for (int i = 0; i < 10; ++i)
        EXPECT_TRUE(texts[i].strText == tenths[i] && texts[12 + i].strText == tenths[i]) << i;
    const auto ticks = surface.Polylines(MM_LOMETRIC);
    ASSERT_EQ(ticks.size(), 21u);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(ticks[i][0], (SPoint{1000, 100 * i - 900})) << i;
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(ticks[10 + i][0], (SPoint{i < 8 ? 100 * i : 100 * i - 1, -1000})) << i;

    // Large values go to exponent form: 1234 t/m at three digits, 123456 m at five.
    CLoadList big;
    big.Append("B", 61728, 0, 123456, 1234.0 * 123456);
    CRecordingSurface bigSurface;
    DrawAxes(big, bigSurface, SRect{0, 0, 800, 600}, -1e4, -100, 2e5, 1500);
    const std::vector<SCall> bigTexts = Texts(bigSurface);
    ASSERT_EQ(bigTexts.size(), 23u);
    EXPECT_EQ(bigTexts[9].strText, "1.23E+03");
    EXPECT_EQ(bigTexts[12].strText, "12346");
    EXPECT_EQ(bigTexts[21].strText, "1.2346E+05");
}
