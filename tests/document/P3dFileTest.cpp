// The ".p3d" weight file, byte for byte, and its refusal of corrupt files.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <unistd.h>

#include "document/File.h"
#include "document/FileException.h"
#include "model/LoadList.h"

namespace
{
class P3dFile : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char szTemplate[] = "/tmp/scafometro-p3d-XXXXXX";
        ASSERT_NE(mkdtemp(szTemplate), nullptr);
        m_strDir = szTemplate;
    }
    void TearDown() override
    {
        std::string strCommand = "rm -rf '" + m_strDir + "'";
        ASSERT_EQ(std::system(strCommand.c_str()), 0);
    }

    std::string Path(const std::string& strName) const { return m_strDir + "/" + strName; }

    std::string Save(CLoadList& list, const std::string& strName)
    {
        CFile file(Path(strName), CFile::modeCreateWrite);
        list.WriteTo(file);
        file.Close();
        return ReadBytes(Path(strName));
    }

    void Load(CLoadList& list, const std::string& strName)
    {
        CFile file(Path(strName), CFile::modeRead);
        list.ReadFrom(file);
    }

    void WriteBytes(const std::string& strName, const std::string& strBytes)
    {
        std::ofstream(Path(strName), std::ios::binary) << strBytes;
    }

    static std::string ReadBytes(const std::string& strPath)
    {
        std::ifstream in(strPath, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    std::string m_strDir;
};

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

std::string Record(const std::string& strName, double dWeight, double dX1, double dX2, double dXgRel,
                   double dYg, double dZg)
{
    return Int32(static_cast<std::int32_t>(strName.size())) + strName + Double(dWeight) + Double(dX1) +
           Double(dX2) + Double(dXgRel) + Double(dYg) + Double(dZg);
}
} // namespace

TEST_F(P3dFile, EmptyDocumentIsEightZeroBytes)
{
    CLoadList list;
    EXPECT_EQ(Save(list, "empty.p3d"), std::string(8, '\0'));
    list.Append("old", 1, 0, 1, 1);
    list.m_strHeader = "stale";
    Load(list, "empty.p3d");
    EXPECT_EQ(list.m_nCount, 0);
    EXPECT_EQ(list.m_strHeader, "");
    EXPECT_EQ(list.m_strFileName, "empty.p3d");
}

TEST_F(P3dFile, OneLoadIsSixtyOneBytes)
{
    CLoadList list;
    list.Append("A", 5, 0, 10, 10);
    list.m_pCurrent->m_dZg = 2;
    const unsigned char expected[61] = {
        0, 0, 0, 0, 1, 0, 0,    0,    1, 0, 0, 0, 0x41,                // H, N, L, the name
        0, 0, 0, 0, 0, 0, 0x24, 0x40, 0, 0, 0, 0, 0,    0, 0,    0,    // P, X1
        0, 0, 0, 0, 0, 0, 0x24, 0x40, 0, 0, 0, 0, 0,    0, 0x14, 0x40, // X2, XG relativa
        0, 0, 0, 0, 0, 0, 0,    0,    0, 0, 0, 0, 0,    0, 0,    0x40, // YG, ZG
    };
    EXPECT_EQ(Save(list, "one.p3d"), std::string(reinterpret_cast<const char*>(expected), 61));

    CLoadList read;
    Load(read, "one.p3d");
    ASSERT_EQ(read.m_nCount, 1);
    EXPECT_EQ(read.m_pCurrent->m_strName, "A");
    EXPECT_EQ(read.m_pCurrent->m_dY1, 1);
    EXPECT_EQ(read.m_pCurrent->m_dY2, 1);
    EXPECT_EQ(read.m_pCurrent->m_dZg, 2);
}

TEST_F(P3dFile, ReadingNormalisesAndKeepsHeaderAndNames)
{
    const std::string strHeader = "Nave \xE0 motore, stima 3";
    WriteBytes("in.p3d", Int32(static_cast<std::int32_t>(strHeader.size())) + strHeader + Int32(3) +
                             Record("Scafo \xE0", 12, 10, 4, 0, 0.5, 3) + Record("", 1, 2, 2, 0.5, 0, 0) +
                             Int32(-4) + std::string(48, '\0'));
    CLoadList list;
    Load(list, "in.p3d");
    ASSERT_EQ(list.m_nCount, 3);
    EXPECT_EQ(list.m_strHeader, strHeader);
    EXPECT_EQ(list.m_pCurrent->m_strName, "") << "the cursor ends on the last load read";
    list.GoTo(1);
    EXPECT_EQ(list.m_pCurrent->m_strName, "Scafo \xE0");
    EXPECT_EQ(list.m_pCurrent->m_dX1, 4);
    EXPECT_EQ(list.m_pCurrent->m_dX2, 10);
    EXPECT_EQ(list.m_pCurrent->m_dXgRel, 3);
    EXPECT_EQ(list.m_pCurrent->m_dY1, 2);
    EXPECT_EQ(list.m_pCurrent->m_dYg, 0.5);
    list.GoTo(2);
    EXPECT_EQ(list.m_pCurrent->m_dX2, 2.001);

    // Written back, the header and the names come out byte for byte; the loads as they now are.
    const std::string strSaved = Save(list, "out.p3d");
    EXPECT_EQ(strSaved.substr(0, 4 + strHeader.size()),
              Int32(static_cast<std::int32_t>(strHeader.size())) + strHeader);
    EXPECT_EQ(strSaved.substr(8 + strHeader.size(), 4 + 7), Int32(7) + "Scafo \xE0");
}

