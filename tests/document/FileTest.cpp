// The file class: truncation, rewinding, lengths, bare names and reported failures.
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <unistd.h>

#include "document/File.h"
#include "document/FileException.h"

namespace
{
std::string Contents(const std::string& strPath)
{
    std::ifstream in(strPath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
} // namespace

TEST(File, SetLengthAndSeekToBeginRewriteTheFile)
{
    const std::string strPath = "/tmp/scafometro-file-" + std::to_string(getpid()) + ".bin";
    {
        CFile file(strPath, CFile::modeCreateWrite);
        file.Write("old contents, long");
        EXPECT_EQ(file.GetLength(), 18u);
        file.SetLength(0);
        file.SeekToBegin();
        EXPECT_EQ(file.GetPosition(), 0u);
        file.Write("new");
        file.Flush();
        EXPECT_EQ(Contents(strPath), "new");
        file.Close();
        EXPECT_FALSE(file.IsOpen());
    }
    CFile file(strPath, CFile::modeRead);
    EXPECT_EQ(file.GetLength(), 3u);
    EXPECT_EQ(file.GetFileName(), CFile::BareName(strPath));
    char buffer[8] = {};
    EXPECT_EQ(file.Read(buffer, sizeof buffer), 3u);
    EXPECT_EQ(std::string(buffer), "new");
    EXPECT_EQ(file.Read(buffer, sizeof buffer), 0u);
    file.SeekToBegin();
    EXPECT_EQ(file.Read(buffer, 1), 1u);
    file.Close();
    std::remove(strPath.c_str());
}

TEST(File, BareNameDropsTheFolders)
{
    EXPECT_EQ(CFile::BareName("/home/nave/stime/motonave.p3d"), "motonave.p3d");
    EXPECT_EQ(CFile::BareName("motonave.p3d"), "motonave.p3d");
    EXPECT_EQ(CFile::BareName("dir/"), "");
}

// A full disk shows when the buffered bytes go out; it must not pass for success.
TEST(File, AFullDiskIsReportedWithTheFileName)
{
    if (access("/dev/full", W_OK) != 0)
        GTEST_SKIP() << "no /dev/full here";
    CFile file("/dev/full", CFile::modeCreateWrite);
    const std::string strBlock(1 << 16, 'x');
    try
    {
        file.Write(strBlock);
        file.Close();
        ADD_FAILURE() << "writing to a full device succeeded";
    }
    catch (const CFileException& error)
    {
        EXPECT_EQ(error.GetPath(), "/dev/full");
        EXPECT_EQ(error.GetCause(), "No space left on device");
    }
}

TEST(File, FoldersAndMissingFilesAreRefused)
{
    EXPECT_THROW(CFile("/tmp", CFile::modeRead), CFileException);
    EXPECT_THROW(CFile("/nonexistent-folder/x.p3d", CFile::modeCreateWrite), CFileException);
    CFile closed;
    char ch;
    EXPECT_THROW(closed.Read(&ch, 1), CFileException);
}
