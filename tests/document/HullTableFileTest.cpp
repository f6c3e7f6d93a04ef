// The hull table and permissible-limits readers: what each makes of every input in its table of
// cases under tests/data/tables (the figures read, or a cause naming the row and the column, the
// target left alone), interpolation in the draft, and a file too large for a table.
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "document/DelimitedText.h"
#include "document/FileException.h"
#include "document/HullTableFile.h"
#include "document/LimitsFile.h"
#include "model/LoadingCheck.h"
#include "model/HullTable.h"
#include "model/NumberFormat.h"

using namespace testsupport;

namespace
{
std::string Joined(const std::vector<double>& values)
{
    std::string strOut;
    for (double dValue : values)
        strOut += (strOut.empty() ? "" : " ") + CNumberFormat::Format("%.17G", dValue);
    return strOut;
}

std::string Figures(const CHullTable& table)
{
    return "label " + table.m_strLabel + "; drafts " + Joined(table.m_drafts) + "; stations " +
           Joined(table.m_stations) + "; areas " + Joined(table.m_areas);
}

std::string Figures(const std::vector<SLimitPoint>& limits)
{
    std::string strOut;
    for (const SLimitPoint& point : limits)
        strOut += (strOut.empty() ? "" : "; ") +
                  Joined({point.x, point.dSfMax, point.dSfMin, point.dBmHog, point.dBmSag});
    return strOut;
}

// Each input over a target that holds the first case's figures, which a refusal must leave.
template <class T>
void CheckCases(const std::string& strTable, void (*parse)(const std::string&, const std::string&, T&))
{
    const auto cases = CaseTable(strTable);
    ASSERT_GT(cases.size(), 15u);
    T kept;
    parse("table.csv", cases.front().second, kept);
    for (const auto& [strResult, strBytes] : cases)
    {
        T target = kept;
        try
        {
            parse("table.csv", strBytes, target);
            EXPECT_EQ(Figures(target), strResult) << strBytes;
        }
        catch (const CFileException& error)
        {
            EXPECT_EQ(error.GetCause(), strResult) << strBytes;
            EXPECT_EQ(error.GetPath(), "table.csv");
            EXPECT_EQ(Figures(target), Figures(kept)) << "left alone on failure";
        }
    }
}
} // namespace

TEST(TableFiles, ReadEveryLayoutAndNameTheRowAndColumnOfEveryFault)
{
    CheckCases("tables/hull-table.txt", &CHullTableFile::Parse);
    CheckCases("tables/limits.txt", &CLimitsFile::Parse);
}

TEST(HullTableFile, InterpolatesInTheDraftAndIsKeptOnAFileTooLarge)
{
    // The first draft above 0: the area rises from nothing at draft 0. At a tabulated draft the
    // deeper interval gives the slope; past the table the last goes on.
    CHullTable table;
    CHullTableFile::Parse("hull.csv", "x,1,3\n0,2,6\n5,4,4\n", table);
    const double cases[][4] = {{0, 2, 4, 2}, {0, 0.5, 1, 2}, {0, 1, 2, 2},
                               {1, 1, 4, 0}, {0, 4, 8, 2},   {0, -1, -2, 2}};
    for (const auto& c : cases)
    {
        double dSlope = -1;
        EXPECT_DOUBLE_EQ(table.AreaAt(static_cast<size_t>(c[0]), c[1], dSlope), c[2]) << c[0] << " " << c[1];
        EXPECT_DOUBLE_EQ(dSlope, c[3]) << c[0] << " " << c[1];
    }
    // A file too large for a table is refused before it is read, the table left as it was.
    CScratchDir dir;
    WriteBytes(dir.Path("big.csv"), std::string(CDelimitedText::kLargestFile + 1, '#'));
    EXPECT_THROW(CHullTableFile::Read(dir.Path("big.csv"), table), CFileException);
    EXPECT_EQ(table.StationCount(), 2u);
}
