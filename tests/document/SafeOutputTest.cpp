// Writing through a temporary file: the target is replaced only by a complete file, and a
// failure leaves it, and the folder, as they were.
#include <gtest/gtest.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

#include "TestSupport.h"
#include "document/File.h"
#include "document/FileException.h"
#include "document/SafeOutput.h"

using namespace testsupport;

namespace
{
void Write(const std::string& strTarget, const std::string& strBytes, bool bFail = false)
{
    CSafeOutput output(strTarget);
    CFile file;
    output.Open(file);
    file.Write(strBytes);
    if (bFail)
        throw std::runtime_error("stopped half way");
    output.Commit(file);
}
} // namespace

TEST(SafeOutput, ReplacesTheTargetOnlyWhenComplete)
{
    CScratchDir dir;
    const std::string strTarget = dir.Path("out.txt");
    Write(strTarget, "first");
    EXPECT_EQ(ReadBytes(strTarget), "first");
    ASSERT_EQ(chmod(strTarget.c_str(), 0640), 0);

    EXPECT_THROW(Write(strTarget, "second", true), std::runtime_error);
    EXPECT_EQ(ReadBytes(strTarget), "first");
    EXPECT_EQ(FolderEntries(dir.Dir()), std::vector<std::string>{"out.txt"}) << "no temporary file is left";

    Write(strTarget, "third");
    EXPECT_EQ(ReadBytes(strTarget), "third");
    struct stat info;
    ASSERT_EQ(stat(strTarget.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u) << "the replaced file keeps its permissions";
    EXPECT_EQ(FolderEntries(dir.Dir()), std::vector<std::string>{"out.txt"});
}

TEST(SafeOutput, LinkKeepsPointingAtTheReplacedFile)
{
    CScratchDir dir;
    WriteBytes(dir.Path("real.txt"), "old");
    ASSERT_EQ(symlink("real.txt", dir.Path("link.txt").c_str()), 0);
    Write(dir.Path("link.txt"), "new");
    char szTarget[64] = {};
    ASSERT_GT(readlink(dir.Path("link.txt").c_str(), szTarget, sizeof szTarget - 1), 0);
    EXPECT_STREQ(szTarget, "real.txt");
    EXPECT_EQ(ReadBytes(dir.Path("real.txt")), "new");
}

TEST(SafeOutput, DevicesAreWrittenDirectly)
{
    CSafeOutput output("/dev/null");
    EXPECT_TRUE(output.IsDirect());
    CFile file;
    output.Open(file);
    EXPECT_EQ(file.GetFilePath(), "/dev/null");
    file.Write(std::string("nothing"));
    output.Commit(file);

    CScratchDir dir;
    ASSERT_EQ(mkfifo(dir.Path("pipe").c_str(), 0600), 0);
    EXPECT_TRUE(CSafeOutput(dir.Path("pipe")).IsDirect());
    EXPECT_FALSE(CSafeOutput(dir.Path("new.txt")).IsDirect());
}

TEST(SafeOutput, FailuresNameTheTarget)
{
    CScratchDir dir;
    const std::string strTarget = dir.Path("missing/out.txt");
    try
    {
        Write(strTarget, "x");
        ADD_FAILURE() << "wrote into a missing folder";
    }
    catch (const CFileException& error)
    {
        EXPECT_EQ(error.GetPath(), strTarget);
        EXPECT_EQ(error.GetCause(), "No such file or directory");
    }

    // A failure while writing names the target, not the temporary file beside it.
    CSafeOutput output(dir.Path("out.txt"));
    CFile file;
    output.Open(file);
    const CFileException error =
        output.Retarget(CFileException(file.GetFilePath(), "No space left on device"));
    EXPECT_EQ(error.GetPath(), dir.Path("out.txt"));
    EXPECT_NE(file.GetFilePath(), dir.Path("out.txt"));
}
