// The batch tool on streams: "-" and /dev/stdout write to the standard output as it stands (reading
// from a pipe is in the transcripts).
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
    CCliProcess::SResult RunInto(const CWords& words, int nFlags, const std::string& strBefore)
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
    // Text and a binary weight file, appended to (">> log.txt") and positioned after what a script
    // wrote before ("> log.txt").
    const std::pair<CWords, const char*> commands[] = {
        {{"export-csv", strRectangle}, "rectangle/resultant.csv"},
        {{"merge-all", DataPath("merge/base.p3d"), DataPath("merge/altro.p3d")}, "merge/all.p3d"}};
    for (const auto& [command, pszExpected] : commands)
    {
        for (int nFlags : {O_APPEND, 0})
        {
            for (const char* pszOut : {"-", "/dev/stdout"})
            {
                CWords words = command;
                words.push_back(pszOut);
                const CCliProcess::SResult result = RunInto(words, nFlags, strBefore);
                EXPECT_EQ(result.nStatus, 0) << result.strErr;
                const std::string strLog = Log();
                ASSERT_EQ(strLog.substr(0, strBefore.size()), strBefore) << pszOut << " truncated the log";
                EXPECT_TRUE(SameAsFile(strLog.substr(strBefore.size()), pszExpected)) << pszOut;
            }
        }
    }
    // A full standard output is reported.
    const int nFull = open("/dev/full", O_WRONLY);
    ASSERT_GE(nFull, 0);
    CCliProcess full({"export-loads", strRectangle, "-"});
    full.SetOutputDescriptor(nFull);
    const CCliProcess::SResult result = full.Run(m_logs.Dir());
    close(nFull);
    EXPECT_EQ(result.nStatus, 1);
    EXPECT_EQ(result.strErr, "scafometro-cli: /dev/stdout: No space left on device\n");
}
