// The ".p3d" weight file byte for byte, and the refusal of corrupt ".p3d" and ".p" files.
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

// A file of either format with records of nNumbers numbers, and the cause of its refusal.
std::vector<std::pair<std::string, std::string>> CorruptFiles(size_t nNumbers)
{
    const auto record = [&](double dWeight, double dX2) {
        std::vector<double> numbers(nNumbers, 0.0);
        numbers[0] = dWeight;
        numbers[2] = dX2;
        return Record("A", numbers);
    };
    const std::string strGood = record(1, 1), strHead = Int32(0) + Int32(1);
    const std::string strSmallest = Record("", std::vector<double>(nNumbers, 0.0));
    const std::string strEarly = "it ends early", strCount = "more loads announced than the file holds";
    const std::string strNumber = "a number is not finite";
    return {
        {Int32(0) + Int32(2) + strSmallest + std::string(strSmallest.size() - 1, '\0'), strCount},
        {Int32(0) + Int32(0x7FFFFFFF) + strGood, strCount},
        {strHead + strGood.substr(0, 30), strCount},
        {Int32(-1) + Int32(0), "negative header length"},
        {Int32(100) + "short", "a length runs past its end"},
        {strHead + Int32(1000) + "A" + std::string(8 * nNumbers, '\0'), "a load name runs past its end"},
        {strHead + record(1, INFINITY), strNumber},
        {strHead + record(NAN, 1), strNumber},
        {std::string("\1\0", 2), strEarly},
        {Int32(0) + Int32(2) + Record(std::string(50, 'n'), std::vector<double>(nNumbers, 1.0)) + Int32(0) +
             std::string(2 * nNumbers, '\0'),
         strEarly},
    };
}
} // namespace

TEST(P3dFile, EmptyAndOneLoadFilesByteForByte)
{
    CScratchDir dir;
    CLoadList list;
    EXPECT_TRUE(SameAsFile(Saved(list, dir.Path("empty.p3d")), "empty", "empty.p3d"));
    list.Append("A", 5, 0, 10, 10);
    list.m_pCurrent->m_dZg = 2;
    EXPECT_TRUE(SameAsFile(Saved(list, dir.Path("one.p3d")), "rectangle", "rectangle.p3d"));

    CLoadList read;
    read.Append("gone", 1, 0, 1, 1);
    read.m_strHeader = "stale";
    Open(read, dir.Path("one.p3d"));
    ASSERT_EQ(read.m_nCount, 1);
    EXPECT_EQ(read.m_pCurrent->m_strName, "A");
    EXPECT_EQ(read.m_pCurrent->m_dY1, 1);
    EXPECT_EQ(read.m_pCurrent->m_dY2, 1);
    EXPECT_EQ(read.m_pCurrent->m_dZg, 2);
    Open(read, DataPath("empty", "empty.p3d"));
    EXPECT_EQ(read.m_nCount, 0);
    EXPECT_EQ(read.m_strHeader, "");
    EXPECT_EQ(read.m_strFileName, "empty.p3d");
}

TEST(P3dFile, ReadingNormalisesAndKeepsHeaderAndNames)
{
    // The header stops at its first zero byte; a reversed load, one of no length, and a negative
    // name length, which reads as an empty name.
    CScratchDir dir;
    const std::string strHeader = "Nave \xE0 motore";
    WriteBytes(dir.Path("in.p3d"), Int32(static_cast<int>(strHeader.size()) + 3) + strHeader +
                                       std::string("\0xy", 3) + Int32(3) +
                                       Record("Scafo \xE0", {12, 10, 4, 0, 0.5, 3}) +
                                       Record("", {1, 2, 2, 0.5, 0, 0}) + Int32(-4) + std::string(48, '\0'));
    CLoadList list;
    Open(list, dir.Path("in.p3d"));
    ASSERT_EQ(list.m_nCount, 3);
    EXPECT_EQ(list.m_strHeader, strHeader);
    EXPECT_EQ(list.m_strFileName, "in.p3d");
    EXPECT_EQ(list.m_pCurrent->m_strName, "") << "the cursor ends on the last load read";
    list.GoTo(1);
    EXPECT_EQ(list.m_pCurrent->m_dY1, 2);
    list.GoTo(2);
    EXPECT_EQ(list.m_pCurrent->m_dX2, 2.001);
    // Written back: the header, the count and the first load as it now stands.
    EXPECT_EQ(Saved(list, dir.Path("out.p3d")).substr(0, 8 + strHeader.size() + 4 + 7 + 48),
              Int32(static_cast<int>(strHeader.size())) + strHeader + Int32(3) +
                  Record("Scafo \xE0", {12, 4, 10, 3, 0.5, 3}));
}

TEST(WeightFiles, CorruptFilesAreRefusedAndTheListIsKept)
{
    CScratchDir dir;
    for (const bool bOld : {false, true})
    {
        const size_t nNumbers = bOld ? 5 : 6;
        // Records of the smallest size fill the file exactly.
        const std::string strTight = Int32(0) + Int32(2) + std::string(2 * (4 + 8 * nNumbers), '\0');
        WriteBytes(dir.Path("tight"), strTight);
        CLoadList tight;
        Read(tight, dir.Path("tight"), bOld);
        EXPECT_EQ(tight.m_nCount, 2);

        int nCase = 0;
        for (const auto& file : CorruptFiles(nNumbers))
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
