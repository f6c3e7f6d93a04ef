// The old ".p" import and the two merges: byte for byte against the expected ".p3d" files, and
// the refusals that leave the document as it was.
#include <cstdint>
#include <cstring>
#include <gtest/gtest.h>
#include <string>

#include "TestSupport.h"
#include "document/File.h"
#include "document/FileException.h"
#include "model/LoadList.h"

using namespace testsupport;

namespace
{
std::string Int32(std::int32_t n)
{
    std::string s(4, '\0');
    for (int i = 0; i < 4; ++i)
        s[static_cast<size_t>(i)] = static_cast<char>(static_cast<std::uint32_t>(n) >> (8 * i) & 0xFF);
    return s;
}

std::string Double(double d)
{
    std::uint64_t bits;
    std::memcpy(&bits, &d, 8);
    std::string s(8, '\0');
    for (int i = 0; i < 8; ++i)
        s[static_cast<size_t>(i)] = static_cast<char>(bits >> (8 * i) & 0xFF);
    return s;
}

std::string OldRecord(const std::string& strName, double dWeight, double dX1, double dX2, double dXgRel,
                      double dZg)
{
    return Int32(static_cast<std::int32_t>(strName.size())) + strName + Double(dWeight) + Double(dX1) +
           Double(dX2) + Double(dXgRel) + Double(dZg);
}

class Merging : public ::testing::Test
{
protected:
    void ReadOld(CLoadList& list, const std::string& strPath)
    {
        CFile file(strPath, CFile::modeRead);
        list.ReadOldFrom(file);
    }
    void Read(CLoadList& list, const std::string& strPath)
    {
        CFile file(strPath, CFile::modeRead);
        list.ReadFrom(file);
    }
    std::string Saved(CLoadList& list)
    {
        const std::string strPath = m_dir.Path("saved.p3d");
        CFile file(strPath, CFile::modeCreateWrite);
        list.WriteTo(file);
        file.Close();
        return ReadBytes(strPath);
    }

    CScratchDir m_dir;
};
} // namespace

TEST_F(Merging, OldFileReplacesTheLoadsAndSavesAsP3d)
{
    CLoadList list;
    list.Append("gone", 1, 0, 1, 1);
    list.m_strHeader = "old header";
    ReadOld(list, DataPath("old-two-loads", "estimate.p"));
    ASSERT_EQ(list.m_nCount, 2);
    EXPECT_EQ(list.m_strHeader, "Vecchia stima");
    EXPECT_EQ(list.m_strFileName, "estimate.p");
    list.GoTo(1);
    EXPECT_EQ(list.m_pCurrent->m_strName, "Ponte");
    EXPECT_EQ(list.m_pCurrent->m_dYg, 0);
    EXPECT_EQ(list.m_pCurrent->m_dY1, 1) << "read loads are normalised";
    EXPECT_TRUE(SameAsFile(Saved(list), "old-two-loads", "expected.p3d"));
}

TEST_F(Merging, OldFileEdgeCases)
{
    // Header length 0, a name length of 0 and one that is negative, a centroid past the end.
    WriteBytes(m_dir.Path("edge.p"), Int32(0) + Int32(3) + OldRecord("", 4, 0, 2, 0.5, 1) + Int32(-7) +
                                         Double(1) + Double(0) + Double(4) + Double(9) + Double(0) +
                                         OldRecord("N", 2, 3, 5, -1, 0));
    CLoadList list;
    ReadOld(list, m_dir.Path("edge.p"));
    ASSERT_EQ(list.m_nCount, 3);
    EXPECT_EQ(list.m_strHeader, "");
    list.GoTo(1);
    EXPECT_EQ(list.m_pCurrent->m_strName, "");
    EXPECT_EQ(list.m_pCurrent->m_dZg, 1);
    list.GoTo(2);
    EXPECT_EQ(list.m_pCurrent->m_strName, "");
    EXPECT_EQ(list.m_pCurrent->m_dXgRel, 2) << "an offset not below the length falls back to the middle";
    list.GoTo(3);
    EXPECT_EQ(list.m_pCurrent->m_dXgRel, 1) << "a negative offset falls back to the middle";

    for (std::int32_t nCount : {0, -3})
    {
        WriteBytes(m_dir.Path("none.p"), Int32(2) + "hh" + Int32(nCount));
        ReadOld(list, m_dir.Path("none.p"));
        EXPECT_EQ(list.m_nCount, 0);
        EXPECT_EQ(list.m_strHeader, "hh");
    }
}

