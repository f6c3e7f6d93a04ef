// The batch tool's check command run as a user runs it: the example's three conditions with its
// limits, the exit statuses, a "+" condition against the merged file, the report handed over to
// the picture helper, refusals that write nothing and usage errors.
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "CliProcess.h"

using namespace testsupport;

namespace
{
using CArgs = std::vector<std::string>;

const std::string kExamples = SCAFOMETRO_EXAMPLES "/";
const std::string kHull = kExamples + "motonave-bonjean.csv", kLimits = kExamples + "motonave-limiti.csv";
const std::string kDeparture = kExamples + "motonave.p3d";
const std::string kArrival = kDeparture + "+" + kExamples + "motonave-arrivo.p3d";
const std::string kBallast = kDeparture + "+" + kExamples + "motonave-zavorra.p3d";

// The printed lines after the condition's name, which is the only line a renamed file changes.
std::string Figures(const std::string& strOut)
{
    const size_t nName = strOut.find('\n');
    return strOut.substr(nName + 1, strOut.find("envelope_") - nName - 1);
}

class CheckCli : public CCliTest
{
};
} // namespace

TEST_F(CheckCli, ChecksTheExampleConditionsAndWritesTheTable)
{
    const std::string strTable = m_dir.Path("check.csv");
    const SCliRun result =
        Run({"check", kHull, kLimits, kDeparture, kArrival, kBallast, "--table", strTable});
    // The arrival sags past the limit at 25.2 m: the run says so by its status.
    ASSERT_EQ(result.nStatus, 3) << result.strErr;
    EXPECT_EQ(result.strErr, "");
    EXPECT_EQ(result.strOut.substr(0, 33), "condition\tmotonave\nW\t591.3\nT_aft\t");
    for (const char* pszLine :
         {"condition\tmotonave+motonave-arrivo\n", "BM_util\t101.9941168\t25.2\nverdict\tfuori dai limiti\n",
          "envelope_BM_hog\t148.9728963\t21\tmotonave+motonave-zavorra\n",
          "envelope_BM_sag\t-183.5894102\t25.2\tmotonave+motonave-arrivo\n"})
        EXPECT_NE(result.strOut.find(pszLine), std::string::npos) << pszLine << result.strOut;
    EXPECT_EQ(result.strOut.find("Z_req"), std::string::npos);
    const std::string strBytes = ReadBytes(strTable);
    EXPECT_EQ(strBytes.substr(0, strBytes.find("\r\n")),
              "x,SF_max,SF_min,BM_hog,BM_sag,V:motonave,M:motonave,SF_util:motonave,BM_util:motonave,"
              "V:motonave+motonave-arrivo,M:motonave+motonave-arrivo,SF_util:motonave+motonave-arrivo,"
              "BM_util:motonave+motonave-arrivo,V:motonave+motonave-zavorra,M:motonave+motonave-zavorra,"
              "SF_util:motonave+motonave-zavorra,BM_util:motonave+motonave-zavorra");
    EXPECT_NE(strBytes.find("\r\n25.2,30,-30,180,-180,"), std::string::npos);

    // The departure alone is within its limits; with the wave loads of a longer ship the modulus
    // and the wave's columns are added.
    const SCliRun alone =
        Run({"check", kHull, kLimits, kDeparture, "--wave", "200,32,0.8", "--table", strTable});
    EXPECT_EQ(alone.nStatus, 0) << alone.strErr;
    EXPECT_NE(alone.strOut.find("\nZ_req\t"), std::string::npos);
    EXPECT_NE(alone.strOut.find("\nwave_C\t9.75\nW_min\t18.72\n"), std::string::npos) << alone.strOut;
    EXPECT_NE(ReadBytes(strTable).find(",Fw_pos,Fw_neg,Mw_hog,Mw_sag\r\n"), std::string::npos);
}

TEST_F(CheckCli, PlusConditionEqualsTheMergedFile)
{
    const std::string strMerged = m_dir.Path("a+b.p3d");
    ASSERT_EQ(Run({"merge-all", kDeparture, kExamples + "motonave-arrivo.p3d", strMerged}).nStatus, 0);
    const SCliRun plus = Run({"check", kHull, kLimits, kArrival});
    // A path that exists is one file even with a "+" in its name.
    const SCliRun merged = Run({"check", kHull, kLimits, strMerged});
    ASSERT_EQ(merged.nStatus, 3) << merged.strErr;
    EXPECT_EQ(merged.strOut.substr(0, 15), "condition\ta+b\nW");
    EXPECT_EQ(Figures(merged.strOut), Figures(plus.strOut));
}

