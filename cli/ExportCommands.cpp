// scafometro-cli export-*: the text, CSV and DXF exports of a weight file, the same bytes the
// program's export commands write.
#include <functional>

#include "cli/Commands.h"
#include "cli/OutputFile.h"
#include "cli/WeightFile.h"
#include "document/DxfFile.h"
#include "document/FileException.h"
#include "model/LoadList.h"

namespace
{
// Opens FILE as "Apri" does, then writes OUT with write.
int Export(const CArgs& args, const char* pszCommand, CFile& file,
           const std::function<void(CLoadList&)>& write)
{
    if (args.size() != 2)
        return UsageError(pszCommand);
    CLoadList list;
    try
    {
        OpenWeightFile(args[0], list);
    }
    catch (const CFileException& error)
    {
        return ReportFailure(error);
    }
    return WriteOutputFile(args[1], file, [&] { write(list); });
}
} // namespace

int RunExportLoads(const CArgs& args)
{
    CFile file;
    return Export(args, "export-loads", file, [&](CLoadList& list) { list.ExportLoadTable(file); });
}

int RunExportResultant(const CArgs& args)
{
    CFile file;
    return Export(args, "export-resultant", file,
                  [&](CLoadList& list) { list.ExportResultantTable(file, '\t'); });
}

int RunExportCsv(const CArgs& args)
{
    CFile file;
    return Export(args, "export-csv", file, [&](CLoadList& list) { list.ExportResultantTable(file, ','); });
}

int RunExportDxf(const CArgs& args)
{
    CDxfFile file;
    return Export(args, "export-dxf", file, [&](CLoadList& list) { list.ExportResultantDxf(file); });
}

int RunExportDetailedDxf(const CArgs& args)
{
    CDxfFile file;
    return Export(args, "export-detailed-dxf", file, [&](CLoadList& list) { list.ExportDetailedDxf(file); });
}
