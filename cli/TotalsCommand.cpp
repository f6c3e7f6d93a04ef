// scafometro-cli totals: the displacement and the centre of gravity of a weight file.
#include <cstdio>

#include "cli/Commands.h"
#include "cli/WeightFile.h"
#include "document/FileException.h"
#include "model/LoadList.h"

int RunTotals(const CArgs& args)
{
    if (args.size() != 1)
        return UsageError("totals");
    CLoadList list;
    try
    {
        OpenWeightFile(args[0], list);
    }
    catch (const CFileException& error)
    {
        return ReportFailure(error);
    }
    const double dWeight = list.TotalWeight();
    const double dXg = list.Xg();
    const double dYg = list.Yg();
    const double dZg = list.Zg();
    std::printf("%.17G\t%.17G\t%.17G\t%.17G\n", dWeight, dXg, dYg, dZg);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
