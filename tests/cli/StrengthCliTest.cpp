// The batch tool's strength and export-stations commands run as a user runs them: the printed
// equilibrium and maxima, the tables' bytes, refusals that write nothing, usage errors.
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
using CArgs = std::vector<std::string>;

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

TEST_F(StrengthCli, FloatsTheExampleAndWritesItsCurves)
{
    const std::string strTable = m_dir.Path("curves.csv");
    const SResult result = Run({"strength", kExample, kExampleHull, "--table", strTable});
    ASSERT_EQ(result.nStatus, 0) << result.strErr;
    EXPECT_EQ(result.strErr, "");
    const auto lines = Split(result.strOut, '\n', '\t');
    const std::vector<std::string> names = {"W",          "XG",    "T_aft", "T_fwd",     "LCB",
                                            "iterations", "V_max", "M_max", "closure_V", "closure_M",
                                            "KG",         "KB",    "BMT",   "KMT",       "GMT"};
    ASSERT_EQ(lines.size(), names.size()) << result.strOut;
    for (size_t i = 0; i < names.size(); ++i)
    {
        EXPECT_EQ(lines[i][0], names[i]);
        EXPECT_EQ(lines[i].size(), names[i].find("_max") != std::string::npos ? 3u : 2u) << names[i];
    }
    const auto value = [&](size_t i, size_t n = 1) { return std::stod(lines[i][n]); };
    EXPECT_EQ(lines[0][1], "591.3");
    EXPECT_EQ(lines[4][1], lines[1][1]) << "LCB equals XG to the ten digits printed";
    // About 2.5 m, trimmed by the head, for a hull from 0 to 42 m.
    EXPECT_NEAR((value(2) + value(3)) / 2, 2.5, 0.1);
    EXPECT_GT(value(3), value(2));
    EXPECT_GE(value(7, 2), 0);
    EXPECT_LE(value(7, 2), 42);
    EXPECT_LT(std::fabs(value(8)), 1e-9);
    EXPECT_LT(std::fabs(value(9)), 1e-9);
    // KB a little over half the mean draft of a full hull, GMT = KMT - KG = KB + BMT - KG.
    EXPECT_NEAR(value(11), 0.55 * 2.5, 0.2);
    EXPECT_NEAR(value(13), value(11) + value(12), 1e-8);
    EXPECT_NEAR(value(14), value(13) - value(10), 1e-8);
    // KG is the ZG that totals prints.
    const SResult totals = Run({"totals", kExample});
    EXPECT_EQ(lines[10][1],
              CNumberFormat::Format("%.10G", std::stod(Split(totals.strOut, '\n', '\t')[0].at(3))));

    // The table: its header, abscissae never falling, V and M as printed at the maxima's rows.
    const std::string strBytes = ReadBytes(strTable);
    EXPECT_EQ(strBytes.substr(0, 13), "x,p,b,q,V,M\r\n");
    const auto rows = Split(strBytes, '\n', ',');
    double xPrev = -1e9, dLargestM = 0;
    size_t nJumps = 0;
    for (size_t r = 1; r < rows.size(); ++r)
    {
        ASSERT_EQ(rows[r].size(), 6u) << r;
        const double x = std::stod(rows[r][0]);
        EXPECT_GE(x, xPrev);
        nJumps += x == xPrev;
        xPrev = x;
        EXPECT_NEAR(std::stod(rows[r][3]), std::stod(rows[r][1]) - std::stod(rows[r][2]), 1e-8);
        dLargestM = std::max(dLargestM, std::fabs(std::stod(rows[r][5])));
    }
    EXPECT_GT(nJumps, 10u) << "two rows at the loads' jumps";
    EXPECT_LE(dLargestM, std::fabs(value(7)) * (1 + 1e-9));
    EXPECT_LT(std::fabs(std::stod(rows.back()[4])), 1e-9 * 591.3) << "V closes at the bow";

    // The same bytes however often it runs, through a standard output too.
    ASSERT_EQ(Run({"strength", kExample, kExampleHull, "--table", strTable}).nStatus, 0);
    EXPECT_TRUE(SameBytes(ReadBytes(strTable), strBytes));
    const SResult piped = Run({"strength", kExample, kExampleHull, "--table", "/dev/stdout"});
    EXPECT_EQ(piped.strOut, strBytes + result.strOut);

    // A lighter sea floats the ship deeper.
    const SResult fresh = Run({"strength", kExample, kExampleHull, "--density", "1.000"});
    ASSERT_EQ(fresh.nStatus, 0) << fresh.strErr;
    EXPECT_GT(std::stod(Split(fresh.strOut, '\n', '\t')[2][1]), value(2));
}

TEST_F(StrengthCli, RefusalsWriteNothing)
{
    const std::string strTable = m_dir.Path("kept.csv"), strPicture = m_dir.Path("kept.png");
    WriteBytes(strTable, "kept");
    WriteBytes(m_dir.Path("bad.csv"), "T,1,2\n0,1,2\n5,1,x\n");
    WriteBytes(m_dir.Path("empty.p3d"), Int32(0) + Int32(0));
    const std::vector<std::pair<CArgs, std::string>> refusals = {
        {{"strength", kExample, kExampleHull, "--density", "0.5"},
         "scafometro-cli: no equilibrium: the estimate weighs 591.3 t, more than the 502.352 t the hull "
         "displaces at its deepest draft, 4 m (drafts reached: T_aft 4 m, T_fwd 4 m)\n"},
        {{"strength", m_dir.Path("empty.p3d"), kExampleHull},
         "scafometro-cli: no equilibrium: the estimate's total weight is 0 t, and only a positive weight "
         "floats\n"},
        {{"strength", kExample, m_dir.Path("bad.csv")},
         "scafometro-cli: " + m_dir.Path("bad.csv") +
             ": row 3, column 3: 'x' where an area should be is not a number\n"},
        {{"strength", kExample, m_dir.Path("missing.csv")},
         "scafometro-cli: " + m_dir.Path("missing.csv") + ": No such file or directory\n"},
    };
    for (const auto& [args, strMessage] : refusals)
    {
        CArgs withOutputs = args;
        withOutputs.insert(withOutputs.end(), {"--table", strTable});
#ifdef SCAFOMETRO_PLOT
        // Handed over to the picture program, which refuses the same way; a build without Qt has none.
        withOutputs.insert(withOutputs.end(), {"--plot", strPicture});
#endif
        const SResult result = Run(withOutputs);
        EXPECT_EQ(result.nStatus, 1) << args[1];
        EXPECT_EQ(result.strOut, "");
        EXPECT_EQ(result.strErr, strMessage);
    }
    EXPECT_EQ(ReadBytes(strTable), "kept");
    EXPECT_EQ(FolderEntries(m_dir.Dir()).size(), 3u) << "no picture and no temporary files";
}

