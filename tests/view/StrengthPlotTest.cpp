// The strength, curves of form and loading check panels on the recording surface, call for call
// against their expected files, and nothing for a result without equilibrium or a surface too small.
#include <gtest/gtest.h>

#include "RecordingSurface.h"
#include "TestSupport.h"
#include "model/CurvesOfForm.h"
#include "model/HullGirder.h"
#include "model/HullTable.h"
#include "model/LoadList.h"
#include "model/LoadingCheck.h"
#include "view/CheckPlot.h"
#include "view/CurvesOfFormPlot.h"
#include "view/StrengthPlot.h"

namespace
{
// A 36 m box barge, 8 m wide, with 120 t more over its middle third: it sags, most amidships.
CHullTable Barge()
{
    CHullTable hull;
    hull.m_stations = {0, 12, 24, 36};
    hull.m_drafts = {0, 5};
    for (int i = 0; i < 4; ++i)
        hull.m_areas.insert(hull.m_areas.end(), {0, 40});
    return hull;
}

void Sagging(CLoadList& list)
{
    list.Append("hull", 18, 0, 36, 360);
    list.Append("cargo", 6, 12, 24, 120);
}

CStrengthResult SaggingBarge()
{
    CLoadList list;
    Sagging(list);
    return CHullGirder(Barge()).Compute(list);
}

// The panel drawn call for call as recorded, every pen and the font put back.
template <class TPlot> void ExpectRecorded(const TPlot& plot, const char* pszFile)
{
    CRecordingSurface surface;
    ASSERT_TRUE(plot.Draw(surface, SRect{0, 0, 1200, 910})) << pszFile;
    EXPECT_TRUE(testsupport::SameAsFile(surface.Text(), pszFile));
    EXPECT_TRUE(surface.m_pen == CPen() && surface.m_font == CFont() && surface.m_nMapMode == MM_TEXT)
        << pszFile;
}
} // namespace

TEST(StrengthPlot, StrengthCurvesOfFormAndCheckAsRecorded)
{
    // At one pixel per tenth of a millimetre: margins 200 left and right, 90 top, 100 bottom, a
    // gap of 150, so panels of 285 pixels from y = 90 and from y = 525. The curves in their
    // colours, the sagging moment's marker at 18 m on its lowest pixels, the legends and units.
    const CStrengthResult result = SaggingBarge();
    ASSERT_TRUE(result.m_bFloats) << result.m_strRefusal;
    ExpectRecorded(CStrengthPlot(result), "view/strength-plot.txt");
    // The barge's curves of form, and the sagging barge against limits that 18 m exceeds.
    const CHullTable hull = Barge();
    CCurvesOfForm curves;
    ASSERT_TRUE(curves.Compute(hull, CHullGirder::kSeaWater, 0, 5, 0.5));
    ExpectRecorded(CCurvesOfFormPlot(curves), "view/curves-of-form.txt");
    const std::vector<SLimitPoint> limits = {
        {6, 50, -50, 400, -400}, {18, 50, -50, 400, -350}, {30, 50, -50, 400, -400}};
    CLoadingCheck check(hull, limits, CHullGirder::kSeaWater, nullptr);
    CLoadList list;
    Sagging(list);
    std::string strRefusal;
    ASSERT_TRUE(check.Add("carico", list, strRefusal)) << strRefusal;
    ExpectRecorded(CCheckPlot(check), "view/check-plot.txt");
}

TEST(StrengthPlot, DrawsNothingWithoutEquilibriumOrRoom)
{
    CRecordingSurface surface;
    EXPECT_FALSE(CStrengthPlot(CStrengthResult()).Draw(surface, SRect{0, 0, 1200, 900}));
    const CStrengthResult result = SaggingBarge();
    EXPECT_FALSE(CStrengthPlot(result).Draw(surface, SRect{0, 0, 430, 900}));
    EXPECT_FALSE(CStrengthPlot(result).Draw(surface, SRect{0, 0, 1200, 300}));
    EXPECT_TRUE(surface.m_calls.empty());
}
