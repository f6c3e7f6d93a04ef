// scafometro-cli import-old, merge-all, merge-equivalent and import-table: loads brought in as
// the program's import and merge commands bring them, then saved as ".p3d".
#include <algorithm>
#include <cstdio>
#include <string>

#include "cli/Commands.h"
#include "cli/OutputFile.h"
#include "cli/WeightFile.h"
#include "dialogs/ClipboardTable.h"
#include "dialogs/LoadTableImport.h"
#include "document/File.h"
#include "document/FileException.h"
#include "model/LoadList.h"

namespace
{
// A table file larger than this is no spreadsheet selection.
constexpr size_t kLargestTable = 256u << 20;

int Save(CLoadList& list, const std::string& strPath)
{
    CFile file;
    return WriteOutputFile(strPath, file, [&] { list.WriteTo(file); });
}

// The text as the clipboard hands it over: up to its first zero byte, and a LF that no CR
// precedes counts as CR LF.
std::string ReadTableText(const std::string& strPath)
{
    CFile file(InputPath(strPath), CFile::modeRead);
    std::string strBytes;
    char buffer[1 << 16];
    size_t nRead;
    while ((nRead = file.Read(buffer, sizeof buffer)) > 0)
    {
        strBytes.append(buffer, nRead);
        if (strBytes.size() > kLargestTable)
            throw CFileException(strPath, "too large for a table (more than 256 MB)");
    }
    file.Close();
    strBytes.resize(std::min(strBytes.find('\0'), strBytes.size()));
    std::string strText;
    strText.reserve(strBytes.size());
    for (size_t i = 0; i < strBytes.size(); ++i)
    {
        if (strBytes[i] == '\n' && (i == 0 || strBytes[i - 1] != '\r'))
            strText += '\r';
        strText += strBytes[i];
    }
    return strText;
}

int Merge(const CArgs& args, const char* pszCommand, bool bAll)
{
    if (args.size() != 3)
        return UsageError(pszCommand);
    CLoadList list;
    CLoadList other;
    try
    {
        OpenWeightFile(args[0], list);
        CFile file(InputPath(args[1]), CFile::modeRead);
        other.ReadFrom(file);
        file.Close();
    }
    catch (const CFileException& error)
    {
        return ReportFailure(error);
    }
    const bool bDone = bAll ? list.InsertAll(other) : list.InsertEquivalent(other);
    // Messages go to stderr: OUT may well be standard output.
    std::fprintf(stderr, "%s\n", bDone ? "Import eseguito" : "Import non eseguito");
    if (!bDone)
        return 1;
    return Save(list, args[2]);
}
} // namespace

int RunImportOld(const CArgs& args)
{
    if (args.size() != 2)
        return UsageError("import-old");
    CLoadList list;
    try
    {
        CFile file(InputPath(args[0]), CFile::modeRead);
        list.ReadOldFrom(file);
        file.Close();
    }
    catch (const CFileException& error)
    {
        return ReportFailure(error);
    }
    // The views are updated after the import, and their redraw normalises every load.
    list.RebuildAbscissae();
    return Save(list, args[1]);
}

int RunMergeAll(const CArgs& args)
{
    return Merge(args, "merge-all", true);
}

int RunMergeEquivalent(const CArgs& args)
{
    return Merge(args, "merge-equivalent", false);
}

int RunImportTable(const CArgs& args)
{
    if (args.size() != 2)
        return UsageError("import-table");
    std::string strText;
    try
    {
        strText = ReadTableText(args[0]);
    }
    catch (const CFileException& error)
    {
        return ReportFailure(error);
    }
    CClipboardTable table;
    if (!table.Paste(strText))
    {
        std::fprintf(stderr, "%s\n", CClipboardTable::kBadFormat);
        return 1;
    }
    CLoadList list;
    CLoadTableImport::AppendRows(table.Rows(), list);
    // Saved after a redraw, which normalises every load.
    list.RebuildAbscissae();
    return Save(list, args[1]);
}
