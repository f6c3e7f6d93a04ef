// The table of the batch commands: names, usage lines and what each does.
#include <cstdio>
#include <cstring>

#include "cli/Commands.h"

namespace
{
const SCommand kCommands[] = {
    {"totals", "totals FILE.p3d", "print the total weight, XG, YG and ZG, TAB-separated", RunTotals},
    {"export-loads", "export-loads FILE.p3d OUT", "the load table as text (\"Esporta Carichi su file TXT\")",
     RunExportLoads},
    {"export-resultant", "export-resultant FILE.p3d OUT",
     "the resultant at its discontinuities as text (\"Esporta dettaglio risultante (TXT)\")",
     RunExportResultant},
    {"export-csv", "export-csv FILE.p3d OUT", "the (x, p(x)) table as CSV (\"Esporta risultante per Excel\")",
     RunExportCsv},
    {"export-dxf", "export-dxf FILE.p3d OUT",
     "the resultant outline as DXF (\"Esporta Dettaglio risultante (DXF)\")", RunExportDxf},
    {"export-detailed-dxf", "export-detailed-dxf FILE.p3d OUT",
     "the detailed drawing as DXF (\"Esporta Particolareggiato (DXF)\")", RunExportDetailedDxf},
    {"import-old", "import-old FILE.p OUT.p3d", "an old \".p\" file saved as \".p3d\"", RunImportOld},
    {"merge-all", "merge-all FILE.p3d OTHER.p3d OUT.p3d",
     "FILE with every load of OTHER appended, saved as OUT", RunMergeAll},
    {"merge-equivalent", "merge-equivalent FILE.p3d OTHER.p3d OUT.p3d",
     "FILE with one load equivalent to OTHER appended, saved as OUT", RunMergeEquivalent},
    {"import-table", "import-table TABLE OUT.p3d",
     "a seven-column table (as pasted from a spreadsheet) saved as OUT", RunImportTable},
    {"plot",
     "plot FILE.p3d OUT.png|OUT.svg|OUT.pdf [--mode resultant|detailed|single|highlight] [--load N] [--size "
     "WxH]",
     "the graph of FILE as a picture", LaunchPlot},
    {"strength",
     "strength FILE.p3d HULL [--density RHO] [--table OUT.csv] [--plot OUT.png|svg|pdf] [--size WxH]",
     "FILE floated on the hull's table of sectional areas: drafts, shear force and bending moment",
     RunStrength},
    {"check",
     "check HULL LIMITS CONDITION... [--density RHO] [--wave L,B,Cb[,k]] [--table OUT.csv] [--report "
     "OUT.pdf]",
     "loading conditions (FILE.p3d or A.p3d+B.p3d) against the permissible shear forces and bending moments",
     RunCheck},
    {"export-stations", "export-stations FILE.p3d OUT --from X0 --to X1 --count N",
     "the weight and centre of each of N equal station intervals as CSV", RunExportStations},
    {"groups", "groups FILE.p3d OUT.csv [--level K]",
     "the weight, share and centre of gravity of each group of loads, by the code that starts their names "
     "(first K digits, 1 to 9, default 1), as CSV",
     RunGroups},
    {"hydrostatics",
     "hydrostatics HULL OUT.csv [--density RHO] [--drafts FROM:TO:STEP] [--plot OUT.png|svg|pdf] "
     "[--size WxH]",
     "the curves of form of the hull's table of sectional areas, level, as CSV", RunHydrostatics},
};
} // namespace

void PrintHelp(std::FILE* pStream)
{
    std::fprintf(pStream, "usage: scafometro-cli COMMAND ARGUMENTS...\n\ncommands:\n");
    for (const SCommand& command : kCommands)
        std::fprintf(pStream, "  %s\n      %s\n", command.pszUsage, command.pszHelp);
}

int UsageError(const char* pszCommand)
{
    if (const SCommand* pCommand = FindCommand(pszCommand))
        std::fprintf(stderr, "usage: scafometro-cli %s\n", pCommand->pszUsage);
    return 2;
}

const SCommand* FindCommand(const char* pszName)
{
    for (const SCommand& command : kCommands)
    {
        if (std::strcmp(command.pszName, pszName) == 0)
            return &command;
    }
    return nullptr;
}
