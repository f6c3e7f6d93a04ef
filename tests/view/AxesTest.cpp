// The frame of the graph: axes, ticks 1.5 mm long, labels from repeated addition, unit labels, and
// the font and mapping mode put back.
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "GraphTestLists.h"
#include "RecordingSurface.h"
#include "view/Viewport.h"

namespace
{
std::vector<SCall> CallsNamed(const CRecordingSurface& surface, const std::string& strName, int nMapMode)
{
    std::vector<SCall> calls;
    for (const SCall& call : surface.m_calls)
    {
        if (call.strName == strName && call.nMapMode == nMapMode)
            calls.push_back(call);
    }
    return calls;
}

// Two uniform loads in the window x -1..22, y -1..11 over 2300 x 1200 pixels; at 254 dots per
// inch a pixel is a tenth of a millimetre, so logical units are the pixels with y negated.
void DrawTwoUniform(CRecordingSurface& surface)
{
    CLoadList list;
    TwoUniformLoads(list);
    CViewport viewport;
    viewport.m_rcDevice = SRect{0, 0, 2300, 1200};
    viewport.m_window.Set(-1, -1, 22, 11);
    viewport.SetSurface(&surface);
    list.DrawAxes(viewport);
}
} // namespace

TEST(Axes, TicksStandOnBothAxesInTenthsOfAMillimetre)
{
    CRecordingSurface surface;
    DrawTwoUniform(surface);

    const auto ticks = surface.Polylines(MM_LOMETRIC);
    ASSERT_EQ(ticks.size(), 21u);
    // Ten ticks of the load axis at x = 20 m (pixel 2100), at 1, 2, ... 10 t/m, 1.5 mm to the right.
    for (int i = 0; i < 10; ++i)
    {
        const int y = -(1100 - 100 * (i + 1));
        EXPECT_EQ(ticks[i], (std::vector<SPoint>{{2100, y}, {2115, y}})) << i;
    }
    // Eleven ticks of the length axis every 2 m, 1.5 mm downward from the axis at pixel row 1100.
    for (int i = 0; i < 11; ++i)
    {
        const int x = 100 + 200 * i;
        EXPECT_EQ(ticks[10 + i], (std::vector<SPoint>{{x, -1100}, {x, -1115}})) << i;
    }

    const auto texts = CallsNamed(surface, "TextOut", MM_LOMETRIC);
    ASSERT_EQ(texts.size(), 23u);
    EXPECT_EQ(texts[0].args, (std::vector<int>{2115, -1000}));
    EXPECT_EQ(texts[0].strText, "1");
    EXPECT_EQ(texts[9].strText, "10");
    EXPECT_EQ(texts[10].strText, "[ t/m ]");
    EXPECT_EQ(texts[10].args, (std::vector<int>{2100, -100 + 40}));
    EXPECT_EQ(texts[11].args, (std::vector<int>{100, -1115}));
    EXPECT_EQ(texts[11].strText, "0");
    EXPECT_EQ(texts[21].strText, "20");
    EXPECT_EQ(texts[22].strText, "[ m ]");
    EXPECT_EQ(texts[22].args, (std::vector<int>{2100 + 20, -1100 + 15}));
}

TEST(Axes, FontAndMappingModeArePutBack)
{
    CRecordingSurface surface;
    const CFont fontBefore = CFont::CreatePointFont(90, "Mono", 96);
    surface.SelectObject(fontBefore);
    DrawTwoUniform(surface);
    EXPECT_EQ(surface.m_font, fontBefore);
    EXPECT_EQ(surface.m_nMapMode, MM_TEXT);

    // The label font: "Arial", 18 points on a 96 dots-per-inch screen, 24 tenths of a millimetre tall.
    const auto fonts = CallsNamed(surface, "SelectFont", MM_TEXT);
    ASSERT_EQ(fonts.size(), 3u);
    EXPECT_EQ(fonts[1].strText, "Arial");
    EXPECT_EQ(fonts[1].args, (std::vector<int>{24}));
    EXPECT_EQ(CFont::CreatePointFont(180, "Arial", 120).m_nHeight, 30);
    EXPECT_EQ(CFont::CreatePointFont(180, "Arial", 97).m_nHeight, 24);
    EXPECT_EQ(CFont::CreatePointFont(180, "Arial", 98).m_nHeight, 25);
}

TEST(Axes, LabelsShowTheAccumulatedTickValues)
{
    // p = 3 t/m: 0.3 added ten times is not 3 in binary, and three digits hide it.
    CLoadList list;
    list.Append("A", 5, 0, 10, 30);
    CViewport viewport;
    viewport.m_rcDevice = SRect{0, 0, 800, 600};
    viewport.m_window.Set(-1, -1, 12, 4);
    CRecordingSurface surface;
    viewport.SetSurface(&surface);
    list.DrawAxes(viewport);
    const auto texts = surface.Texts();
    ASSERT_EQ(texts.size(), 23u);
    EXPECT_EQ(std::vector<std::string>(texts.begin(), texts.begin() + 10),
              (std::vector<std::string>{"0.3", "0.6", "0.9", "1.2", "1.5", "1.8", "2.1", "2.4", "2.7", "3"}));
    EXPECT_EQ(std::vector<std::string>(texts.begin() + 11, texts.begin() + 22),
              (std::vector<std::string>{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));

    // Large values go to exponent form: 1234 t/m at three digits, 123456 m at five.
    CLoadList big;
    big.Append("B", 61728, 0, 123456, 1234.0 * 123456);
    CRecordingSurface bigSurface;
    viewport.m_window.Set(-1e4, -100, 2e5, 1500);
    viewport.SetSurface(&bigSurface);
    big.DrawAxes(viewport);
    const auto bigTexts = bigSurface.Texts();
    ASSERT_EQ(bigTexts.size(), 23u);
    EXPECT_EQ(bigTexts[9], "1.23E+03");
    EXPECT_EQ(bigTexts[12], "12346");
    EXPECT_EQ(bigTexts[21], "1.2346E+05");
}

TEST(Axes, ZeroWeightsPutEveryLoadTickOnTheAxis)
{
    CLoadList list;
    list.Append("A", 5, 0, 10, 0);
    CViewport viewport;
    viewport.m_rcDevice = SRect{0, 0, 1100, 600};
    viewport.m_window.Set(-1, -1, 10, 5);
    CRecordingSurface surface;
    viewport.SetSurface(&surface);
    list.DrawAxes(viewport);
    const auto ticks = surface.Polylines(MM_LOMETRIC);
    ASSERT_EQ(ticks.size(), 21u);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(ticks[i], (std::vector<SPoint>{{1100, -500}, {1115, -500}}));
    const auto texts = CallsNamed(surface, "TextOut", MM_LOMETRIC);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(texts[i].strText, "0");
    EXPECT_EQ(texts[10].args, (std::vector<int>{1100, -500 + 40}));
}

TEST(Axes, TickPositionsGoThroughPixelsAtTheDevicesResolution)
{
    // At 96 dots per inch a pixel is 254/96 tenths of a millimetre: the tick at pixel (2100, 1000)
    // lies at (5556.25, -2645.8) tenths, rounded.
    CRecordingSurface surface(96, 96);
    DrawTwoUniform(surface);
    const auto ticks = surface.Polylines(MM_LOMETRIC);
    ASSERT_EQ(ticks.size(), 21u);
    EXPECT_EQ(ticks[0], (std::vector<SPoint>{{5556, -2646}, {5571, -2646}}));
    EXPECT_EQ(ticks[10], (std::vector<SPoint>{{265, -2910}, {265, -2925}}));
}
