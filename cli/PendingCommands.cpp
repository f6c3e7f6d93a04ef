// Commands whose work has not been built yet: each says so and fails.
#include <cstdio>

#include "cli/Commands.h"

namespace
{
int NotBuilt(const char* pszName)
{
    std::fprintf(stderr, "scafometro-cli: '%s' is not available yet\n", pszName);
    return 1;
}
} // namespace

int RunExportLoads(const CArgs&)
{
    return NotBuilt("export-loads");
}
int RunExportResultant(const CArgs&)
{
    return NotBuilt("export-resultant");
}
int RunExportCsv(const CArgs&)
{
    return NotBuilt("export-csv");
}
int RunExportDxf(const CArgs&)
{
    return NotBuilt("export-dxf");
}
int RunExportDetailedDxf(const CArgs&)
{
    return NotBuilt("export-detailed-dxf");
}
int RunImportOld(const CArgs&)
{
    return NotBuilt("import-old");
}
int RunMergeAll(const CArgs&)
{
    return NotBuilt("merge-all");
}
int RunMergeEquivalent(const CArgs&)
{
    return NotBuilt("merge-equivalent");
}
int RunImportTable(const CArgs&)
{
    return NotBuilt("import-table");
}
int RunPlot(const CArgs&)
{
    return NotBuilt("plot");
}
