// Write faults of the batch tool's writing commands: a device that refuses to grow, a file-size
// limit, a folder that cannot be written and a target that is a folder. Each must be reported
// naming the file and the cause, with status 1, leave no partial or temporary file, and leave a
// file that was there before byte for byte as it was.
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "CliProcess.h"
#include "TestSupport.h"

using namespace testsupport;

namespace
{
using CWords = std::vector<std::string>;

// Far below what every command writes for the inputs below, far above an error message.
constexpr rlim_t kSizeLimit = 1024;
const std::string kKept = "kept, not to be touched\n";

class WriteFault : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // Inputs that "nobody" can read too.
        chmod(m_in.Dir().c_str(), 0755);
        chmod(m_out.Dir().c_str(), 0755);
        std::string strNew = Int32(4) + "head" + Int32(40), strOld = strNew, strTable;
        for (int i = 0; i < 40; ++i)
        {
            const double x = 3.0 * i;
            strNew += Record("carico " + std::to_string(i), {1.5 + i, x, x + 7, 2, 0.1 * i, 3});
            strOld += Record("vecchio " + std::to_string(i), {1.5 + i, x, x + 7, 2, 3});
            strTable += "riga " + std::to_string(i) + "\t2\t" + std::to_string(i) + "\t" +
                        std::to_string(i + 4) + "\t1\t0\t2\r\n";
        }
        WriteBytes(m_in.Path("stima.p3d"), strNew);
        WriteBytes(m_in.Path("vecchio.p"), strOld);
        WriteBytes(m_in.Path("tabella.txt"), strTable);
    }

    // Every writing command with its inputs; OUT goes last.
    std::vector<CWords> Commands() const
    {
        const std::string p3d = m_in.Path("stima.p3d");
        return {{"export-loads", p3d},
                {"export-resultant", p3d},
                {"export-csv", p3d},
                {"export-dxf", p3d},
                {"export-detailed-dxf", p3d},
                {"import-old", m_in.Path("vecchio.p")},
                {"merge-all", p3d, p3d},
                {"merge-equivalent", p3d, p3d},
                {"import-table", m_in.Path("tabella.txt")}};
    }

    // The command failed, said which file and why, and printed nothing else but a merge's notice.
    static void ExpectReported(const CCliProcess::SResult& result, const CWords& command,
                               const std::string& strMessage)
    {
        EXPECT_EQ(result.nStatus, 1) << command[0] << ": " << result.strErr;
        std::string strRest = result.strErr;
        for (const std::string& strLine :
             {"scafometro-cli: " + strMessage + "\n", std::string("Import eseguito\n")})
        {
            const size_t nAt = strRest.find(strLine);
            if (nAt != std::string::npos)
                strRest.erase(nAt, strLine.size());
            else
                EXPECT_TRUE(strLine[0] == 'I' && command[0].rfind("merge", 0) != 0)
                    << command[0] << " did not say: " << strLine << "but: " << result.strErr;
        }
        EXPECT_EQ(strRest, "") << command[0];
    }

    CScratchDir m_in;
    CScratchDir m_out;
    CScratchDir m_logs;
};
} // namespace

TEST_F(WriteFault, FullDeviceIsReportedAndNeverReplaced)
{
    for (const CWords& command : Commands())
    {
        CWords words = command;
        words.push_back("/dev/full");
        const CCliProcess::SResult result = CCliProcess(words).Run(m_logs.Dir());
        ExpectReported(result, command, "/dev/full: No space left on device");
        struct stat info;
        ASSERT_EQ(stat("/dev/full", &info), 0);
        EXPECT_TRUE(S_ISCHR(info.st_mode)) << command[0] << " replaced /dev/full";
    }
}

