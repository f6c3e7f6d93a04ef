// The batch tool run as a user runs it: the bytes it writes, its messages and exit statuses,
// and that a failure leaves no output behind.
#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>
#include <vector>

#include "TestSupport.h"
#include "model/LoadList.h"

using namespace testsupport;

namespace
{
struct SResult
{
    int nStatus = -1;
    std::string strOut;
    std::string strErr;
};

class Cli : public ::testing::Test
{
protected:
    SResult Run(const std::vector<std::string>& args)
    {
        std::string strCommand = "'" SCAFOMETRO_CLI "'";
        for (const std::string& strArg : args)
            strCommand += " '" + strArg + "'";
        strCommand += " >'" + m_out.Path("stdout") + "' 2>'" + m_out.Path("stderr") + "'";
        const int nStatus = std::system(strCommand.c_str());
        return {WIFEXITED(nStatus) ? WEXITSTATUS(nStatus) : -1, ReadBytes(m_out.Path("stdout")),
                ReadBytes(m_out.Path("stderr"))};
    }
    // The command succeeds silently and OUT holds the expected bytes.
    void ExpectWrites(const std::string& strCommand, const std::string& strCase, const std::string& strInput,
                      const std::string& strExpected)
    {
        const std::string strOut = m_dir.Path(strCase + "-" + strExpected);
        const SResult result = Run({strCommand, DataPath(strCase, strInput), strOut});
        EXPECT_EQ(result.nStatus, 0) << strCommand << ": " << result.strErr;
        EXPECT_EQ(result.strErr, "");
        EXPECT_TRUE(SameAsFile(ReadBytes(strOut), strCase, strExpected)) << strCommand;
    }
    // Fails with status 1 and a message naming the file and the cause.
    void ExpectFailure(const std::vector<std::string>& args, const std::string& strMessage)
    {
        const SResult result = Run(args);
        EXPECT_EQ(result.nStatus, 1) << args[0];
        EXPECT_EQ(result.strOut, "");
        EXPECT_NE(result.strErr.find(strMessage), std::string::npos) << result.strErr;
    }

    CScratchDir m_dir;
    CScratchDir m_out;
};
} // namespace

TEST_F(Cli, ExportsWriteTheExpectedBytes)
{
    for (const std::string strCase : {"rectangle", "empty", "overlap"})
    {
        const bool bEmpty = strCase == "empty";
        if (strCase != "overlap")
        {
            ExpectWrites("export-loads", strCase, strCase + ".p3d", "loads.txt");
            ExpectWrites("export-resultant", strCase, strCase + ".p3d", "resultant.txt");
            ExpectWrites("export-csv", strCase, strCase + ".p3d", "resultant.csv");
        }
        ExpectWrites("export-dxf", strCase, strCase + ".p3d", bEmpty ? "drawing.dxf" : "resultant.dxf");
        ExpectWrites("export-detailed-dxf", strCase, strCase + ".p3d",
                     bEmpty ? "drawing.dxf" : "detailed.dxf");
    }
    ExpectWrites("export-loads", "load-table", "estimate.p3d", "loads.txt");
    const std::vector<std::string> written = FolderEntries(m_dir.Dir());
    EXPECT_EQ(written.size(), 12u) << "no temporary files are left";
    for (const std::string& strName : written)
    {
        if (strName.compare(strName.size() - 4, 4, ".dxf") == 0)
        {
            EXPECT_TRUE(DxfReadsBack(m_dir.Path(strName)));
        }
    }

    const SResult result = Run({"export-csv", DataPath("rectangle", "rectangle.p3d"), "/dev/stdout"});
    EXPECT_EQ(result.nStatus, 0) << result.strErr;
    EXPECT_TRUE(SameAsFile(result.strOut, "rectangle", "resultant.csv"))
        << "standard output is written in place";
}

