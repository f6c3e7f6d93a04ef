// The old ".p" import and the two merges, byte for byte against the expected ".p3d" files, and
// the refusals that leave the document as it was.
#include <gtest/gtest.h>
#include <string>

#include "TestSupport.h"
#include "model/LoadList.h"

using namespace testsupport;

namespace
{
void ReadOld(CLoadList& list, const std::string& strPath)
{
    CFile file(strPath, CFile::modeRead);
    list.ReadOldFrom(file);
}
} // namespace

TEST(OldFile, ReplacesTheLoadsAndSavesAsP3d)
{
    CScratchDir dir;
    CLoadList list;
    list.Append("gone", 1, 0, 1, 1);
    list.m_strHeader = "old header";
    ReadOld(list, DataPath("old-two-loads", "estimate.p"));
    ASSERT_EQ(list.m_nCount, 2);
    EXPECT_EQ(list.m_strHeader, "Vecchia stima");
    EXPECT_EQ(list.m_strFileName, "estimate.p");
    list.GoTo(1);
    EXPECT_EQ(list.m_pCurrent->m_dY1, 1) << "read loads are normalised";
    EXPECT_TRUE(SameAsFile(Saved(list, dir.Path("saved.p3d")), "old-two-loads", "expected.p3d"));

    // A negative count reads as no loads.
    WriteBytes(dir.Path("none.p"), Int32(2) + "hh" + Int32(-3));
    ReadOld(list, dir.Path("none.p"));
    EXPECT_EQ(list.m_nCount, 0);
    EXPECT_EQ(list.m_strHeader, "hh");
}

TEST(Merge, InsertAllAppendsCopiesInFileOrder)
{
    CScratchDir dir;
    CLoadList list, other;
    Open(list, DataPath("merge", "base.p3d"));
    Open(other, DataPath("merge", "altro.p3d"));
    EXPECT_TRUE(list.InsertAll(other));
    EXPECT_EQ(other.m_nCount, 2) << "the other list keeps its loads";
    EXPECT_EQ(list.m_abscissae.m_nCount, 5) << "the abscissae are rebuilt: 0, 6, 10, 20, 30";
    EXPECT_TRUE(SameAsFile(Saved(list, dir.Path("all.p3d")), "merge", "all.p3d"));

    // The same file read again into a list of its own, and a list merged into itself: both give
    // a second copy of every load.
    CLoadList again;
    Open(again, dir.Path("all.p3d"));
    EXPECT_TRUE(list.InsertAll(again));
    EXPECT_TRUE(again.InsertAll(again));
    ASSERT_EQ(list.m_nCount, 6);
    EXPECT_EQ(Saved(list, dir.Path("a.p3d")), Saved(again, dir.Path("b.p3d")));
}

TEST(Merge, EquivalentLoadStandsForTheOtherFile)
{
    CScratchDir dir;
    CLoadList list, other;
    Open(list, DataPath("merge", "base.p3d"));
    Open(other, DataPath("merge", "altro.p3d"));
    EXPECT_TRUE(list.InsertEquivalent(other));
    EXPECT_TRUE(SameAsFile(Saved(list, dir.Path("equivalent.p3d")), "merge", "equivalent.p3d"));
}

TEST(Merge, NothingToMergeIsRefusedAndChangesNothing)
{
    CScratchDir dir;
    CLoadList list, empty, balanced;
    Open(list, DataPath("merge", "base.p3d"));
    Open(empty, DataPath("merge", "nothing.p3d"));
    Open(balanced, DataPath("merge", "balanced.p3d"));
    const std::string strBefore = Saved(list, dir.Path("before.p3d"));
    EXPECT_FALSE(list.InsertAll(empty));
    EXPECT_FALSE(list.InsertEquivalent(empty));
    // +5 t and -5 t: no centre of gravity to put the equivalent load at.
    EXPECT_FALSE(list.InsertEquivalent(balanced));
    EXPECT_EQ(Saved(list, dir.Path("after.p3d")), strBefore);
    // Every load of it can still be appended.
    EXPECT_TRUE(list.InsertAll(balanced));
    EXPECT_EQ(list.m_nCount, 3);
}