TEST_F(CheckCli, RefusalsAndUsageErrors)
{
    const std::string strTable = m_dir.Path("kept.csv");
    WriteBytes(strTable, "kept");
    WriteBytes(m_dir.Path("bad.csv"), "x,SF_max,SF_min,BM_hog,BM_sag\n1,2,-3,4,-5\n2,2,3,4,-5\n");
    const std::string strHeavy = kDeparture + "+" + kDeparture;
    const struct
    {
        CArgs args;
        int nStatus;
        std::string strErr;
    } cases[] = {
        {{"check", kHull, m_dir.Path("bad.csv"), kDeparture},
         1,
         "scafometro-cli: " + m_dir.Path("bad.csv") + ": row 3, column 3: SF_min 3 is above zero\n"},
        {{"check", kHull, kLimits, kDeparture + "+" + m_dir.Path("missing.p3d")},
         1,
         "scafometro-cli: " + m_dir.Path("missing.p3d") + ": No such file or directory\n"},
        {{"check", kHull, kLimits, kDeparture, strHeavy},
         1,
         "scafometro-cli: condition motonave+motonave: no equilibrium: the estimate weighs 1182.6 t, more "
         "than "
         "the 1029.82 t the hull displaces at its deepest draft, 4 m (drafts reached: T_aft 4 m, T_fwd 4 "
         "m)\n"},
        {{"check", kHull, kLimits, kDeparture, "--wave", "42,8,0.6"},
         2,
         "scafometro-cli: --wave: the rule wave loads are for a length L from 90 to 500 m, not 42\n"},
        {{"check", kHull, kLimits, kDeparture, "--wave", "100,8"},
         2,
         "scafometro-cli: bad value for --wave: '100,8'\n"},
        {{"check", kHull, kLimits, kDeparture, "--report", m_dir.Path("r.png")},
         2,
         "scafometro-cli: " + m_dir.Path("r.png") + ": the report must be named .pdf\n"},
        {{"check", kHull, kLimits, kDeparture, "--density", "0"},
         2,
         "scafometro-cli: bad value for --density: '0'\n"},
        {{"check", kHull, kLimits}, 2, ""},
    };
    for (const auto& c : cases)
    {
        CArgs args = c.args;
        args.insert(args.end(), {"--table", strTable});
        const SCliRun result = Run(args);
        EXPECT_EQ(result.nStatus, c.nStatus) << c.strErr;
        EXPECT_EQ(result.strOut, "");
        const std::string strUsage = c.nStatus == 2 ? "usage: scafometro-cli check HULL LIMITS" : "";
        EXPECT_EQ(result.strErr.substr(0, c.strErr.size()), c.strErr);
        EXPECT_NE(result.strErr.find(strUsage), std::string::npos) << result.strErr;
    }
    EXPECT_EQ(ReadBytes(strTable), "kept");
    EXPECT_EQ(FolderEntries(m_dir.Dir()).size(), 2u) << "no temporary files";
}

#ifdef SCAFOMETRO_PLOT
TEST_F(CheckCli, ReportHandsOverAndPrintsTheSame)
{
    const std::string strReport = m_dir.Path("check.pdf");
    const SCliRun plain = Run({"check", kHull, kLimits, kDeparture, kArrival, kBallast});
    // The departure from the standard input, which only the program that draws reads.
    CCliProcess process({"check", kHull, kLimits, "-", kArrival, kBallast, "--report", strReport});
    process.SetInputPath(kDeparture);
    const SCliRun reported = process.Run(m_logs.Dir());
    EXPECT_EQ(reported.nStatus, 3) << reported.strErr;
    EXPECT_EQ(reported.strOut.substr(0, 12), "condition\t-\n");
    EXPECT_EQ(Figures(reported.strOut), Figures(plain.strOut));
    const std::string strBytes = ReadBytes(strReport);
    EXPECT_EQ(strBytes.substr(0, 5), "%PDF-");
    // A page for the figures and the envelope, one for each condition's curves.
    size_t nPages = 0;
    for (size_t n = 0; (n = strBytes.find("/Type /Page\n", n)) != std::string::npos; ++n)
        ++nPages;
    EXPECT_EQ(nPages, 4u);
}
#endif
