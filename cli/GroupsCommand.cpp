// scafometro-cli groups: the weight and centre of gravity of each group of loads, by the code that
// starts their names, as CSV.
#include <string>

#include "cli/Arguments.h"
#include "cli/Commands.h"
#include "cli/OutputFile.h"
#include "cli/WeightFile.h"
#include "document/File.h"
#include "document/FileException.h"
#include "document/WeightGroupsFile.h"
#include "model/LoadList.h"
#include "model/WeightGroups.h"

namespace
{
// FILE and OUT with "--level K" before, between or after them; false for anything else.
bool ParseGroups(const CArgs& args, CArgs& positional, long& nLevel)
{
    bool bLevel = false;
    for (size_t i = 0; i < args.size(); ++i)
    {
        if (args[i] != "--level")
        {
            positional.push_back(args[i]);
            continue;
        }
        if (bLevel || i + 1 >= args.size() ||
            !ParseLong(args[++i], CWeightGroups::kMinLevel, CWeightGroups::kMaxLevel, nLevel))
            return false;
        bLevel = true;
    }
    return positional.size() == 2;
}
} // namespace

int RunGroups(const CArgs& args)
{
    CArgs positional;
    long nLevel = CWeightGroups::kMinLevel;
    if (!ParseGroups(args, positional, nLevel))
        return UsageError("groups");

    CLoadList list;
    try
    {
        OpenWeightFile(positional[0], list);
    }
    catch (const CFileException& error)
    {
        return ReportFailure(error);
    }
    CWeightGroups groups;
    groups.Compute(list, static_cast<int>(nLevel));
    CFile file;
    return WriteOutputFile(positional[1], file, [&] { CWeightGroupsFile::Write(file, groups); });
}