TEST_F(Merging, CorruptOldFilesAreRefusedAndTheListIsKept)
{
    const std::string good = OldRecord("A", 1, 0, 1, 0.5, 0);
    const std::string cases[] = {
        Int32(0) + Int32(2) + good,                                    // fewer records than announced
        Int32(-1) + Int32(0),                                          // negative header length
        Int32(100) + "short",                                          // header past the end
        Int32(0) + Int32(0x7FFFFFFF) + good,                           // absurd count
        Int32(0) + Int32(1) + Int32(1000) + "A" + std::string(40, 0),  // name past the end
        Int32(0) + Int32(1) + OldRecord("A", 1, 0, 1.0 / 0.0, 0.5, 0), // infinite X2
        Int32(0) + Int32(1) + good.substr(0, 30),                      // record cut short
        std::string("\1\0", 2),                                        // head cut short
    };
    int nCase = 0;
    for (const std::string& bytes : cases)
    {
        const std::string strName = "bad" + std::to_string(++nCase) + ".p";
        WriteBytes(m_dir.Path(strName), bytes);
        CLoadList list;
        list.Append("kept", 1, 0, 10, 10);
        list.m_strHeader = "header";
        list.m_strFileName = "before.p3d";
        try
        {
            ReadOld(list, m_dir.Path(strName));
            ADD_FAILURE() << strName << " was accepted";
        }
        catch (const CFileException& error)
        {
            EXPECT_EQ(error.GetPath(), m_dir.Path(strName));
            EXPECT_NE(error.GetCause().find("corrupt file"), std::string::npos) << error.what();
        }
        ASSERT_EQ(list.m_nCount, 1) << strName;
        EXPECT_EQ(list.m_pCurrent->m_strName, "kept");
        EXPECT_EQ(list.m_strHeader, "header");
        EXPECT_EQ(list.m_strFileName, "before.p3d");
    }
}

TEST_F(Merging, InsertAllAppendsCopiesInFileOrder)
{
    CLoadList list, other;
    Read(list, DataPath("merge", "base.p3d"));
    Read(other, DataPath("merge", "altro.p3d"));
    EXPECT_TRUE(list.InsertAll(other));
    EXPECT_EQ(other.m_nCount, 2) << "the other list keeps its loads";
    EXPECT_EQ(list.m_abscissae.m_nCount, 5) << "the abscissae are rebuilt: 0, 6, 10, 20, 30";
    EXPECT_TRUE(SameAsFile(Saved(list), "merge", "all.p3d"));

    // The very file the document came from, read again into a list of its own, and the list
    // merged into itself: both give a second copy of every load.
    CLoadList again;
    Read(again, DataPath("merge", "all.p3d"));
    EXPECT_TRUE(list.InsertAll(again));
    EXPECT_TRUE(again.InsertAll(again));
    ASSERT_EQ(list.m_nCount, 6);
    EXPECT_EQ(Saved(list), Saved(again));
}

TEST_F(Merging, EquivalentLoadStandsForTheOtherFile)
{
    CLoadList list, other;
    Read(list, DataPath("merge", "base.p3d"));
    Read(other, DataPath("merge", "altro.p3d"));
    EXPECT_TRUE(list.InsertEquivalent(other));
    EXPECT_TRUE(SameAsFile(Saved(list), "merge", "equivalent.p3d"));

    CLoadList single, rectangle;
    Read(rectangle, DataPath("rectangle", "rectangle.p3d"));
    EXPECT_TRUE(single.InsertEquivalent(rectangle));
    ASSERT_EQ(single.m_nCount, 1);
    EXPECT_EQ(single.m_pCurrent->m_strName, "rectangle.p3d");
    EXPECT_EQ(single.m_pCurrent->m_dWeight, 10);
    EXPECT_EQ(single.m_pCurrent->m_dX1, 0);
    EXPECT_EQ(single.m_pCurrent->m_dX2, 10);
    EXPECT_EQ(single.m_pCurrent->m_dXgRel, 5);
    EXPECT_EQ(single.m_pCurrent->m_dZg, 2);
}

TEST_F(Merging, NothingToMergeIsRefusedAndChangesNothing)
{
    CLoadList list, empty, balanced;
    Read(list, DataPath("merge", "base.p3d"));
    Read(empty, DataPath("merge", "nothing.p3d"));
    Read(balanced, DataPath("merge", "balanced.p3d"));
    const std::string strBefore = Saved(list);
    EXPECT_FALSE(list.InsertAll(empty));
    EXPECT_FALSE(list.InsertEquivalent(empty));
    // +5 t and -5 t: no centre of gravity to put the equivalent load at.
    EXPECT_FALSE(list.InsertEquivalent(balanced));
    EXPECT_EQ(Saved(list), strBefore);
    EXPECT_EQ(list.m_nCount, 1);
    EXPECT_EQ(balanced.m_nCount, 2);
    // Every load of it can still be appended.
    EXPECT_TRUE(list.InsertAll(balanced));
    EXPECT_EQ(list.m_nCount, 3);
}
