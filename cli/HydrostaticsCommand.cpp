// scafometro-cli hydrostatics: the curves of form of a hull table as CSV, and their picture.
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "cli/Arguments.h"
#include "cli/Commands.h"
#include "cli/OutputFile.h"
#include "cli/WeightFile.h"
#include "document/File.h"
#include "document/FileException.h"
#include "document/HullTableFile.h"
#include "document/StrengthTableFile.h"
#include "model/CurvesOfForm.h"
#include "model/HullGirder.h"
#include "model/HullTable.h"

namespace
{
struct SHydrostaticsOptions
{
    std::string strHull;
    std::string strOutput;
    double dDensity = CHullGirder::kSeaWater;
    bool bRange = false;
    double dFrom = 0, dTo = 0, dStep = 0;
    std::string strPlot;
    int nWidth = 1200;
    int nHeight = 900;
};

// "FROM:TO:STEP", three numbers.
bool ParseDrafts(const std::string& strText, SHydrostaticsOptions& options)
{
    const size_t nFirst = strText.find(':');
    const size_t nSecond = nFirst == std::string::npos ? nFirst : strText.find(':', nFirst + 1);
    if (nSecond == std::string::npos)
        return false;
    return ParseNumber(strText.substr(0, nFirst), options.dFrom) &&
           ParseNumber(strText.substr(nFirst + 1, nSecond - nFirst - 1), options.dTo) &&
           ParseNumber(strText.substr(nSecond + 1), options.dStep);
}

// False for arguments that do not make the command; values that read but cannot be used (a
// density that is not positive, drafts outside the table) are left to the curves to refuse.
bool ParseHydrostatics(const CArgs& args, SHydrostaticsOptions& options)
{
    std::vector<std::string> positional;
    std::map<std::string, std::string> values;
    if (!SplitArguments(args, {"--density", "--drafts", "--plot", "--size"}, positional, values))
        return false;
    if (positional.size() != 2)
        return false;
    options.strHull = positional[0];
    options.strOutput = positional[1];
    for (const auto& [strOption, strValue] : values)
    {
        if (strOption == "--density" && !ParseNumber(strValue, options.dDensity))
            return BadValue(strOption, strValue);
        if (strOption == "--drafts" && !ParseDrafts(strValue, options))
            return BadValue(strOption, strValue);
        if (strOption == "--size" && !ParseSize(strValue, options.nWidth, options.nHeight))
            return BadValue(strOption, strValue);
    }
    options.bRange = values.count("--drafts") != 0;
    options.strPlot = values.count("--plot") ? values["--plot"] : "";
    if (values.count("--plot") && !IsPictureName(options.strPlot))
        return NotPictureName(options.strPlot);
    return true;
}
} // namespace

int RunHydrostatics(const CArgs& args)
{
    SHydrostaticsOptions options;
    if (!ParseHydrostatics(args, options))
        return UsageError("hydrostatics");
    if (!options.strPlot.empty())
    {
        const int nStatus = HandOverBeforeReading("hydrostatics", args);
        if (nStatus >= 0)
            return nStatus;
    }

    CHullTable hull;
    try
    {
        CHullTableFile::Read(options.strHull, hull);
    }
    catch (const CFileException& error)
    {
        return ReportFailure(error);
    }
    CCurvesOfForm curves;
    const bool bDone = options.bRange
                           ? curves.Compute(hull, options.dDensity, options.dFrom, options.dTo, options.dStep)
                           : curves.Compute(hull, options.dDensity);
    if (!bDone)
    {
        std::fprintf(stderr, "scafometro-cli: %s: %s\n", options.strHull.c_str(),
                     curves.m_strRefusal.c_str());
        return 1;
    }
    if (!options.strPlot.empty())
    {
        const int nStatus =
            WriteCurvesOfFormPicture(args, curves, options.strPlot, options.nWidth, options.nHeight);
        if (nStatus != 0)
            return nStatus;
    }
    CFile file;
    return WriteOutputFile(options.strOutput, file,
                           [&] { CStrengthTableFile::WriteCurvesOfForm(file, curves); });
}
