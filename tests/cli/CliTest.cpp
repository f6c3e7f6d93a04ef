// The batch tool run as a user runs it: bytes written, messages, exit statuses, no output on failure.
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

#include "CliProcess.h"
#include "TestSupport.h"

using namespace testsupport;

namespace
{
using CArgs = std::vector<std::string>;

using SResult = CCliProcess::SResult;

class Cli : public CCliTest
{
};
} // namespace

TEST_F(Cli, CommandsWriteTheExpectedBytes)
{
    // The command, its inputs and the expected file, all under tests/data.
    const std::vector<CArgs> runs = {
        {"export-loads", "rectangle/rectangle.p3d", "rectangle/loads.txt"},
        {"export-resultant", "rectangle/rectangle.p3d", "rectangle/resultant.txt"},
        {"export-csv", "rectangle/rectangle.p3d", "rectangle/resultant.csv"},
        {"export-dxf", "rectangle/rectangle.p3d", "rectangle/resultant.dxf"},
        {"export-detailed-dxf", "rectangle/rectangle.p3d", "rectangle/detailed.dxf"},
        {"export-loads", "empty/empty.p3d", "empty/loads.txt"},
        {"export-resultant", "empty/empty.p3d", "empty/resultant.txt"},
        {"export-csv", "empty/empty.p3d", "empty/resultant.csv"},
        {"export-dxf", "empty/empty.p3d", "empty/drawing.dxf"},
        {"export-detailed-dxf", "empty/empty.p3d", "empty/drawing.dxf"},
        {"export-dxf", "overlap/overlap.p3d", "overlap/resultant.dxf"},
        {"export-detailed-dxf", "overlap/overlap.p3d", "overlap/detailed.dxf"},
        {"export-loads", "load-table/estimate.p3d", "load-table/loads.txt"},
        {"import-old", "old-two-loads/estimate.p", "old-two-loads/expected.p3d"},
        {"import-table", "table/table.txt", "table/expected.p3d"},
        {"merge-all", "merge/base.p3d", "merge/altro.p3d", "merge/all.p3d"},
        {"merge-equivalent", "merge/base.p3d", "merge/altro.p3d", "merge/equivalent.p3d"},
    };
    for (size_t i = 0; i < runs.size(); ++i)
    {
        CArgs args = {runs[i][0]};
        for (size_t n = 1; n + 1 < runs[i].size(); ++n)
            args.push_back(DataPath(runs[i][n]));
        const std::string strExpected = runs[i].back(), strOut = m_dir.Path(std::to_string(i) + ".out");
        args.push_back(strOut);
        const SResult result = Run(args);
        EXPECT_EQ(result.nStatus, 0) << args[0] << ": " << result.strErr;
        EXPECT_EQ(result.strErr, args[0].rfind("merge", 0) == 0 ? "Import eseguito\n" : "");
        EXPECT_TRUE(SameAsFile(ReadBytes(strOut), strExpected)) << args[0] << " " << strExpected;
        if (strExpected.find(".dxf") != std::string::npos)
        {
            EXPECT_TRUE(DxfReadsBack(strOut));
        }
    }
    EXPECT_EQ(FolderEntries(m_dir.Dir()).size(), runs.size()) << "no temporary files are left";

    // A table with LF-only rows reads as one with CR LF rows.
    std::string strTable = ReadBytes(DataPath("table/table.txt"));
    for (size_t n = strTable.find('\r'); n != std::string::npos; n = strTable.find('\r'))
        strTable.erase(n, 1);
    WriteBytes(m_dir.Path("lf.txt"), strTable);
    EXPECT_EQ(Run({"import-table", m_dir.Path("lf.txt"), m_dir.Path("lf.p3d")}).nStatus, 0);
    EXPECT_TRUE(SameAsFile(ReadBytes(m_dir.Path("lf.p3d")), "table/expected.p3d"));
}