TEST_F(Cli, ImportsAndMergesSaveTheExpectedP3d)
{
    ExpectWrites("import-old", "old-two-loads", "estimate.p", "expected.p3d");
    ExpectWrites("import-table", "table", "table.txt", "expected.p3d");

    // LF-only rows count as CR LF rows.
    std::string strTable = ReadBytes(DataPath("table", "table.txt"));
    for (size_t n = strTable.find('\r'); n != std::string::npos; n = strTable.find('\r'))
        strTable.erase(n, 1);
    WriteBytes(m_dir.Path("lf.txt"), strTable);
    EXPECT_EQ(Run({"import-table", m_dir.Path("lf.txt"), m_dir.Path("lf.p3d")}).nStatus, 0);
    EXPECT_TRUE(SameAsFile(ReadBytes(m_dir.Path("lf.p3d")), "table", "expected.p3d"));

    for (const std::string strCommand : {"merge-all", "merge-equivalent"})
    {
        const std::string strOut = m_dir.Path(strCommand + ".p3d");
        const SResult result =
            Run({strCommand, DataPath("merge", "base.p3d"), DataPath("merge", "altro.p3d"), strOut});
        EXPECT_EQ(result.nStatus, 0) << result.strErr;
        EXPECT_EQ(result.strErr, "Import eseguito\n");
        EXPECT_TRUE(
            SameAsFile(ReadBytes(strOut), "merge", strCommand == "merge-all" ? "all.p3d" : "equivalent.p3d"));
    }
}

TEST_F(Cli, RefusedImportsWriteNothing)
{
    const std::string strOut = m_dir.Path("out.p3d");
    // Nothing to merge, and +5 t with -5 t, which have no centre of gravity.
    for (const auto& merge :
         {std::make_pair("merge-all", "nothing.p3d"), std::make_pair("merge-equivalent", "nothing.p3d"),
          std::make_pair("merge-equivalent", "balanced.p3d")})
    {
        const SResult result =
            Run({merge.first, DataPath("merge", "base.p3d"), DataPath("merge", merge.second), strOut});
        EXPECT_EQ(result.nStatus, 1) << merge.first << " " << merge.second;
        EXPECT_EQ(result.strErr, "Import non eseguito\n");
    }
    WriteBytes(m_dir.Path("six.txt"), "a\t1\t2\t3\t4\t5\r\n");
    const SResult table = Run({"import-table", m_dir.Path("six.txt"), strOut});
    EXPECT_EQ(table.nStatus, 1);
    EXPECT_EQ(table.strErr, "Formato appunti non valido \n oppure numero di colonne diverso da 7\n");
    EXPECT_EQ(FolderEntries(m_dir.Dir()), std::vector<std::string>{"six.txt"});
}

TEST_F(Cli, FailuresNameTheFileAndKeepTheTarget)
{
    const std::string strOut = m_dir.Path("out.csv"), strMissing = m_dir.Path("missing.p3d");
    const std::string strCorrupt = m_dir.Path("corrupt.p3d"), strNowhere = m_dir.Path("no/folder/out.dxf");
    WriteBytes(strOut, "kept");
    WriteBytes(strCorrupt, std::string("\0\0\0\0\5\0\0\0", 8));
    ExpectFailure({"totals", strMissing}, strMissing + ": No such file or directory");
    ExpectFailure({"totals", strCorrupt}, strCorrupt + ": corrupt file");
    ExpectFailure({"export-csv", strMissing, strOut}, strMissing + ": No such file or directory");
    ExpectFailure({"export-detailed-dxf", strCorrupt, strOut}, strCorrupt + ": corrupt file");
    ExpectFailure({"import-old", strCorrupt, strOut}, strCorrupt + ": corrupt file");
    ExpectFailure({"merge-all", DataPath("merge", "base.p3d"), strMissing, strOut}, strMissing + ": ");
    ExpectFailure({"export-dxf", DataPath("rectangle", "rectangle.p3d"), strNowhere},
                  strNowhere + ": No such file or directory");
    EXPECT_EQ(ReadBytes(strOut), "kept");
    EXPECT_EQ(FolderEntries(m_dir.Dir()).size(), 2u) << "no temporary files are left";
}

