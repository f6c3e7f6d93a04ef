// The batch tool's check command: a "+" condition against the merged file and the report handed
// over to the picture helper (the figures, tables and refusals are in the transcripts).
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "CliProcess.h"

using namespace testsupport;

namespace
{
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
