// The load table and the resultant tables, byte for byte against the expected files and against
// the tables computed the plain way.
#include <gtest/gtest.h>
#include <string>

#include "LiteralExports.h"
#include "TestSupport.h"
#include "model/LoadList.h"

using namespace testsupport;

namespace
{
class TextExport : public ::testing::Test
{
protected:
    std::string LoadTable(CLoadList& list)
    {
        return Written(m_dir.Path("loads.txt"), [&](CFile& file) { list.ExportLoadTable(file); });
    }
    std::string Resultant(CLoadList& list, char chSeparator)
    {
        return Written(m_dir.Path("resultant"),
                       [&](CFile& file) { list.ExportResultantTable(file, chSeparator); });
    }

    CScratchDir m_dir;
};
} // namespace

TEST_F(TextExport, ExpectedFiles)
{
    for (const std::string strCase : {"rectangle", "empty"})
    {
        CLoadList list;
        Open(list, DataPath(strCase, strCase + ".p3d"));
        EXPECT_TRUE(SameAsFile(LoadTable(list), strCase, "loads.txt"));
        EXPECT_TRUE(SameAsFile(Resultant(list, '\t'), strCase, "resultant.txt"));
        EXPECT_TRUE(SameAsFile(Resultant(list, ','), strCase, "resultant.csv"));
    }
    // Edited after reading, as the loads list does: the line follows the load as it now stands.
    CLoadList list;
    Open(list, DataPath("load-table", "estimate.p3d"));
    list.GoTo(1);
    list.m_pCurrent->m_dX1 = 16;
    list.m_pCurrent->m_dX2 = 10;
    list.m_pCurrent->m_dY1 = 999;
    EXPECT_TRUE(SameAsFile(LoadTable(list), "load-table", "loads.txt"));
}

TEST_F(TextExport, ResultantFollowsLoadsEditedSinceTheLastRedraw)
{
    CLoadList list;
    Open(list, DataPath("rectangle", "rectangle.p3d"));
    list.m_pCurrent->m_dX1 = 20;
    list.m_pCurrent->m_dX2 = 30;
    const std::string strTable = Resultant(list, ',');
    EXPECT_NE(strTable.find("X[m],P[t/m]\r\n20,0\r\n20,1\r\n30,1\r\n30,0\r\n"), std::string::npos)
        << strTable;
}

TEST_F(TextExport, FastTableEqualsTheLiteralOne)
{
    CLoadList list;
    RandomEstimate(list, 400, 7);
    const std::string strFast = Resultant(list, ',');
    EXPECT_GT(strFast.size(), 20000u);
    EXPECT_TRUE(SameBytes(strFast, Written(m_dir.Path("literal"), [&](CFile& file) {
                              CLiteralExports::ResultantTable(list, file, ',');
                          })));
}
