// Fuzz target: the limits reader. A file it refuses leaves the points as they were and is named; one
// it accepts holds numbers with x rising and each limit on its side of zero, and its points written
// out again to seventeen digits, with commas or with semicolons and decimal commas, read back to
// the same bits.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "document/FileException.h"
#include "document/LimitsFile.h"
#include "fuzz/FuzzCheck.h"
#include "model/LoadingCheck.h"
#include "model/NumberFormat.h"

using namespace fuzzcheck;

namespace
{
const char* const kName = "limiti.csv";

std::vector<double> Values(const SLimitPoint& point)
{
    return {point.x, point.dSfMax, point.dSfMin, point.dBmHog, point.dBmSag};
}

bool SamePoints(const std::vector<SLimitPoint>& a, const std::vector<SLimitPoint>& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
    {
        const std::vector<double> first = Values(a[i]), second = Values(b[i]);
        if (!std::equal(first.begin(), first.end(), second.begin(), SameBits))
            return false;
    }
    return true;
}

// The points as a spreadsheet exports them, the cells separated by chSeparator; with semicolons
// the decimal point is a comma.
std::string Written(const std::vector<SLimitPoint>& points, char chSeparator)
{
    std::string strText = "x [m],SF_max [t],SF_min [t],BM_hog [t m],BM_sag [t m]\r\n";
    for (const SLimitPoint& point : points)
    {
        std::string strRow;
        for (double dValue : Values(point))
            strRow += (strRow.empty() ? "" : ",") + CNumberFormat::Format("%.17G", dValue);
        strText += strRow + "\r\n";
    }
    if (chSeparator == ';')
    {
        std::replace(strText.begin(), strText.end(), ',', ';');
        std::replace(strText.begin(), strText.end(), '.', ',');
    }
    return strText;
}

std::vector<SLimitPoint> ReadBack(const std::string& strText)
{
    std::vector<SLimitPoint> points;
    try
    {
        CLimitsFile::Parse(kName, strText, points);
    }
    catch (const CFileException&)
    {
        Check(false, "the points written out are read again");
    }
    return points;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    const std::vector<SLimitPoint> before = {{1, 2, -3, 4, -5}};
    std::vector<SLimitPoint> points = before;
    try
    {
        CLimitsFile::Parse(kName, std::string(reinterpret_cast<const char*>(pData), nSize), points);
    }
    catch (const CFileException& error)
    {
        Check(SamePoints(points, before), "a refused file changes nothing");
        Check(error.GetPath() == kName, "a refusal names the file");
        return 0;
    }
    Check(!points.empty(), "an accepted file holds a point");
    for (size_t i = 0; i < points.size(); ++i)
    {
        const std::vector<double> values = Values(points[i]);
        Check(std::all_of(values.begin(), values.end(), [](double d) { return std::isfinite(d); }),
              "every value read is a number");
        Check(i == 0 || points[i].x > points[i - 1].x, "x rises from point to point");
        Check(points[i].dSfMin <= 0 && points[i].dSfMax >= 0 && points[i].dBmSag <= 0 &&
                  points[i].dBmHog >= 0,
              "each limit lies on its side of zero");
    }
    for (char chSeparator : {',', ';'})
        Check(SamePoints(ReadBack(Written(points, chSeparator)), points), "the points written out read back");
    return 0;
}
