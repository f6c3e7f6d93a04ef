// The target replaced only by a complete file; the batch tool's write faults check the rest.
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

    // Through a link: the link stays, and the file it leads to is replaced and keeps its permissions.
    ASSERT_EQ(symlink("out.txt", dir.Path("link.txt").c_str()), 0);
    Write(dir.Path("link.txt"), "third");
    EXPECT_EQ(ReadBytes(strTarget), "third");
    struct stat info;
    ASSERT_EQ(lstat(dir.Path("link.txt").c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    ASSERT_EQ(stat(strTarget.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(FolderEntries(dir.Dir()).size(), 2u);

    // A pipe is written in place; a failure names the target, not the temporary file.
    ASSERT_EQ(mkfifo(dir.Path("pipe").c_str(), 0600), 0);
    EXPECT_TRUE(CSafeOutput(dir.Path("pipe")).IsDirect());
    CSafeOutput output(strTarget);
    CFile file;
    output.Open(file);
    EXPECT_EQ(output.Retarget(CFileException(file.GetFilePath(), "No space left on device")).GetPath(),
              strTarget);
}
