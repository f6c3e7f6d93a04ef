// Write faults of the batch tool's writing commands: a device that refuses to grow, a file-size
// limit, a folder that cannot be written and a target that is a folder. Each must be reported
// naming the file and the cause, with status 1, leave no partial or temporary file, and leave a
// file that was there before byte for byte as it was.
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <map>
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

// Far below what every command writes for the inputs, far above an error message.
constexpr rlim_t kSizeLimit = 1024;
const std::string kKept = "kept, not to be touched\n";

class WriteFault : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // Forty loads (or rows) under tests/data/cli/write-fault and the example ship, where "nobody"
        // can read them too.
        std::filesystem::copy(DataPath("cli/write-fault"), m_in.Dir());
        std::filesystem::copy(SCAFOMETRO_EXAMPLES, m_in.Dir());
        chmod(m_in.Dir().c_str(), 0755);
        chmod(m_out.Dir().c_str(), 0755);
    }

    // Every writing command with its inputs; OUT goes last.
    std::vector<CWords> Commands() const
    {
        const std::string p3d = m_in.Path("stima.p3d"), ship = m_in.Path("motonave.p3d");
        const std::string hull = m_in.Path("motonave-bonjean.csv");
        return {{"export-loads", p3d},
                {"export-resultant", p3d},
                {"export-csv", p3d},
                {"export-dxf", p3d},
                {"export-detailed-dxf", p3d},
                {"import-old", m_in.Path("vecchio.p")},
                {"merge-all", p3d, p3d},
                {"merge-equivalent", p3d, p3d},
                {"import-table", m_in.Path("tabella.txt")},
                {"export-stations", ship, "--from", "-5", "--to", "50", "--count", "60"},
                {"groups", m_in.Path("motonave-gruppi.p3d"), "--level", "3"},
                {"strength", ship, hull, "--table"},
                {"hydrostatics", hull},
                {"check", hull, m_in.Path("motonave-limiti.csv"), ship, ship, ship, "--table"}};
    }

    // Runs every command into each target, the process prepared as the fault needs: each must
    // fail with status 1 naming the target and the cause, print nothing else but a merge's
    // notice, and leave every file and folder under strFolder as it was.
    void ExpectEveryCommandRefused(const CWords& targets, const std::string& strCause,
                                   const std::function<void(CCliProcess&)>& prepare,
                                   const std::string& strFolder)
    {
        const std::map<std::string, std::string> before = Snapshot(strFolder);
        for (const CWords& command : Commands())
        {
            for (const std::string& strTarget : targets)
            {
                CWords words = command;
                words.push_back(strTarget);
                CCliProcess process(words);
                prepare(process);
                const CCliProcess::SResult result = process.Run(m_logs.Dir());
                EXPECT_EQ(result.nStatus, 1) << command[0] << ": " << result.strErr;
                const std::string strNotice = command[0].rfind("merge", 0) == 0 ? "Import eseguito\n" : "";
                const std::string strMessage = "scafometro-cli: " + strTarget + ": " + strCause + "\n";
                EXPECT_TRUE(result.strErr == strNotice + strMessage ||
                            result.strErr == strMessage + strNotice)
                    << command[0] << ": " << result.strErr;
            }
            EXPECT_EQ(Snapshot(strFolder), before) << command[0] << " left a file behind or changed one";
        }
    }

    // Every entry under the folder, with the bytes of its files.
    static std::map<std::string, std::string> Snapshot(const std::string& strFolder)
    {
        std::map<std::string, std::string> entries;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(strFolder))
            entries[entry.path()] = entry.is_regular_file() ? ReadBytes(entry.path()) : "a folder";
        return entries;
    }

    CScratchDir m_in;
    CScratchDir m_out;
    CScratchDir m_logs;
};
} // namespace

TEST_F(WriteFault, FullDeviceIsReportedAndNeverReplaced)
{
    ExpectEveryCommandRefused(
        {"/dev/full"}, "No space left on device", [](CCliProcess&) {}, m_out.Dir());
    struct stat info;
    ASSERT_EQ(stat("/dev/full", &info), 0);
    EXPECT_TRUE(S_ISCHR(info.st_mode)) << "/dev/full was replaced";
}

TEST_F(WriteFault, FileSizeLimitLeavesNoPartialFile)
{
    // Without the limit every command writes more than it allows.
    for (CWords words : Commands())
    {
        words.push_back(m_logs.Path("whole.out"));
        ASSERT_EQ(CCliProcess(words).Run(m_logs.Dir()).nStatus, 0) << words[0];
        ASSERT_GT(ReadBytes(m_logs.Path("whole.out")).size(), kSizeLimit) << words[0];
    }
    // A regular file under /dev (in memory, in /dev/shm) is no device: it is protected as well.
    std::vector<std::string> folders{m_out.Dir()};
    char szShared[] = "/dev/shm/scafometro-test-XXXXXX";
    if (mkdtemp(szShared))
        folders.push_back(szShared);
    for (const std::string& strFolder : folders)
    {
        WriteBytes(strFolder + "/kept.out", kKept);
        ExpectEveryCommandRefused(
            {strFolder + "/kept.out", strFolder + "/new.out"}, "File too large",
            [](CCliProcess& process) { process.SetFileSizeLimit(kSizeLimit); }, strFolder);
    }
    if (folders.size() > 1)
        std::filesystem::remove_all(folders.back());
}

TEST_F(WriteFault, FolderWithoutWritePermission)
{
    const std::string strFolder = m_out.Path("sola-lettura");
    ASSERT_EQ(mkdir(strFolder.c_str(), 0755), 0);
    WriteBytes(strFolder + "/kept.out", kKept);
    ASSERT_EQ(chmod(strFolder.c_str(), 0555), 0);
    // Root passes over permission bits: the program then runs as "nobody", for whom they hold. It
    // runs a copy of the tool, since the build may lie where nobody can enter (root's own home).
    const std::string strTool = m_in.Path("scafometro-cli");
    std::filesystem::copy_file(CCliProcess::kProgram, strTool);
    ASSERT_EQ(chmod(strTool.c_str(), 0755), 0);
    const auto unprivileged = [&strTool](CCliProcess& process) {
        process.SetProgram(strTool);
        process.SetUnprivileged();
    };
    CCliProcess probe({"export-loads", m_in.Path("stima.p3d"), strFolder + "/probe.out"});
    unprivileged(probe);
    const int nProbe = probe.Run(m_logs.Dir()).nStatus;
    if (nProbe == 0 || nProbe == CCliProcess::kNoUnprivilegedUser)
        GTEST_SKIP() << "no user here for whom the folder is read-only";
    if (nProbe == CCliProcess::kCannotStart)
        GTEST_SKIP() << "nobody cannot start the batch tool from " << m_in.Dir();
    ASSERT_EQ(nProbe, 1) << "the batch tool cannot run as nobody";
    ExpectEveryCommandRefused({strFolder + "/kept.out", strFolder + "/new.out"}, "Permission denied",
                              unprivileged, m_out.Dir());
    chmod(strFolder.c_str(), 0755);
}

TEST_F(WriteFault, TargetThatIsAFolder)
{
    const std::string strFolder = m_out.Path("cartella");
    ASSERT_EQ(mkdir(strFolder.c_str(), 0755), 0);
    WriteBytes(strFolder + "/dentro.txt", kKept);
    ExpectEveryCommandRefused(
        {strFolder, strFolder + "/"}, "Is a directory", [](CCliProcess&) {}, m_out.Dir());
}