TEST_F(WriteFault, FileSizeLimitLeavesNoPartialFile)
{
    // A regular file under /dev (in memory, in /dev/shm) is no device: it is protected as well.
    std::vector<std::string> folders{m_out.Dir()};
    char szShared[] = "/dev/shm/scafometro-test-XXXXXX";
    if (mkdtemp(szShared))
        folders.push_back(szShared);
    for (const std::string& strFolder : folders)
    {
        const std::string strKept = strFolder + "/kept.out", strNew = strFolder + "/new.out";
        WriteBytes(strKept, kKept);
        for (const CWords& command : Commands())
        {
            // Without the limit the command writes more than it allows.
            CWords words = command;
            words.push_back(m_logs.Path("whole.out"));
            ASSERT_EQ(CCliProcess(words).Run(m_logs.Dir()).nStatus, 0) << command[0];
            ASSERT_GT(ReadBytes(m_logs.Path("whole.out")).size(), kSizeLimit) << command[0];

            for (const std::string& strTarget : {strKept, strNew})
            {
                words.back() = strTarget;
                CCliProcess process(words);
                process.SetFileSizeLimit(kSizeLimit);
                ExpectReported(process.Run(m_logs.Dir()), command, strTarget + ": File too large");
            }
            EXPECT_EQ(ReadBytes(strKept), kKept) << command[0] << " in " << strFolder;
            EXPECT_EQ(FolderEntries(strFolder), CWords{"kept.out"}) << command[0] << " left a file behind";
        }
    }
    if (folders.size() > 1)
        std::filesystem::remove_all(folders.back());
}

TEST_F(WriteFault, FolderWithoutWritePermission)
{
    const std::string strFolder = m_out.Path("sola-lettura");
    ASSERT_EQ(mkdir(strFolder.c_str(), 0755), 0);
    const std::string strKept = strFolder + "/kept.out", strNew = strFolder + "/new.out";
    WriteBytes(strKept, kKept);
    ASSERT_EQ(chmod(strFolder.c_str(), 0555), 0);
    // Root passes over permission bits: the program then runs as "nobody", for whom they hold.
    CCliProcess probe({"--help"});
    probe.SetUnprivileged();
    probe.SetProbeFolder(strFolder);
    const int nProbe = probe.Run(m_logs.Dir()).nStatus;
    if (nProbe == CCliProcess::kStillWritable || nProbe == CCliProcess::kNoUnprivilegedUser)
        GTEST_SKIP() << "no user here for whom the folder is read-only";
    ASSERT_EQ(nProbe, 0) << "the batch tool cannot run as nobody";

    for (const CWords& command : Commands())
    {
        for (const std::string& strTarget : {strKept, strNew})
        {
            CWords words = command;
            words.push_back(strTarget);
            CCliProcess process(words);
            process.SetUnprivileged();
            ExpectReported(process.Run(m_logs.Dir()), command, strTarget + ": Permission denied");
        }
        EXPECT_EQ(ReadBytes(strKept), kKept) << command[0];
        EXPECT_EQ(FolderEntries(strFolder), CWords{"kept.out"}) << command[0] << " left a file behind";
    }
    chmod(strFolder.c_str(), 0755);
}

TEST_F(WriteFault, TargetThatIsAFolder)
{
    const std::string strFolder = m_out.Path("cartella");
    ASSERT_EQ(mkdir(strFolder.c_str(), 0755), 0);
    WriteBytes(strFolder + "/dentro.txt", kKept);
    for (const CWords& command : Commands())
    {
        for (const std::string& strTarget : {strFolder, strFolder + "/"})
        {
            CWords words = command;
            words.push_back(strTarget);
            ExpectReported(CCliProcess(words).Run(m_logs.Dir()), command, strTarget + ": Is a directory");
        }
        EXPECT_EQ(FolderEntries(strFolder), CWords{"dentro.txt"}) << command[0];
        EXPECT_EQ(ReadBytes(strFolder + "/dentro.txt"), kKept);
        EXPECT_EQ(FolderEntries(m_out.Dir()), CWords{"cartella"}) << command[0] << " left a file behind";
    }
}
