// The hull table reader: separators, decimal commas, skipped rows, interpolation in the draft, and
// a message naming the row and the column for every way a table can be wrong.
#include <gtest/gtest.h>
#include <string>
#include <utility>
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

TEST(HullTableFile, ReadsEverySeparatorAndSkipsWhatIsNotData)
{
    const CHullTable expected = Parsed("x,0,1,2\n0,0,1,3\n10,0,2,5\n");
    ASSERT_EQ(expected.m_drafts, (std::vector<double>{0, 1, 2}));
    ASSERT_EQ(expected.m_stations, (std::vector<double>{0, 10}));
    ASSERT_EQ(expected.m_areas, (std::vector<double>{0, 1, 3, 0, 2, 5}));
    EXPECT_EQ(expected.m_strLabel, "x");
    const std::vector<std::string> variants = {
        "# comment\r\n\r\nx,0,1,2\r\n# between\r\n0,0,1,3\r\n\r\n10,0,2,5\r\n",
        "x\t0\t1\t2\n0\t0\t1\t3\n10\t0\t2\t5",
        // A decimal comma with semicolons; a label holding a comma.
        "x, T;0;1,0;2\n0;0;1;3,0\n10;0,0;2;5\n",
        // A byte-order mark, quoted cells, spaces around cells and the padding of short rows.
        "\xEF\xBB\xBF\"x, \"\"T\"\"\",0, 1 ,\"2\",,\n0,0,1,3,,\n10,0,2,5\n,,,,\n",
        "x,+0,1e0,2.\n0,0,.1e1,3\n10,-0,2,5\n",
    };
    for (const std::string& strBytes : variants)
    {
        const CHullTable table = Parsed(strBytes);
        EXPECT_EQ(table.m_drafts, expected.m_drafts) << strBytes;
        EXPECT_EQ(table.m_stations, expected.m_stations) << strBytes;
        EXPECT_EQ(table.m_areas, expected.m_areas) << strBytes;
    }
    EXPECT_EQ(Parsed(variants[3]).m_strLabel, "x, \"T\"");
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

TEST(HullTableFile, RefusalsNameTheRowAndColumn)
{
    const std::vector<std::pair<std::string, std::string>> refusals = {
        {"", "no drafts row: the file holds no table"},
        {"# only a comment\n\n", "no drafts row: the file holds no table"},
        {"x,1\n0,1\n2,1\n", "row 1: fewer than two drafts after the label cell"},
        {"x,1,2\n0,1,2\n", "row 2: fewer than two stations: the table ends after 1"},
        {"x,1,2\n", "row 1: fewer than two stations: the table ends after 0"},
        {"x,1,two\n", "row 1, column 3: 'two' where a draft should be is not a number"},
        {"x,1,-2\n", "row 1, column 3: draft -2 is below zero"},
        {"x,1,1\n", "row 1, column 3: draft 1 is not above the draft before it, 1"},
        {"x,2,1\n", "row 1, column 3: draft 1 is not above the draft before it, 2"},
        {"x,1,2\n#\n0,1,2\n\n0,1,2\n", "row 5, column 1: station 0 is not beyond the station before it, 0"},
        {"x,1,2\n0,1\n", "row 2: 2 cells where the drafts row has 3"},
        {"x,1,2\n0,1,2,3\n", "row 2: 4 cells where the drafts row has 3"},
        {"x,1,2\n0,,2\n", "row 2, column 2: an empty cell where an area should be is not a number"},
        {"x,1,2\n0,1,0x2\n", "row 2, column 3: '0x2' where an area should be is not a number"},
        {"x,1,2\n0,1,inf\n", "row 2, column 3: 'inf' where an area should be is not a number"},
        {"x,1,2\n0,1,1e999\n", "row 2, column 3: '1e999' where an area should be is not a number"},
        {"x,1,2\n0,1,2 m\n", "row 2, column 3: '2 m' where an area should be is not a number"},
        {"x,1,2\nnan,1,2\n", "row 2, column 1: 'nan' where a station abscissa should be is not a number"},
        // A decimal comma only where semicolons separate.
        {"x\t1\t2\n0\t1\t2,5\n", "row 2, column 3: '2,5' where an area should be is not a number"},
        {"x,1,2\n0,-1,2\n", "row 2, column 2: area -1 is negative"},
        {"x,1,2\n0,3,2\n", "row 2, column 3: area 2 is less than the area at the draft before, 3"},
    };
    for (const auto& [strBytes, strCause] : refusals)
        EXPECT_EQ(Refusal(strBytes), strCause) << strBytes;

    // A refused table leaves the one it was to replace alone.
    CHullTable table = Parsed("x,1,2\n0,1,2\n1,1,2\n");
    EXPECT_THROW(CHullTableFile::Parse("hull.csv", "x,1,2\n0,1,2\n", table), CFileException);
    EXPECT_EQ(table.StationCount(), 2u);
}

// The batch tool's strength command reads the example and names a missing file.
TEST(HullTableFile, RefusesAFileTooLargeForATable)
{
    CScratchDir dir;
    CHullTable table = Parsed("x,1,2\n0,1,2\n1,1,2\n");
    WriteBytes(dir.Path("big.csv"), std::string(CDelimitedText::kLargestFile + 1, '#'));
    EXPECT_THROW(CHullTableFile::Read(dir.Path("big.csv"), table), CFileException);
    EXPECT_EQ(table.StationCount(), 2u);
}