TEST_F(Cli, UsageErrorsAndHelp)
{
    for (const std::vector<std::string>& args : {std::vector<std::string>{"totals"},
                                                 {"export-loads", "a.p3d"},
                                                 {"export-csv"},
                                                 {"export-dxf", "a", "b", "c"},
                                                 {"export-detailed-dxf", "a"},
                                                 {"export-resultant"},
                                                 {"import-old", "a.p"},
                                                 {"merge-all", "a", "b"},
                                                 {"merge-equivalent", "a", "b", "c", "d"},
                                                 {"import-table", "t"}})
    {
        const SResult result = Run(args);
        EXPECT_EQ(result.nStatus, 2) << args[0];
        EXPECT_EQ(result.strErr.rfind("usage: scafometro-cli " + args[0], 0), 0u) << result.strErr;
    }
    const SResult help = Run({"--help"});
    EXPECT_EQ(help.nStatus, 0);
    for (const char* pszCommand :
         {"totals", "export-loads", "export-resultant", "export-csv", "export-dxf", "export-detailed-dxf",
          "import-old", "merge-all", "merge-equivalent", "import-table"})
        EXPECT_NE(help.strOut.find(std::string("  ") + pszCommand + " "), std::string::npos) << pszCommand;
}

TEST_F(Cli, TotalsPrintsSeventeenDigits)
{
    const auto totals = [&](const std::string& strPath) {
        const SResult result = Run({"totals", strPath});
        EXPECT_EQ(result.nStatus, 0) << result.strErr;
        return result.strOut;
    };
    WriteBytes(m_dir.Path("three.p3d"), Int32(0) + Int32(3) + Record("A", {10, 5, 15, 5, 1, 4}) +
                                            Record("B", {10, 15, 25, 5, -0.5, 2}) +
                                            Record("deduction", {-10, 15, 25, 5, 0, 0}));
    // (10·1 + 10·(−0.5) − 10·0) / 10 and (10·4 + 10·2 − 10·0) / 10.
    EXPECT_EQ(totals(m_dir.Path("three.p3d")), "10\t10\t0.5\t6\n");
    WriteBytes(m_dir.Path("tenth.p3d"), Int32(0) + Int32(1) + Record("A", {0.1, 0, 1, 0.5, 0, 1.0 / 3}));
    EXPECT_EQ(totals(m_dir.Path("tenth.p3d")), "0.10000000000000001\t0.5\t0\t0.33333333333333331\n");
    EXPECT_EQ(totals(DataPath("empty", "empty.p3d")), "0\t0\t0\t0\n");
    // Weights that sum to zero leave the centre of gravity undefined, and say so.
    const std::string strBalanced = totals(DataPath("merge", "balanced.p3d"));
    EXPECT_EQ(strBalanced.substr(0, 2), "0\t");
    EXPECT_NE(strBalanced.find("NAN"), std::string::npos) << strBalanced;

    // The example of the README: the figures go back to the doubles the model computes.
    CLoadList example;
    Open(example, SCAFOMETRO_SOURCE_DIR "/examples/motonave.p3d");
    EXPECT_EQ(example.m_nCount, 42);
    double dWeight = 0, dXg = 0, dYg = 0, dZg = 0;
    ASSERT_EQ(std::sscanf(totals(SCAFOMETRO_SOURCE_DIR "/examples/motonave.p3d").c_str(),
                          "%lf\t%lf\t%lf\t%lf", &dWeight, &dXg, &dYg, &dZg),
              4);
    EXPECT_EQ(std::vector<double>({dWeight, dXg, dYg, dZg}),
              std::vector<double>({example.TotalWeight(), example.Xg(), example.Yg(), example.Zg()}));
    EXPECT_NEAR(dWeight, 591.3, 0.01);
}
