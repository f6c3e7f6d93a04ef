// The batch tool run as a user runs it: the bytes it writes, its messages and exit statuses,
// and that a failure leaves no output behind.
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>
#include <vector>

#include "TestSupport.h"

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
        SResult result;
        const int nStatus = std::system(strCommand.c_str());
        result.nStatus = WIFEXITED(nStatus) ? WEXITSTATUS(nStatus) : -1;
        result.strOut = ReadBytes(m_out.Path("stdout"));
        result.strErr = ReadBytes(m_out.Path("stderr"));
        return result;
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

    CScratchDir m_dir;
    CScratchDir m_out;
};
} // namespace

TEST_F(Cli, ExportsWriteTheExpectedBytes)
{
    for (const char* pszCase : {"rectangle", "empty"})
    {
        const std::string strInput = std::string(pszCase) + ".p3d";
        ExpectWrites("export-loads", pszCase, strInput, "loads.txt");
        ExpectWrites("export-resultant", pszCase, strInput, "resultant.txt");
        ExpectWrites("export-csv", pszCase, strInput, "resultant.csv");
    }
    ExpectWrites("export-loads", "load-table", "estimate.p3d", "loads.txt");
    ExpectWrites("export-dxf", "rectangle", "rectangle.p3d", "resultant.dxf");
    ExpectWrites("export-detailed-dxf", "rectangle", "rectangle.p3d", "detailed.dxf");
    ExpectWrites("export-dxf", "overlap", "overlap.p3d", "resultant.dxf");
    ExpectWrites("export-detailed-dxf", "overlap", "overlap.p3d", "detailed.dxf");
    ExpectWrites("export-dxf", "empty", "empty.p3d", "drawing.dxf");
    ExpectWrites("export-detailed-dxf", "empty", "empty.p3d", "drawing.dxf");
    EXPECT_TRUE(DxfReadsAs(m_dir.Path("rectangle-resultant.dxf"), 3, 0));
    EXPECT_TRUE(DxfReadsAs(m_dir.Path("rectangle-detailed.dxf"), 3, 2));
    EXPECT_TRUE(DxfReadsAs(m_dir.Path("overlap-resultant.dxf"), 7, 0));
    EXPECT_TRUE(DxfReadsAs(m_dir.Path("overlap-detailed.dxf"), 10, 5));
    EXPECT_TRUE(DxfReadsAs(m_dir.Path("empty-drawing.dxf"), 0, 0));
    EXPECT_EQ(FolderEntries(m_dir.Dir()).size(), 12u) << "no temporary files are left";
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

    for (const char* pszCommand : {"merge-all", "merge-equivalent"})
    {
        const std::string strOut = m_dir.Path(std::string(pszCommand) + ".p3d");
        const SResult result =
            Run({pszCommand, DataPath("merge", "base.p3d"), DataPath("merge", "altro.p3d"), strOut});
        EXPECT_EQ(result.nStatus, 0) << result.strErr;
        EXPECT_EQ(result.strErr, "Import eseguito\n");
        EXPECT_TRUE(SameAsFile(ReadBytes(strOut), "merge",
                               pszCommand == std::string("merge-all") ? "all.p3d" : "equivalent.p3d"));
    }
}

TEST_F(Cli, RefusedImportsWriteNothing)
{
    const std::string strOut = m_dir.Path("out.p3d");
    for (const char* pszCommand : {"merge-all", "merge-equivalent"})
    {
        const SResult result =
            Run({pszCommand, DataPath("merge", "base.p3d"), DataPath("merge", "nothing.p3d"), strOut});
        EXPECT_EQ(result.nStatus, 1);
        EXPECT_EQ(result.strErr, "Import non eseguito\n");
        EXPECT_FALSE(Exists(strOut));
    }
    const SResult balanced =
        Run({"merge-equivalent", DataPath("merge", "base.p3d"), DataPath("merge", "balanced.p3d"), strOut});
    EXPECT_EQ(balanced.nStatus, 1);
    EXPECT_EQ(balanced.strErr, "Import non eseguito\n");

    WriteBytes(m_dir.Path("six.txt"), "a\t1\t2\t3\t4\t5\r\n");
    const SResult table = Run({"import-table", m_dir.Path("six.txt"), strOut});
    EXPECT_EQ(table.nStatus, 1);
    EXPECT_EQ(table.strErr, "Formato appunti non valido \n oppure numero di colonne diverso da 7\n");
    EXPECT_FALSE(Exists(strOut));
    EXPECT_EQ(FolderEntries(m_dir.Dir()), std::vector<std::string>{"six.txt"});
}

TEST_F(Cli, FailuresNameTheFileAndKeepTheTarget)
{
    const std::string strOut = m_dir.Path("out.csv");
    WriteBytes(strOut, "kept");
    WriteBytes(m_dir.Path("corrupt.p3d"), std::string("\0\0\0\0\5\0\0\0", 8));

    const SResult missing = Run({"export-csv", m_dir.Path("missing.p3d"), strOut});
    EXPECT_EQ(missing.nStatus, 1);
    EXPECT_NE(missing.strErr.find(m_dir.Path("missing.p3d") + ": No such file or directory"),
              std::string::npos)
        << missing.strErr;
    const SResult corrupt = Run({"export-detailed-dxf", m_dir.Path("corrupt.p3d"), strOut});
    EXPECT_EQ(corrupt.nStatus, 1);
    EXPECT_NE(corrupt.strErr.find(m_dir.Path("corrupt.p3d") + ": corrupt file"), std::string::npos)
        << corrupt.strErr;
    const SResult old = Run({"import-old", m_dir.Path("corrupt.p3d"), strOut});
    EXPECT_EQ(old.nStatus, 1);
    EXPECT_EQ(ReadBytes(strOut), "kept");

    const std::string strNowhere = m_dir.Path("no/such/folder/out.dxf");
    const SResult unwritable = Run({"export-dxf", DataPath("rectangle", "rectangle.p3d"), strNowhere});
    EXPECT_EQ(unwritable.nStatus, 1);
    EXPECT_NE(unwritable.strErr.find(strNowhere + ": No such file or directory"), std::string::npos)
        << unwritable.strErr;
    const SResult merge =
        Run({"merge-all", DataPath("merge", "base.p3d"), m_dir.Path("missing.p3d"), strOut});
    EXPECT_EQ(merge.nStatus, 1);
    EXPECT_NE(merge.strErr.find("missing.p3d"), std::string::npos);
    EXPECT_EQ(ReadBytes(strOut), "kept");
    EXPECT_EQ(FolderEntries(m_dir.Dir()).size(), 2u) << "no temporary files are left";
}

TEST_F(Cli, StandardOutputIsWrittenInPlace)
{
    const SResult result = Run({"export-csv", DataPath("rectangle", "rectangle.p3d"), "/dev/stdout"});
    EXPECT_EQ(result.nStatus, 0) << result.strErr;
    EXPECT_TRUE(SameAsFile(result.strOut, "rectangle", "resultant.csv"));
    EXPECT_TRUE(Exists(m_out.Path("stdout")));
}

TEST_F(Cli, UsageErrorsAndHelp)
{
    for (const std::vector<std::string>& args : {std::vector<std::string>{"export-loads", "a.p3d"},
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
