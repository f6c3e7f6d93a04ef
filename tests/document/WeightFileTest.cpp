// The ".p3d" file byte for byte, corrupt ".p3d" and ".p" files refused, and the merges.
#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

#include "TestSupport.h"
#include "document/FileException.h"
#include "model/LoadList.h"

using namespace testsupport;

namespace
{
void Read(CLoadList& list, const std::string& strPath, bool bOld)
{
    CFile file(strPath, CFile::modeRead);
    bOld ? list.ReadOldFrom(file) : list.ReadFrom(file);
}

} // namespace

TEST(P3dFile, WrittenAndReadByteForByte)
{
    CScratchDir dir;
    CLoadList list;
    EXPECT_TRUE(SameAsFile(Saved(list, dir.Path("empty.p3d")), "empty/empty.p3d"));
    list.Append("A", 5, 0, 10, 10);
    list.m_pCurrent->m_dZg = 2;
    EXPECT_TRUE(SameAsFile(Saved(list, dir.Path("one.p3d")), "rectangle/rectangle.p3d"));

    // A header cut at a zero byte, a reversed load, a negative name length; the loads are replaced.
    Open(list, DataPath("p3d-oddities/odd.p3d"));
    EXPECT_EQ(list.m_pCurrent->m_strName, "") << "the cursor ends on the last load read";
    EXPECT_TRUE(SameAsFile(Saved(list, dir.Path("out.p3d")), "p3d-oddities/saved.p3d"));
}

TEST(WeightFiles, CorruptFilesAreRefusedAndTheListIsKept)
{
    CScratchDir dir;
    for (const bool bOld : {false, true})
    {
        const size_t nNumbers = bOld ? 5 : 6;
        CLoadList read;
        read.Append("gone", 1, 0, 1, 1);
        WriteBytes(dir.Path("none"), Int32(0) + Int32(-3));
        Read(read, dir.Path("none"), bOld);
        EXPECT_EQ(read.m_nCount, 0) << "a negative count means no loads";
        // Records of the smallest size fill the file exactly; a load of no length gets 1 mm.
        WriteBytes(dir.Path("tight"), Int32(0) + Int32(2) + std::string(2 * (4 + 8 * nNumbers), '\0'));
        Read(read, dir.Path("tight"), bOld);
        ASSERT_EQ(read.m_nCount, 2);
        EXPECT_EQ(read.m_pCurrent->m_dX2, 0.001);

        std::vector<double> good(nNumbers, 1.0), infinite = good, nan = good;
        infinite[2] = INFINITY;
        nan[0] = NAN;
        const std::string strHead = Int32(0) + Int32(1),
                          strSmallest = Record("", std::vector<double>(nNumbers));
        const std::string strCount = "more loads announced than the file holds", strEarly = "it ends early";
        const std::vector<std::pair<std::string, std::string>> corrupt = {
            {Int32(0) + Int32(2) + strSmallest + std::string(strSmallest.size() - 1, '\0'), strCount},
            {Int32(0) + Int32(0x7FFFFFFF) + Record("A", good), strCount},
            {Int32(-1) + Int32(0), "negative header length"},
            {Int32(100) + "short", "a length runs past its end"},
            {strHead + Int32(1000) + "A" + std::string(8 * nNumbers, '\0'), "a load name runs past its end"},
            {strHead + Record("A", infinite), "a number is not finite"},
            {strHead + Record("A", nan), "a number is not finite"},
            {std::string("\1\0", 2), strEarly},
            {Int32(0) + Int32(2) + Record(std::string(50, 'n'), good) + Int32(0) +
                 std::string(2 * nNumbers, '\0'),
             strEarly},
        };
        int nCase = 0;
        for (const auto& file : corrupt)
        {
            const std::string strPath = dir.Path("bad" + std::to_string(++nCase) + (bOld ? ".p" : ".p3d"));
            WriteBytes(strPath, file.first);
            CLoadList list;
            list.Append("kept", 1, 0, 10, 10);
            list.m_strHeader = "header";
            list.m_strFileName = "before.p3d";
            try
            {
                Read(list, strPath, bOld);
                ADD_FAILURE() << strPath << " was accepted";
            }
            catch (const CFileException& error)
            {
                EXPECT_EQ(error.GetPath(), strPath);
                EXPECT_EQ(error.GetCause(), "corrupt file (" + file.second + ")") << strPath;
            }
            ASSERT_EQ(list.m_nCount, 1) << strPath;
            EXPECT_EQ(list.m_pCurrent->m_strName + list.m_strHeader + list.m_strFileName,
                      "keptheaderbefore.p3d");
        }
    }
}

TEST(Merge, AListMergedIntoItselfGainsOneCopyOfEveryLoad)
{
    CScratchDir dir;
    CLoadList list, copy;
    Open(list, DataPath("merge/altro.p3d"));
    Open(copy, DataPath("merge/altro.p3d"));
    EXPECT_TRUE(list.InsertAll(copy));
    EXPECT_TRUE(copy.InsertAll(copy));
    EXPECT_EQ(list.m_nCount, 4);
    EXPECT_EQ(Saved(list, dir.Path("a.p3d")), Saved(copy, dir.Path("b.p3d")));
}
