// A target reached through a link, and one that is a pipe; the batch tool's write faults check that
// a target is replaced only by a complete file and that a failure names it.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "TestSupport.h"
#include "document/SafeOutput.h"

using namespace testsupport;

TEST(SafeOutput, ReplacesTheFileALinkLeadsToAndWritesAPipeInPlace)
{
    CScratchDir dir;
    const std::string strTarget = dir.Path("out.txt");
    WriteBytes(strTarget, "first");
    ASSERT_EQ(chmod(strTarget.c_str(), 0640), 0);
    // The link stays, and the file it leads to is replaced and keeps its permissions.
    ASSERT_EQ(symlink("out.txt", dir.Path("link.txt").c_str()), 0);
    CSafeOutput output(dir.Path("link.txt"));
    CFile file;
    output.Open(file);
    file.Write(std::string("second"));
    output.Commit(file);
    EXPECT_EQ(ReadBytes(strTarget), "second");
    struct stat info;
    ASSERT_EQ(lstat(dir.Path("link.txt").c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    ASSERT_EQ(stat(strTarget.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(FolderEntries(dir.Dir()).size(), 2u);

    ASSERT_EQ(mkfifo(dir.Path("pipe").c_str(), 0600), 0);
    EXPECT_TRUE(CSafeOutput(dir.Path("pipe")).IsDirect());
    EXPECT_FALSE(output.IsDirect());
}
