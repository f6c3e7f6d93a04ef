// The permissible-limits reader: the separators the hull table takes, a header with units, and a
// message naming the row and the column for every way a limits file can be wrong (a table of cases
// under tests/data).
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "document/FileException.h"
#include "document/LimitsFile.h"
#include "model/LoadingCheck.h"

namespace
{
std::string Refusal(const std::string& strBytes)
{
    std::vector<SLimitPoint> limits{SLimitPoint{1, 2, -3, 4, -5}};
    try
    {
        CLimitsFile::Parse("limits.csv", strBytes, limits);
    }
    catch (const CFileException& error)
    {
        EXPECT_EQ(limits.size(), 1u) << "left alone on failure";
        return error.GetCause();
    }
    return "read without complaint";
}
} // namespace

TEST(LimitsFile, ReadsTheLayoutsAndRefusesWithRowAndColumn)
{
    const auto cases = testsupport::CaseTable("tables/limits.txt");
    ASSERT_GT(cases.size(), 15u);
    for (const auto& [strResult, strBytes] : cases)
    {
        if (strResult != "read")
        {
            EXPECT_EQ(Refusal(strBytes), strResult) << strBytes;
            continue;
        }
        std::vector<SLimitPoint> limits;
        CLimitsFile::Parse("limits.csv", strBytes, limits);
        ASSERT_EQ(limits.size(), 2u) << strBytes;
        EXPECT_TRUE(limits[1].x == 20.5 && limits[1].dSfMax == 12 && limits[1].dSfMin == -11 &&
                    limits[1].dBmHog == 300 && limits[1].dBmSag == -250)
            << strBytes;
    }
}
