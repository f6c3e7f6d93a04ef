// The strength panels on the recording surface: four curves in their colours, each inside its
// panel, the largest moment drawn where it lies, the legends and units, and nothing for a result
// without equilibrium or a surface too small.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <map>
#include <vector>

#include "RecordingSurface.h"
#include "model/HullGirder.h"
#include "model/HullTable.h"
#include "model/LoadList.h"
#include "view/StrengthPlot.h"

namespace
{
// The recording surface, with the points of each line gathered by the pen's colour.
class CColourSurface : public CRecordingSurface
{
public:
    void LineTo(int x, int y) override
    {
        if (m_pen.m_nWidth == 2)
            m_points[m_pen.m_crColour].push_back({x, y});
        CRecordingSurface::LineTo(x, y);
    }
    std::map<std::uint32_t, std::vector<SPoint>> m_points;
};

// A 36 m box barge, 8 m wide, with 120 t more over its middle third: it sags, most amidships.
CStrengthResult SaggingBarge()
{
    CHullTable hull;
    hull.m_stations = {0, 12, 24, 36};
    hull.m_drafts = {0, 5};
    for (int i = 0; i < 4; ++i)
        hull.m_areas.insert(hull.m_areas.end(), {0, 40});
    CLoadList list;
    list.Append("hull", 18, 0, 36, 360);
    list.Append("cargo", 6, 12, 24, 120);
    return CHullGirder(hull).Compute(list);
}

bool Inside(const SPoint& pt, int nLeft, int nTop, int nRight, int nBottom)
{
    return pt.x >= nLeft && pt.x <= nRight && pt.y >= nTop && pt.y <= nBottom;
}
} // namespace

TEST(StrengthPlot, DrawsFourCurvesInTwoPanels)
{
    const CStrengthResult result = SaggingBarge();
    ASSERT_TRUE(result.m_bFloats) << result.m_strRefusal;
    CColourSurface surface;
    // At one pixel per tenth of a millimetre: margins 200 left and right, 90 top, 100 bottom, a
    // gap of 150, so panels of 285 pixels from y = 90 and from y = 525.
    ASSERT_TRUE(CStrengthPlot(result).Draw(surface, SRect{0, 0, 1200, 910}));
    const std::vector<std::pair<std::uint32_t, bool>> curves = {{CStrengthPlot::kWeightColour, true},
                                                                {CStrengthPlot::kBuoyancyColour, true},
                                                                {CStrengthPlot::kShearColour, false},
                                                                {CStrengthPlot::kMomentColour, false}};
    for (const auto& [crColour, bUpper] : curves)
    {
        const std::vector<SPoint>& points = surface.m_points[crColour];
        // The legend's sample line, above the panel, is the last segment; the curve is the rest.
        ASSERT_GT(points.size(), 3u) << crColour;
        EXPECT_LT(points.back().y, bUpper ? 90 : 525) << crColour;
        for (size_t i = 0; i + 1 < points.size(); ++i)
        {
            EXPECT_TRUE(bUpper ? Inside(points[i], 200, 90, 1000, 375)
                               : Inside(points[i], 200, 525, 1000, 810))
                << crColour << " " << points[i].x << "," << points[i].y;
        }
    }
    // The moment is sagging, -E L / 12 = -360 t m amidships: the lowest pixels of its curve are
    // centred on x = 18 m, and the largest moment's marker sits on them.
    const std::vector<SPoint>& moment = surface.m_points[CStrengthPlot::kMomentColour];
    const SPoint lowest = *std::max_element(moment.begin(), moment.end() - 1,
                                            [](const SPoint& a, const SPoint& b) { return a.y < b.y; });
    int nFirst = 100000, nLast = -1;
    for (auto it = moment.begin(); it != moment.end() - 1; ++it)
    {
        if (it->y == lowest.y)
        {
            nFirst = std::min(nFirst, it->x);
            nLast = std::max(nLast, it->x);
        }
    }
    // x from -0.72 to 36.72 m over 800 pixels from 200.
    EXPECT_NEAR((nFirst + nLast) / 2.0, 200 + (18 + 0.72) * 800 / 37.44, 3);
    const std::vector<std::string> ellipses = surface.Calls("Ellipse");
    ASSERT_EQ(ellipses.size(), 2u);
    // Circles of 0.8 mm about the maxima, the moment's on its lowest pixels.
    int l = 0, t = 0, r = 0, b = 0;
    for (const std::string& strEllipse : ellipses)
    {
        ASSERT_EQ(std::sscanf(strEllipse.c_str(), "Ellipse %d,%d %d,%d", &l, &t, &r, &b), 4) << strEllipse;
        EXPECT_TRUE(r - l == 16 && b - t == 16) << strEllipse;
    }
    EXPECT_TRUE(t == lowest.y - 8 && std::abs(l + r - nFirst - nLast) <= 6) << ellipses[1];

    const std::vector<std::string> texts = surface.Calls("TextOut");
    for (const char* pszText : {"peso p [t/m]", "spinta b [t/m]", "taglio V [t]", "momento M [t\xB7m]",
                                "x [m]", "-360 t\xB7m", "-40 t", "-300", " 0 metric"})
    {
        EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [&](const std::string& str) {
            return str.find(pszText) != std::string::npos;
        })) << pszText;
    }
    // Every pen and the font are put back.
    EXPECT_EQ(surface.m_pen, CPen());
    EXPECT_EQ(surface.m_font, CFont());
    EXPECT_EQ(surface.m_nMapMode, MM_TEXT);
}

TEST(StrengthPlot, DrawsNothingWithoutEquilibriumOrRoom)
{
    CColourSurface surface;
    EXPECT_FALSE(CStrengthPlot(CStrengthResult()).Draw(surface, SRect{0, 0, 1200, 900}));
    const CStrengthResult result = SaggingBarge();
    EXPECT_FALSE(CStrengthPlot(result).Draw(surface, SRect{0, 0, 430, 900}));
    EXPECT_FALSE(CStrengthPlot(result).Draw(surface, SRect{0, 0, 1200, 300}));
    EXPECT_TRUE(surface.m_calls.empty());
}
