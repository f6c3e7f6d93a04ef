// The batch tool run from the transcripts under tests/data/cli: each case gives the command, its
// standard input ("<") and output (">", ">>"), and the status, messages, output and files it must
// give. A case that fails (status 1 or 2) leaves its folder as it was: only "kept.csv", holding "kept".
#include <algorithm>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "CliProcess.h"

using namespace testsupport;

namespace
{
// "@EX/", "@DATA/" and "@OUT/" become the examples, tests/data and the case's own folder.
std::string Expand(std::string strText, const std::string& strOut)
{
    const std::pair<std::string, std::string> names[] = {
        {"@EX/", SCAFOMETRO_EXAMPLES "/"}, {"@DATA/", DataPath("")}, {"@OUT/", strOut + "/"}};
    for (const auto& [strName, strPath] : names)
        for (size_t n = 0; (n = strText.find(strName, n)) != std::string::npos; n += strPath.size())
            strText.replace(n, strName.size(), strPath);
    return strText;
}

struct SCase
{
    int nLine = 0;
    std::vector<std::string> words, files, holds;
    std::string strInput, strOutput, strOut, strErr;
    std::vector<std::string> outParts, errParts;
    int nStatus = 0;
    bool bOut = false, bErr = false, bAppend = false;
};

std::vector<SCase> ReadCases(const std::string& strName)
{
    std::ifstream in(DataPath("cli/" + strName));
    std::vector<SCase> cases;
    std::string strLine;
    for (int nLine = 1; std::getline(in, strLine); ++nLine)
    {
        const size_t nSpace = strLine.find(' ');
        const std::string strKey = strLine.substr(0, nSpace);
        const std::string strRest = nSpace == std::string::npos ? "" : strLine.substr(nSpace + 1);
        if (strKey == "$")
        {
            cases.emplace_back();
            cases.back().nLine = nLine;
            std::istringstream words(strRest);
            for (std::string strWord; words >> strWord;)
                cases.back().words.push_back(strWord);
            continue;
        }
        if (strKey.empty() || strKey[0] == '#' || cases.empty())
            continue;
        SCase& c = cases.back();
        if (strKey == "status")
            c.nStatus = std::stoi(strRest);
        else if (strKey == "<")
            c.strInput = strRest;
        else if (strKey == ">" || strKey == ">>")
            c.strOutput = strRest, c.bAppend = strKey == ">>";
        else if (strKey == "out")
            c.strOut += strRest + "\n", c.bOut = true;
        else if (strKey == "err")
            c.strErr += strRest + "\n", c.bErr = true;
        else if (strKey == "out~")
            c.outParts.push_back(strRest);
        else if (strKey == "err~")
            c.errParts.push_back(strRest);
        else if (strKey == "file")
            c.files.push_back(strRest);
        else if (strKey == "has")
            c.holds.push_back(strRest);
        else
            ADD_FAILURE() << strName << ":" << nLine << ": " << strLine;
    }
    return cases;
}

class Transcript : public CCliTest, public ::testing::WithParamInterface<const char*>
{
};
} // namespace