TEST_F(P3dFile, HeaderStopsAtItsFirstZeroByte)
{
    WriteBytes("zero.p3d", Int32(5) + std::string("ab\0cd", 5) + Int32(0));
    CLoadList list;
    Load(list, "zero.p3d");
    EXPECT_EQ(list.m_strHeader, "ab");
}

TEST_F(P3dFile, FileNameIsTheBareName)
{
    ASSERT_EQ(mkdir(Path("sub").c_str(), 0700), 0);
    CLoadList list;
    Save(list, "sub/nave.p3d");
    Load(list, "sub/nave.p3d");
    EXPECT_EQ(list.m_strFileName, "nave.p3d");
}

TEST_F(P3dFile, CorruptFilesAreRefusedAndTheListIsKept)
{
    const std::string good = Record("A", 1, 0, 1, 0.5, 0, 0);
    const std::string cases[] = {
        Int32(0) + Int32(2) + good,                                        // fewer records than announced
        Int32(-1) + Int32(0),                                              // negative header length
        Int32(100) + "short",                                              // header past the end
        Int32(0) + Int32(0x7FFFFFFF) + good,                               // absurd count
        Int32(0) + Int32(1) + Int32(1000) + "A" + std::string(48, 0),      // name past the end
        Int32(0) + Int32(1) + Record("A", 1, 0, 1.0 / 0.0, 0.5, 0, 0),     // infinite X2
        Int32(0) + Int32(1) + Record("A", 0.0 / 0.0 * 0, 0, 1, 0.5, 0, 0), // not a number
        Int32(0) + Int32(1) + good.substr(0, 30),                          // record cut short
        std::string("\1\0", 2),                                            // head cut short
    };
    int nCase = 0;
    for (const std::string& bytes : cases)
    {
        const std::string strName = "bad" + std::to_string(++nCase) + ".p3d";
        WriteBytes(strName, bytes);
        CLoadList list;
        list.Append("kept", 1, 0, 10, 10);
        list.m_strHeader = "header";
        list.m_strFileName = "before.p3d";
        try
        {
            Load(list, strName);
            ADD_FAILURE() << strName << " was accepted";
        }
        catch (const CFileException& error)
        {
            EXPECT_NE(std::string(error.what()).find(strName), std::string::npos) << error.what();
            EXPECT_NE(error.GetCause().find("corrupt file"), std::string::npos) << error.what();
        }
        ASSERT_EQ(list.m_nCount, 1) << strName;
        EXPECT_EQ(list.m_pCurrent->m_strName, "kept");
        EXPECT_EQ(list.m_strHeader, "header");
        EXPECT_EQ(list.m_strFileName, "before.p3d");
    }
}

TEST_F(P3dFile, MissingFileNamesTheFileAndTheCause)
{
    try
    {
        CFile file(Path("missing.p3d"), CFile::modeRead);
        ADD_FAILURE() << "opened a missing file";
    }
    catch (const CFileException& error)
    {
        EXPECT_EQ(error.GetPath(), Path("missing.p3d"));
        EXPECT_EQ(error.GetCause(), "No such file or directory");
    }
}

TEST_F(P3dFile, RoundTripOfManyLoads)
{
    CLoadList list;
    list.m_strHeader = "h";
    for (int i = 0; i < 500; ++i)
    {
        // Loads already in normal form, so that reading changes nothing.
        list.Append("load " + std::to_string(i), 0.1 + (i % 10) * 0.3, i, i + 3.5, -3 + i * 0.75);
        list.m_pCurrent->m_dYg = i % 7 - 3;
        list.m_pCurrent->m_dZg = i * 0.01;
    }
    const std::string strFirst = Save(list, "a.p3d");
    CLoadList read;
    Load(read, "a.p3d");
    EXPECT_TRUE(Save(read, "b.p3d") == strFirst) << "the second save differs from the first";
}
