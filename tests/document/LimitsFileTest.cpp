// The permissible-limits reader: the separators the hull table takes, a header with units, and a
// message naming the row and the column for every way a limits file can be wrong.
#include <gtest/gtest.h>
#include <string>
#include <vector>

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
    const std::vector<std::string> variants = {
        "x,SF_max,SF_min,BM_hog,BM_sag\n0,10,-10,0,0\n20.5,12,-11,300,-250\n",
        "# frames\r\nX [m];SF_max [t];sf_min [t];BM_hog [t m];BM_sag (t "
        "m)\r\n0;10;-10;0;0\r\n20,5;12;-11;300;-250\r\n",
        "x\tSF_max\tSF_min\tBM_hog\tBM_sag\n\n0\t10\t-10\t0\t-0\n20.5\t12\t-11\t3e2\t-250\n",
    };
    for (const std::string& strBytes : variants)
    {
        std::vector<SLimitPoint> limits;
        CLimitsFile::Parse("limits.csv", strBytes, limits);
        ASSERT_EQ(limits.size(), 2u) << strBytes;
        EXPECT_EQ(limits[1].x, 20.5);
        EXPECT_EQ(limits[1].dSfMax, 12);
        EXPECT_EQ(limits[1].dSfMin, -11);
        EXPECT_EQ(limits[1].dBmHog, 300);
        EXPECT_EQ(limits[1].dBmSag, -250);
    }

    const std::string kHeader = "x,SF_max,SF_min,BM_hog,BM_sag\n";
    const struct
    {
        std::string strBytes, strCause;
    } refused[] = {
        {"# nothing\n", "no header row: the file holds no limits"},
        {kHeader, "no read-out point after the header"},
        {"x,SF_max,SF_min,BM_hog\n", "row 1, column 5: the header lacks the column BM_sag"},
        {"x,SF_max,SF_min,BM_sag,BM_hog\n",
         "row 1, column 4: 'BM_sag' where the header should name the column BM_hog"},
        {"x,SF_maximum,SF_min,BM_hog,BM_sag\n",
         "row 1, column 2: 'SF_maximum' where the header should name the column SF_max"},
        {"x,SF_max,SF_min,BM_hog,BM_sag,note\n",
         "row 1, column 6: 'note' after the five columns of the header"},
        {kHeader + "0,1,-1,1\n", "row 2: 4 cells where the header has 5"},
        {kHeader + "0,1,-1,1,-1,2\n", "row 2: 6 cells where the header has 5"},
        {kHeader + "0,1,-1,1,-1\n0,1,-1,1,-1\n", "row 3, column 1: x 0 is not beyond the x before it, 0"},
        {kHeader + "0,-1,-1,1,-1\n", "row 2, column 2: SF_max -1 is below zero"},
        {kHeader + "0,1,0.5,1,-1\n", "row 2, column 3: SF_min 0.5 is above zero"},
        {kHeader + "0,1,-1,-2,-1\n", "row 2, column 4: BM_hog -2 is below zero"},
        {kHeader + "0,1,-1,1,3\n", "row 2, column 5: BM_sag 3 is above zero"},
        {kHeader + "0,1,-1,nan,-1\n", "row 2, column 4: 'nan' where BM_hog should be is not a number"},
        {kHeader + "0,1,,1,-1\n", "row 2, column 3: an empty cell where SF_min should be is not a number"},
    };
    for (const auto& c : refused)
        EXPECT_EQ(Refusal(c.strBytes), c.strCause) << c.strBytes;
}