TEST_F(Cli, FailuresNameTheFileAndLeaveTheTarget)
{
    const std::string strOut = m_dir.Path("out.csv"), strMissing = m_dir.Path("missing.p3d");
    const std::string strCorrupt = m_dir.Path("corrupt.p3d"), strNowhere = m_dir.Path("no/folder/out.dxf");
    const std::string strSix = m_dir.Path("six.txt"), strBase = DataPath("merge/base.p3d"),
                      strRefused = "Import non eseguito\n";
    WriteBytes(strOut, "kept");
    WriteBytes(strCorrupt, std::string("\0\0\0\0\5\0\0\0", 8));
    WriteBytes(strSix, "a\t1\t2\t3\t4\t5\r\n");
    const std::vector<std::pair<CArgs, std::string>> failures = {
        {{"totals", strMissing}, strMissing + ": No such file or directory\n"},
        {{"export-detailed-dxf", strCorrupt, strOut}, strCorrupt + ": corrupt file"},
        {{"import-old", strCorrupt, strOut}, strCorrupt + ": corrupt file"},
        {{"merge-all", strBase, strMissing, strOut}, strMissing + ": "},
        {{"export-dxf", DataPath("rectangle/rectangle.p3d"), strNowhere},
         strNowhere + ": No such file or directory\n"},
        {{"merge-all", strBase, DataPath("merge/nothing.p3d"), strOut}, strRefused},
        {{"merge-equivalent", strBase, DataPath("merge/nothing.p3d"), strOut}, strRefused},
        // +5 t and -5 t have no centre of gravity.
        {{"merge-equivalent", strBase, DataPath("merge/balanced.p3d"), strOut}, strRefused},
        {{"import-table", strSix, strOut},
         "Formato appunti non valido \n oppure numero di colonne diverso da 7\n"},
    };
    for (const auto& [args, strMessage] : failures)
    {
        const SResult result = Run(args);
        EXPECT_EQ(result.nStatus, 1) << args[0];
        EXPECT_EQ(result.strOut, "");
        EXPECT_NE(result.strErr.find(strMessage), std::string::npos) << result.strErr;
    }
    EXPECT_EQ(ReadBytes(strOut), "kept");
    EXPECT_EQ(FolderEntries(m_dir.Dir()).size(), 3u) << "no temporary files are left";
}

TEST_F(Cli, UsageErrorsAndHelp)
{
    for (const CArgs& args : {CArgs{"totals"}, CArgs{"export-csv"}, CArgs{"export-dxf", "a", "b", "c"},
                              CArgs{"import-old", "a.p"}, CArgs{"merge-all", "a", "b"},
                              CArgs{"merge-equivalent", "a", "b", "c", "d"}, CArgs{"import-table", "t"}})
    {
        const SResult result = Run(args);
        EXPECT_EQ(result.nStatus, 2) << args[0];
        EXPECT_EQ(result.strErr.rfind("usage: scafometro-cli " + args[0], 0), 0u) << result.strErr;
    }
    const SResult help = Run({"--help"});
    EXPECT_EQ(help.nStatus, 0);
    EXPECT_NE(help.strOut.find("\n  import-table TABLE OUT.p3d\n"), std::string::npos) << help.strOut;
}

TEST_F(Cli, TotalsPrintsSeventeenDigits)
{
    const auto totals = [&](const std::string& strPath) {
        const SResult result = Run({"totals", strPath});
        EXPECT_EQ(result.nStatus, 0) << result.strErr;
        return result.strOut;
    };
    WriteBytes(m_dir.Path("tenth.p3d"), Int32(0) + Int32(1) + Record("A", {0.1, 0, 1, 0.5, 0.25, 1.0 / 3}));
    EXPECT_EQ(totals(m_dir.Path("tenth.p3d")), "0.10000000000000001\t0.5\t0.25\t0.33333333333333331\n");
    // Weights that sum to zero leave the centre of gravity undefined, and say so.
    const std::string strBalanced = totals(DataPath("merge/balanced.p3d"));
    EXPECT_EQ(strBalanced.substr(0, 2), "0\t");
    EXPECT_NE(strBalanced.find("NAN"), std::string::npos) << strBalanced;
}
