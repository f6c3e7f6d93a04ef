// scafometro-cli totals: the four figures of a weight file on one line.
#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>

#include "TestSupport.h"
#include "document/File.h"
#include "model/LoadList.h"

using namespace testsupport;

namespace
{
// Runs the batch tool with its output captured; returns the exit status.
int RunTotals(const std::string& strFile, std::string& strOut, std::string& strErr, const CScratchDir& dir)
{
    const std::string strCommand = "'" SCAFOMETRO_CLI "' totals '" + strFile + "' >'" + dir.Path("out") +
                                   "' 2>'" + dir.Path("err") + "'";
    const int nStatus = std::system(strCommand.c_str());
    strOut = ReadBytes(dir.Path("out"));
    strErr = ReadBytes(dir.Path("err"));
    return WIFEXITED(nStatus) ? WEXITSTATUS(nStatus) : -1;
}

void Save(CLoadList& list, const std::string& strPath)
{
    CFile file(strPath, CFile::modeCreateWrite);
    list.WriteTo(file);
    file.Close();
}
} // namespace

TEST(CliTotals, PrintsWeightAndCentreOfGravity)
{
    CScratchDir dir;
    CLoadList list;
    list.Append("A", 5, 5, 15, 10);
    list.m_pCurrent->m_dYg = 1;
    list.m_pCurrent->m_dZg = 4;
    list.Append("B", 5, 15, 25, 10);
    list.m_pCurrent->m_dYg = -0.5;
    list.m_pCurrent->m_dZg = 2;
    list.Append("deduction", 5, 15, 25, -10);
    Save(list, dir.Path("three.p3d"));

    std::string strOut, strErr;
    EXPECT_EQ(RunTotals(dir.Path("three.p3d"), strOut, strErr, dir), 0) << strErr;
    // (10·1 + 10·(−0.5) − 10·0) / 10 and (10·4 + 10·2 − 10·0) / 10.
    EXPECT_EQ(strOut, "10\t10\t0.5\t6\n");

    // Seventeen significant digits: the figures go back to the same doubles.
    CLoadList tenth;
    tenth.Append("A", 0.5, 0, 1, 0.1);
    tenth.m_pCurrent->m_dZg = 1.0 / 3;
    Save(tenth, dir.Path("tenth.p3d"));
    EXPECT_EQ(RunTotals(dir.Path("tenth.p3d"), strOut, strErr, dir), 0) << strErr;
    EXPECT_EQ(strOut, "0.10000000000000001\t0.5\t0\t0.33333333333333331\n");
}

TEST(CliTotals, EmptyAndZeroWeightEstimates)
{
    CScratchDir dir;
    CLoadList empty;
    Save(empty, dir.Path("empty.p3d"));
    std::string strOut, strErr;
    EXPECT_EQ(RunTotals(dir.Path("empty.p3d"), strOut, strErr, dir), 0) << strErr;
    EXPECT_EQ(strOut, "0\t0\t0\t0\n");

    // Weights that sum to zero leave the centre of gravity undefined, and say so.
    CLoadList balanced;
    balanced.Append("A", 5, 0, 10, 5);
    balanced.Append("B", 5, 10, 20, -5);
    Save(balanced, dir.Path("balanced.p3d"));
    EXPECT_EQ(RunTotals(dir.Path("balanced.p3d"), strOut, strErr, dir), 0) << strErr;
    EXPECT_EQ(strOut.substr(0, 2), "0\t");
    EXPECT_NE(strOut.find("NAN"), std::string::npos) << strOut;
}

TEST(CliTotals, UnreadableFilesFailWithTheirName)
{
    CScratchDir dir;
    std::string strOut, strErr;
    EXPECT_EQ(RunTotals(dir.Path("missing.p3d"), strOut, strErr, dir), 1);
    EXPECT_EQ(strOut, "");
    EXPECT_NE(strErr.find(dir.Path("missing.p3d") + ": No such file or directory"), std::string::npos)
        << strErr;

    WriteBytes(dir.Path("short.p3d"), std::string("\0\0\0\0\5\0\0\0", 8));
    EXPECT_EQ(RunTotals(dir.Path("short.p3d"), strOut, strErr, dir), 1);
    EXPECT_NE(strErr.find("short.p3d: corrupt file"), std::string::npos) << strErr;
}

TEST(CliTotals, TheExampleEstimateReads)
{
    CScratchDir dir;
    std::string strOut, strErr;
    ASSERT_EQ(RunTotals(SCAFOMETRO_SOURCE_DIR "/examples/motonave.p3d", strOut, strErr, dir), 0) << strErr;
    CLoadList list;
    CFile file(SCAFOMETRO_SOURCE_DIR "/examples/motonave.p3d", CFile::modeRead);
    list.ReadFrom(file);
    EXPECT_EQ(list.m_nCount, 42);
    double dWeight = 0, dXg = 0, dYg = 0, dZg = 0;
    ASSERT_EQ(std::sscanf(strOut.c_str(), "%lf\t%lf\t%lf\t%lf", &dWeight, &dXg, &dYg, &dZg), 4) << strOut;
    EXPECT_EQ(dWeight, list.TotalWeight());
    EXPECT_EQ(dXg, list.Xg());
    EXPECT_EQ(dZg, list.Zg());
    // A plausible small cargo ship: about 590 t, its centre of gravity near midships.
    EXPECT_NEAR(dWeight, 591.3, 0.01);
    EXPECT_GT(dXg, 18);
    EXPECT_LT(dXg, 23);
}
