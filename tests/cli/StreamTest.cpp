// The batch tool on streams: "-" and /dev/stdout write to the standard output as it stands, and
// "-" and /dev/stdin read a weight file whole from a pipe.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>
#include <vector>

#include "CliProcess.h"
#include "TestSupport.h"

using namespace testsupport;

namespace
{
using CWords = std::vector<std::string>;

class Streams : public CCliTest
{
protected:
    // Runs words with the standard output on a file opened with flags, holding strBefore.
    CCliProcess::SResult RunInto(const CWords& words, int nFlags, const std::string& strBefore,
                                 const std::string& strInput = std::string())
    {
        const int fd = open(m_dir.Path("log.txt").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        EXPECT_GE(fd, 0);
        EXPECT_EQ(write(fd, strBefore.data(), strBefore.size()), static_cast<ssize_t>(strBefore.size()));
        close(fd);
        const int nOut = open(m_dir.Path("log.txt").c_str(), O_WRONLY | nFlags);
        if (nFlags == 0)
            lseek(nOut, static_cast<off_t>(strBefore.size()), SEEK_SET);
        CCliProcess process(words);
        process.SetOutputDescriptor(nOut);
        if (!strInput.empty())
            process.SetInputBytes(strInput);
        const CCliProcess::SResult result = process.Run(m_logs.Dir());
        close(nOut);
        return result;
    }

    std::string Log() const { return ReadBytes(m_dir.Path("log.txt")); }
};
} // namespace

TEST_F(Streams, StandardOutputIsWrittenAsItStands)
{
    const std::string strRectangle = DataPath("rectangle/rectangle.p3d");
    const std::string strBefore = "a log that must survive\n";
    // Appended to (">> log.txt") and positioned after what a script wrote before ("> log.txt").
    for (int nFlags : {O_APPEND, 0})
    {
        for (const char* pszOut : {"-", "/dev/stdout"})
        {
            const std::string strOut = pszOut;
            const CCliProcess::SResult result =
                RunInto({"export-csv", strRectangle, strOut}, nFlags, strBefore);
            EXPECT_EQ(result.nStatus, 0) << result.strErr;
            const std::string strLog = Log();
            ASSERT_EQ(strLog.substr(0, strBefore.size()), strBefore) << strOut << " truncated the log";
            EXPECT_TRUE(SameAsFile(strLog.substr(strBefore.size()), "rectangle/resultant.csv")) << strOut;
        }
    }
    // A binary weight file goes out as well, and a full standard output is reported.
    const std::string strMerged = DataPath("merge/base.p3d");
    const CCliProcess::SResult merged =
        RunInto({"merge-all", strMerged, DataPath("merge/altro.p3d"), "-"}, O_APPEND, strBefore);
    EXPECT_EQ(merged.nStatus, 0) << merged.strErr;
    EXPECT_TRUE(SameAsFile(Log().substr(strBefore.size()), "merge/all.p3d"));

    const int nFull = open("/dev/full", O_WRONLY);
    ASSERT_GE(nFull, 0);
    CCliProcess full({"export-loads", strRectangle, "-"});
    full.SetOutputDescriptor(nFull);
    const CCliProcess::SResult result = full.Run(m_logs.Dir());
    close(nFull);
    EXPECT_EQ(result.nStatus, 1);
    EXPECT_EQ(result.strErr, "scafometro-cli: /dev/stdout: No space left on device\n");
}

TEST_F(Streams, WeightFileReadFromAPipe)
{
    const std::string strBytes = ReadBytes(DataPath("load-table/estimate.p3d"));
    const auto totals = [&](const std::string& strIn, const std::string& strInput) {
        const CCliProcess::SResult result = RunInto({"totals", strIn}, O_APPEND, "", strInput);
        EXPECT_EQ(result.nStatus, 0) << result.strErr;
        return Log();
    };
    const std::string strFromFile = totals(DataPath("load-table/estimate.p3d"), "");
    ASSERT_NE(strFromFile.find('\t'), std::string::npos);
    EXPECT_EQ(totals("-", strBytes), strFromFile);
    EXPECT_EQ(totals("/dev/stdin", strBytes), strFromFile);

    // Read from the pipe, written to the standard output: the same bytes as from and to files,
    // the table headed by the name the pipe has.
    EXPECT_EQ(RunInto({"export-loads", "-", "-"}, O_APPEND, "", strBytes).nStatus, 0);
    const std::string strTable = ReadBytes(DataPath("load-table/loads.txt"));
    EXPECT_TRUE(SameBytes(Log(), "stdin" + strTable.substr(strTable.find('\r'))));
    EXPECT_EQ(RunInto({"import-old", "-", "-"}, O_APPEND, "", ReadBytes(DataPath("old-two-loads/estimate.p")))
                  .nStatus,
              0);
    EXPECT_TRUE(SameAsFile(Log(), "old-two-loads/expected.p3d"));

    // A pipe cut short is corrupt like a file cut short, and one without end is refused at 256 MB.
    const CCliProcess::SResult cut = RunInto({"totals", "-"}, O_APPEND, "", strBytes.substr(0, 100));
    EXPECT_EQ(cut.nStatus, 1);
    EXPECT_EQ(cut.strErr.rfind("scafometro-cli: /dev/stdin: corrupt file", 0), 0u) << cut.strErr;
    CCliProcess endless({"totals", "-"});
    endless.SetInputPath("/dev/zero");
    const CCliProcess::SResult refused = endless.Run(m_logs.Dir());
    EXPECT_EQ(refused.nStatus, 1);
    EXPECT_EQ(refused.strErr,
              "scafometro-cli: /dev/stdin: too large to read from a stream (more than 256 MB)\n");
}
