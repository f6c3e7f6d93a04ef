// The ".p3d" file byte for byte, corrupt ".p3d" and ".p" files refused, and the merges.
#include <gtest/gtest.h>
#include <string>

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
    // Loads written byte for byte are checked by the batch tool's imports and merges.
    EXPECT_TRUE(SameAsFile(Saved(list, dir.Path("empty.p3d")), "empty/empty.p3d"));

    // A header cut at a zero byte, a reversed load, a negative name length; the loads are replaced.
    Open(list, DataPath("p3d-oddities/odd.p3d"));
    EXPECT_EQ(list.m_pCurrent->m_strName, "") << "the cursor ends on the last load read";
    EXPECT_TRUE(SameAsFile(Saved(list, dir.Path("out.p3d")), "p3d-oddities/saved.p3d"));
}

// Each file of the tables under tests/data/document read over a list it must replace, or, when
// refused, leave as it was.
TEST(WeightFiles, CorruptFilesAreRefusedAndTheListIsKept)
{
    CScratchDir dir;
    for (const bool bOld : {false, true})
    {
        const auto cases = CaseTable(bOld ? "document/read-p.txt" : "document/read-p3d.txt");
        ASSERT_EQ(cases.size(), 11u);
        for (const auto& [strResult, strBytes] : cases)
        {
            const std::string strPath = dir.Path(bOld ? "estimate.p" : "estimate.p3d");
            WriteBytes(strPath, strBytes);
            CLoadList list;
            list.Append("kept", 1, 0, 10, 10);
            list.m_strHeader = "header";
            list.m_strFileName = "before.p3d";
            try
            {
                Read(list, strPath, bOld);
                EXPECT_EQ("read " + std::to_string(list.m_nCount) + " loads", strResult) << strBytes;
                continue;
            }
            catch (const CFileException& error)
            {
                EXPECT_EQ(error.GetPath(), strPath);
                EXPECT_EQ(error.GetCause(), "corrupt file (" + strResult + ")") << strBytes;
            }
            ASSERT_EQ(list.m_nCount, 1) << strResult;
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
