// The hull table reader: the layouts it reads and a message naming the row and the column for
// every way a table can be wrong (a table of cases under tests/data), interpolation in the draft.
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "document/DelimitedText.h"
#include "document/FileException.h"
#include "document/HullTableFile.h"
#include "model/HullTable.h"

using namespace testsupport;

namespace
{
CHullTable Parsed(const std::string& strBytes)
{
    CHullTable table;
    CHullTableFile::Parse("hull.csv", strBytes, table);
    return table;
}

// The cause of the refusal, without the file name.
std::string Refusal(const std::string& strBytes)
{
    try
    {
        Parsed(strBytes);
    }
    catch (const CFileException& error)
    {
        EXPECT_EQ(error.GetPath(), "hull.csv");
        return error.GetCause();
    }
    return "read without complaint";
}
} // namespace

TEST(HullTableFile, ReadsEveryLayoutAndNamesTheRowAndColumnOfEveryFault)
{
    const auto cases = CaseTable("tables/hull-table.txt");
    ASSERT_GT(cases.size(), 20u);
    for (const auto& [strResult, strBytes] : cases)
    {
        if (strResult != "read")
        {
            EXPECT_EQ(Refusal(strBytes), strResult) << strBytes;
            continue;
        }
        const CHullTable table = Parsed(strBytes);
        EXPECT_EQ(table.m_drafts, (std::vector<double>{0, 1, 2})) << strBytes;
        EXPECT_EQ(table.m_stations, (std::vector<double>{0, 10})) << strBytes;
        EXPECT_EQ(table.m_areas, (std::vector<double>{0, 1, 3, 0, 2, 5})) << strBytes;
    }
    EXPECT_EQ(Parsed(cases[0].second).m_strLabel, "x");
    EXPECT_EQ(Parsed(cases[4].second).m_strLabel, "x, \"T\"");

    // A refused table leaves the one it was to replace alone.
    CHullTable table = Parsed("x,1,2\n0,1,2\n1,1,2\n");
    EXPECT_THROW(CHullTableFile::Parse("hull.csv", "x,1,2\n0,1,2\n", table), CFileException);
    EXPECT_EQ(table.StationCount(), 2u);
}

TEST(HullTableFile, InterpolatesInTheDraft)
{
    // The first draft above 0: the area rises from nothing at draft 0.
    const CHullTable table = Parsed("x,1,3\n0,2,6\n5,4,4\n");
    double dSlope = 0;
    EXPECT_DOUBLE_EQ(table.AreaAt(0, 2, dSlope), 4);
    EXPECT_DOUBLE_EQ(dSlope, 2);
    EXPECT_DOUBLE_EQ(table.AreaAt(0, 0.5, dSlope), 1);
    EXPECT_DOUBLE_EQ(dSlope, 2);
    // At a tabulated draft the deeper interval gives the slope; past the table the last goes on.
    EXPECT_DOUBLE_EQ(table.AreaAt(0, 1, dSlope), 2);
    EXPECT_DOUBLE_EQ(dSlope, 2);
    EXPECT_DOUBLE_EQ(table.AreaAt(1, 1, dSlope), 4);
    EXPECT_DOUBLE_EQ(dSlope, 0);
    EXPECT_DOUBLE_EQ(table.AreaAt(0, 4, dSlope), 8);
    EXPECT_DOUBLE_EQ(table.AreaAt(0, -1, dSlope), -2);
    EXPECT_DOUBLE_EQ(table.Length(), 5);
    EXPECT_DOUBLE_EQ(table.DeepestDraft(), 3);
}

TEST(HullTableFile, RefusesAFileTooLargeForATable)
{
    CScratchDir dir;
    CHullTable table = Parsed("x,1,2\n0,1,2\n1,1,2\n");
    WriteBytes(dir.Path("big.csv"), std::string(CDelimitedText::kLargestFile + 1, '#'));
    EXPECT_THROW(CHullTableFile::Read(dir.Path("big.csv"), table), CFileException);
    EXPECT_EQ(table.StationCount(), 2u);
}
