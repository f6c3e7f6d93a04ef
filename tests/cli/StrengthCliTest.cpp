// The batch tool's strength command against the totals of the same estimate.
#include <cmath>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

#include "CliProcess.h"
#include "model/NumberFormat.h"

using namespace testsupport;

namespace
{
const std::string kExample = SCAFOMETRO_EXAMPLES "/motonave.p3d";
const std::string kExampleHull = SCAFOMETRO_EXAMPLES "/motonave-bonjean.csv";

using SResult = CCliProcess::SResult;

std::vector<std::vector<std::string>> Split(const std::string& strText, char chRow, char chCell)
{
    std::vector<std::vector<std::string>> rows;
    std::istringstream stream(strText);
    std::string strLine;
    while (std::getline(stream, strLine, chRow))
    {
        if (!strLine.empty() && strLine.back() == '\r')
            strLine.pop_back();
        rows.emplace_back();
        std::istringstream line(strLine);
        std::string strCell;
        while (std::getline(line, strCell, chCell))
            rows.back().push_back(strCell);
    }
    return rows;
}

class StrengthCli : public CCliTest
{
};
} // namespace

TEST_F(StrengthCli, FiguresAgreeWithTheTotals)
{
    // The printed figures and the table are checked byte for byte by the transcripts; here they
    // are held against the totals of the same estimate.
    const std::string strTable = m_dir.Path("curves.csv");
    const SResult result = Run({"strength", kExample, kExampleHull, "--table", strTable});
    ASSERT_EQ(result.nStatus, 0) << result.strErr;
    const auto lines = Split(result.strOut, '\n', '\t');
    ASSERT_EQ(lines.size(), 15u) << result.strOut;
    const auto value = [&](size_t i) { return std::stod(lines[i][1]); };
    // GMT = KMT - KG = KB + BMT - KG, and KG is the ZG that totals prints.
    EXPECT_NEAR(value(13), value(11) + value(12), 1e-8);
    EXPECT_NEAR(value(14), value(13) - value(10), 1e-8);
    const SResult totals = Run({"totals", kExample});
    EXPECT_EQ(lines[10][1],
              CNumberFormat::Format("%.10G", std::stod(Split(totals.strOut, '\n', '\t')[0].at(3))));
    // The same bytes through a standard output.
    const SResult piped = Run({"strength", kExample, kExampleHull, "--table", "/dev/stdout"});
    EXPECT_EQ(piped.strOut, ReadBytes(strTable) + result.strOut);
    // A lighter sea floats the ship deeper.
    const SResult fresh = Run({"strength", kExample, kExampleHull, "--density", "1.000"});
    ASSERT_EQ(fresh.nStatus, 0) << fresh.strErr;
    EXPECT_GT(std::stod(Split(fresh.strOut, '\n', '\t')[2][1]), value(2));
}
