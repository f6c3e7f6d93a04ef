// scafometro-cli strength and export-stations: the estimate floated on a hull table with its shear
// force and bending moment, and the weights of a row of stations.
#include <cmath>
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
#include "model/HullGirder.h"
#include "model/HullTable.h"
#include "model/LoadList.h"
#include "model/NumberFormat.h"
#include "model/StationCurve.h"

namespace
{
std::string Number(double dValue)
{
    return CNumberFormat::Format("%.10G", dValue);
}

struct SStrengthOptions
{
    std::string strInput;
    std::string strHull;
    double dDensity = CHullGirder::kSeaWater;
    std::string strTable;
    std::string strPlot;
    int nWidth = 1200;
    int nHeight = 900;
};

bool ParseStrength(const CArgs& args, SStrengthOptions& options)
{
    std::vector<std::string> positional;
    std::map<std::string, std::string> values;
    if (!SplitArguments(args, {"--density", "--table", "--plot", "--size"}, positional, values))
        return false;
    if (positional.size() != 2)
        return false;
    options.strInput = positional[0];
    options.strHull = positional[1];
    for (const auto& [strOption, strValue] : values)
    {
        if (strOption == "--density" && (!ParseNumber(strValue, options.dDensity) || !(options.dDensity > 0)))
            return BadValue(strOption, strValue);
        if (strOption == "--size" && !ParseSize(strValue, options.nWidth, options.nHeight))
            return BadValue(strOption, strValue);
    }
    options.strTable = values.count("--table") ? values["--table"] : "";
    options.strPlot = values.count("--plot") ? values["--plot"] : "";
    if (values.count("--plot") && !IsPictureName(options.strPlot))
        return NotPictureName(options.strPlot);
    return true;
}
} // namespace

int RunStrength(const CArgs& args)
{
    SStrengthOptions options;
    if (!ParseStrength(args, options))
        return UsageError("strength");
    if (!options.strPlot.empty())
    {
        const int nStatus = HandOverBeforeReading("strength", args);
        if (nStatus >= 0)
            return nStatus;
    }

    CLoadList list;
    CHullTable hull;
    try
    {
        OpenWeightFile(options.strInput, list);
        CHullTableFile::Read(options.strHull, hull);
    }
    catch (const CFileException& error)
    {
        return ReportFailure(error);
    }
    const CStrengthResult result = CHullGirder(hull, options.dDensity).Compute(list);
    if (!result.m_bFloats)
    {
        std::fprintf(stderr, "scafometro-cli: %s\n", result.m_strRefusal.c_str());
        return 1;
    }

    if (!options.strPlot.empty())
    {
        const int nStatus =
            WriteStrengthPicture(args, result, options.strPlot, options.nWidth, options.nHeight);
        if (nStatus != 0)
            return nStatus;
    }
    if (!options.strTable.empty())
    {
        CFile file;
        if (WriteOutputFile(options.strTable, file, [&] { CStrengthTableFile::WriteCurves(file, result); }) !=
            0)
            return 1;
    }
    std::string strOut;
    strOut += "W\t" + Number(result.m_dWeight) + "\n";
    strOut += "XG\t" + Number(result.m_dXg) + "\n";
    strOut += "T_aft\t" + Number(result.m_dAftDraft) + "\n";
    strOut += "T_fwd\t" + Number(result.m_dFwdDraft) + "\n";
    strOut += "LCB\t" + Number(result.m_dLcb) + "\n";
    strOut += "iterations\t" + std::to_string(result.m_nIterations) + "\n";
    strOut += "V_max\t" + Number(result.m_dMaxShear) + "\t" + Number(result.m_dMaxShearX) + "\n";
    strOut += "M_max\t" + Number(result.m_dMaxMoment) + "\t" + Number(result.m_dMaxMomentX) + "\n";
    strOut += "closure_V\t" + Number(result.m_dClosureShear) + "\n";
    strOut += "closure_M\t" + Number(result.m_dClosureMoment) + "\n";
    strOut += "KG\t" + Number(result.m_dKg) + "\n";
    strOut += "KB\t" + Number(result.m_dKb) + "\n";
    strOut += "BMT\t" + Number(result.m_dBmt) + "\n";
    strOut += "KMT\t" + Number(result.m_dKmt) + "\n";
    strOut += "GMT\t" + Number(result.m_dGmt) + "\n";
    std::fputs(strOut.c_str(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

int RunExportStations(const CArgs& args)
{
    std::vector<std::string> positional;
    std::map<std::string, std::string> values;
    if (!SplitArguments(args, {"--from", "--to", "--count"}, positional, values) || positional.size() != 2 ||
        values.size() != 3)
        return UsageError("export-stations");
    double dFrom = 0, dTo = 0;
    long nCount = 0;
    const bool bGood =
        (ParseNumber(values["--from"], dFrom) || BadValue("--from", values["--from"])) &&
        ((ParseNumber(values["--to"], dTo) && dTo > dFrom) || BadValue("--to", values["--to"])) &&
        (ParseLong(values["--count"], 1, CStationCurve::kMaxCount, nCount) ||
         BadValue("--count", values["--count"]));
    if (!bGood)
        return UsageError("export-stations");

    CLoadList list;
    try
    {
        OpenWeightFile(positional[0], list);
    }
    catch (const CFileException& error)
    {
        return ReportFailure(error);
    }
    CStationCurve curve;
    if (!curve.Build(list, dFrom, dTo, nCount))
    {
        std::fprintf(stderr, "scafometro-cli: %s\n", curve.m_strRefusal.c_str());
        return 1;
    }
    CFile file;
    if (WriteOutputFile(positional[1], file, [&] { CStrengthTableFile::WriteStations(file, curve); }) != 0)
        return 1;
    // Weight beyond the stations is not lost without a word; rounding alone is not reported.
    if (std::fabs(curve.m_dOutside) > 1e-9 * std::fabs(list.TotalWeight()))
        std::fprintf(stderr, "scafometro-cli: %s t of the estimate lies outside %s..%s m\n",
                     Number(curve.m_dOutside).c_str(), Number(dFrom).c_str(), Number(dTo).c_str());
    return 0;
}