TEST_P(Transcript, EveryCaseGivesWhatItSays)
{
    int nCase = 0;
    for (const SCase& c : ReadCases(GetParam()))
    {
        const std::string strDir = m_dir.Path(std::to_string(++nCase)),
                          strWhere = "line " + std::to_string(c.nLine);
        mkdir(strDir.c_str(), 0755);
        WriteBytes(strDir + "/kept.csv", "kept");
        std::vector<std::string> args;
        for (const std::string& strWord : c.words)
        {
            // A picture handed over to the program that draws, in a build that has it.
            if (strWord.rfind("@PLOT:", 0) != 0)
                args.push_back(Expand(strWord, strDir));
#ifdef SCAFOMETRO_PLOT
            else
                args.insert(args.end(), {"--plot", strDir + "/" + strWord.substr(6)});
#endif
        }
        CCliProcess process(args);
        // A file comes through a pipe, as "cat FILE |" gives it; a device is opened as it is.
        const std::string strInput = Expand(c.strInput, strDir);
        if (std::filesystem::is_regular_file(strInput))
            process.SetInputBytes(ReadBytes(strInput));
        else if (!strInput.empty())
            process.SetInputPath(strInput);
        // The standard output on a file that already holds something, as a script leaves it: after
        // what it holds (">") or appending to it (">>").
        const std::string strOutput = Expand(c.strOutput, strDir);
        const int nOutput =
            strOutput.empty() ? -1 : open(strOutput.c_str(), O_WRONLY | (c.bAppend ? O_APPEND : 0));
        if (nOutput >= 0 && lseek(nOutput, 0, SEEK_END) >= 0)
            process.SetOutputDescriptor(nOutput);
        const SCliRun run = process.Run(m_logs.Dir());
        if (nOutput >= 0)
            close(nOutput);
        EXPECT_EQ(run.nStatus, c.nStatus) << strWhere << "\n" << run.strErr;
        // Without "err" lines a success says nothing; without "out" lines a failure prints nothing.
        if (c.bErr || (c.nStatus == 0 && c.errParts.empty()))
        {
            EXPECT_EQ(run.strErr, Expand(c.strErr, strDir)) << strWhere;
        }
        if (c.bOut || c.nStatus == 1 || c.nStatus == 2)
        {
            EXPECT_EQ(run.strOut, Expand(c.strOut, strDir)) << strWhere;
        }
        for (const std::string& strPart : c.errParts)
            EXPECT_NE(run.strErr.find(Expand(strPart, strDir)), std::string::npos) << strWhere << "\n"
                                                                                   << run.strErr;
        for (const std::string& strPart : c.outParts)
            EXPECT_NE(run.strOut.find(Expand(strPart, strDir)), std::string::npos) << strWhere << "\n"
                                                                                   << run.strOut;
        // "file WRITTEN EXPECTED": the file written, or "-" for the output, against tests/data.
        for (const std::string& strFile : c.files)
        {
            const std::string strWritten = Expand(strFile.substr(0, strFile.find(' ')), strDir);
            const std::string strExpected = strFile.substr(strFile.find(' ') + 1);
            EXPECT_TRUE(SameAsFile(strWritten == "-" ? run.strOut : ReadBytes(strWritten), strExpected))
                << strWhere;
            if (strExpected.find(".dxf") != std::string::npos)
            {
                EXPECT_TRUE(DxfReadsBack(strWritten)) << strWhere;
            }
        }
        // "has WRITTEN TEXT": the file written holds the text.
        for (const std::string& strHeld : c.holds)
        {
            const std::string strText = strHeld.substr(strHeld.find(' ') + 1);
            EXPECT_NE(ReadBytes(Expand(strHeld.substr(0, strHeld.find(' ')), strDir)).find(strText),
                      std::string::npos)
                << strWhere << ": " << strText;
        }
        // Nothing is left in the folder but what the command was told to write.
        for (const std::string& strEntry : FolderEntries(strDir))
        {
            EXPECT_TRUE(strEntry == "kept.csv" ||
                        std::count(args.begin(), args.end(), strDir + "/" + strEntry))
                << strWhere << ": " << strEntry;
        }
        if (c.nStatus == 1 || c.nStatus == 2)
        {
            EXPECT_EQ(FolderEntries(strDir), std::vector<std::string>{"kept.csv"}) << strWhere;
            EXPECT_EQ(ReadBytes(strDir + "/kept.csv"), "kept") << strWhere;
        }
    }
}

// The picture command only in a build that has the program that draws.
const char* const kTranscripts[] = {"files.txt", "strength.txt", "hydrostatics.txt",
                                    "check.txt", "groups.txt",
#ifdef SCAFOMETRO_PLOT
                                    "plot.txt"
#endif
};
INSTANTIATE_TEST_SUITE_P(Cli, Transcript, ::testing::ValuesIn(kTranscripts));
