// Writing through a temporary file: the target is replaced only by a complete file, and a
// failure leaves it, and the folder, as they were.
#include <gtest/gtest.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

#include "TestSupport.h"
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

    // A link keeps pointing at the file it led to, which is the one replaced.
    ASSERT_EQ(symlink("out.txt", dir.Path("link.txt").c_str()), 0);
    Write(dir.Path("link.txt"), "fourth");
    char szTarget[64] = {};
    ASSERT_GT(readlink(dir.Path("link.txt").c_str(), szTarget, sizeof szTarget - 1), 0);
    EXPECT_STREQ(szTarget, "out.txt");
    EXPECT_EQ(ReadBytes(strTarget), "fourth");
}

TEST(SafeOutput, DevicesAndPipesAreWrittenDirectly)
{
    CScratchDir dir;
    EXPECT_TRUE(CSafeOutput("/dev/null").IsDirect());
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
    EXPECT_NE(file.GetFilePath(), dir.Path("out.txt"));
    EXPECT_EQ(output.Retarget(CFileException(file.GetFilePath(), "No space left on device")).GetPath(),
              dir.Path("out.txt"));
}

// A full disk often shows only when the last buffer goes out; it must not pass for success.
TEST(SafeOutput, AFullDiskIsReported)
{
    if (access("/dev/full", W_OK) != 0)
        GTEST_SKIP() << "no /dev/full here";
    CSafeOutput output("/dev/full");
    CFile file;
    output.Open(file);
    try
    {
        file.Write(std::string("a few bytes, still in the buffer"));
        output.Commit(file);
        ADD_FAILURE() << "writing to a full device succeeded";
    }
    catch (const CFileException& error)
    {
        EXPECT_EQ(error.GetPath(), "/dev/full");
        EXPECT_EQ(error.GetCause(), "No space left on device");
    }
}