TEST_F(StrengthCli, UsageErrors)
{
    for (const CArgs& args :
         {CArgs{"strength", kExample}, CArgs{"strength", kExample, kExampleHull, "x"},
          CArgs{"strength", kExample, kExampleHull, "--density", "-1"},
          CArgs{"strength", kExample, kExampleHull, "--density", "1,025"},
          CArgs{"strength", kExample, kExampleHull, "--density"},
          CArgs{"strength", kExample, kExampleHull, "--plot", "out.txt"},
          CArgs{"strength", kExample, kExampleHull, "--size", "0x10"},
          CArgs{"strength", kExample, kExampleHull, "--table", "a", "--table", "b"},
          CArgs{"strength", kExample, kExampleHull, "--mode", "detailed"},
          CArgs{"export-stations", kExample, "out.csv", "--from", "0", "--to", "10"},
          CArgs{"export-stations", kExample, "out.csv", "--from", "5", "--to", "5", "--count", "3"},
          CArgs{"export-stations", kExample, "out.csv", "--from", "0", "--to", "1", "--count", "0"},
          CArgs{"export-stations", kExample, "out.csv", "--from", "nan", "--to", "1", "--count", "2"}})
    {
        const SResult result = Run(args);
        EXPECT_EQ(result.nStatus, 2) << args.back();
        EXPECT_NE(result.strErr.find("usage: scafometro-cli " + args[0]), std::string::npos) << result.strErr;
    }
}

TEST_F(StrengthCli, StationWeightsAddUpAndAreExact)
{
    // 100 t over 0..10 with its centroid at 4 m: p(x) = 16 - 1.2 x, so over 2.5 m intervals the
    // weights are 36.25, 28.75, 21.25, 13.75 t and the moments 8 x² - 0.4 x³ between the ends
    // 43.75, 106.25, 131.25, 118.75 t m.
    WriteBytes(m_dir.Path("trapezoid.p3d"), Int32(0) + Int32(1) + Record("T", {100, 0, 10, 4, 0, 0}));
    const std::string strOut = m_dir.Path("stations.csv");
    SResult result = Run({"export-stations", m_dir.Path("trapezoid.p3d"), strOut, "--from", "0", "--to", "10",
                          "--count", "4"});
    ASSERT_EQ(result.nStatus, 0) << result.strErr;
    EXPECT_EQ(result.strErr, "");
    EXPECT_TRUE(SameBytes(ReadBytes(strOut), "x_from,x_to,weight,xg\r\n"
                                             "0,2.5,36.25,1.206896552\r\n"
                                             "2.5,5,28.75,3.695652174\r\n"
                                             "5,7.5,21.25,6.176470588\r\n"
                                             "7.5,10,13.75,8.636363636\r\n"));

    // The example over its whole extent adds up to its total; over part of it, says what is left.
    result = Run({"export-stations", kExample, strOut, "--from", "-0.6", "--to", "42", "--count", "71"});
    ASSERT_EQ(result.nStatus, 0) << result.strErr;
    const auto rows = Split(ReadBytes(strOut), '\n', ',');
    ASSERT_EQ(rows.size(), 72u);
    double dSum = 0;
    for (size_t r = 1; r < rows.size(); ++r)
        dSum += std::stod(rows[r][2]);
    EXPECT_NEAR(dSum, 591.3, 1e-7);
    result = Run({"export-stations", kExample, strOut, "--from", "0", "--to", "42", "--count", "21"});
    EXPECT_EQ(result.nStatus, 0);
    EXPECT_EQ(result.strErr, "scafometro-cli: 1.085210988 t of the estimate lies outside 0..42 m\n");
}

#ifdef SCAFOMETRO_PLOT
TEST_F(StrengthCli, PlotHandsOverAndPrintsTheSame)
{
    const std::string strPicture = m_dir.Path("strength.png"), strTable = m_dir.Path("curves.csv");
    const SResult plain = Run({"strength", kExample, kExampleHull});
    // The estimate from the standard input: read once, by the program that draws.
    CCliProcess process(
        {"strength", "-", kExampleHull, "--plot", strPicture, "--size", "800x600", "--table", strTable});
    process.SetInputPath(kExample);
    const SResult plotted = process.Run(m_logs.Dir());
    ASSERT_EQ(plotted.nStatus, 0) << plotted.strErr;
    EXPECT_EQ(plotted.strOut, plain.strOut);
    EXPECT_EQ(ReadBytes(strPicture).substr(1, 3), "PNG");
    EXPECT_EQ(ReadBytes(strTable).substr(0, 11), "x,p,b,q,V,M");
    EXPECT_EQ(FolderEntries(m_dir.Dir()).size(), 2u);
}
#endif
