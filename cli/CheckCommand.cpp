// scafometro-cli check: loading conditions against the permissible still-water shear forces and
// bending moments at the read-out points, with their envelope and, optionally, the rule wave loads.
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "cli/Arguments.h"
#include "cli/Commands.h"
#include "cli/OutputFile.h"
#include "cli/WeightFile.h"
#include "document/CheckTableFile.h"
#include "document/File.h"
#include "document/FileException.h"
#include "document/HullTableFile.h"
#include "document/LimitsFile.h"
#include "document/LoadingCondition.h"
#include "model/HullTable.h"
#include "model/LoadList.h"
#include "model/LoadingCheck.h"
#include "model/NumberFormat.h"
#include "model/WaveLoads.h"

namespace
{
std::string Number(double dValue)
{
    return CNumberFormat::Format("%.10G", dValue);
}

struct SCheckOptions
{
    SCheckInputs inputs;
    bool bWave = false;
    // L, B, Cb and k.
    double wave[4] = {0, 0, 0, 1};
    std::string strTable;
    std::string strReport;
};

// "L,B,Cb" or "L,B,Cb,k".
bool ParseWave(const std::string& strText, double wave[4])
{
    std::vector<std::string> parts;
    size_t nStart = 0;
    for (size_t nComma; (nComma = strText.find(',', nStart)) != std::string::npos; nStart = nComma + 1)
        parts.push_back(strText.substr(nStart, nComma - nStart));
    parts.push_back(strText.substr(nStart));
    if (parts.size() < 3 || parts.size() > 4)
        return false;
    for (size_t i = 0; i < parts.size(); ++i)
    {
        if (!ParseNumber(parts[i], wave[i]))
            return false;
    }
    return true;
}

bool IsPdfName(const std::string& strPath)
{
    return IsPictureName(strPath) && (strPath.back() == 'f' || strPath.back() == 'F');
}

bool ParseCheck(const CArgs& args, SCheckOptions& options)
{
    std::vector<std::string> positional;
    std::map<std::string, std::string> values;
    if (!SplitArguments(args, {"--density", "--wave", "--table", "--report"}, positional, values))
        return false;
    if (positional.size() < 3)
        return false;
    options.inputs.strHull = positional[0];
    options.inputs.strLimits = positional[1];
    for (size_t i = 2; i < positional.size(); ++i)
        options.inputs.conditions.push_back(CLoadingCondition::SplitPaths(positional[i]));
    for (const auto& [strOption, strValue] : values)
    {
        if (strOption == "--density" &&
            (!ParseNumber(strValue, options.inputs.dDensity) || !(options.inputs.dDensity > 0)))
            return BadValue(strOption, strValue);
        if (strOption == "--wave")
        {
            options.bWave = true;
            if (!ParseWave(strValue, options.wave))
                return BadValue(strOption, strValue);
            const std::string strFault =
                CWaveLoads(options.wave[0], options.wave[1], options.wave[2], options.wave[3]).Fault();
            if (!strFault.empty())
            {
                std::fprintf(stderr, "scafometro-cli: --wave: %s\n", strFault.c_str());
                return false;
            }
        }
        if (strOption == "--report" && !IsPdfName(strValue))
        {
            std::fprintf(stderr, "scafometro-cli: %s: the report must be named .pdf\n", strValue.c_str());
            return false;
        }
    }
    options.strTable = values.count("--table") ? values["--table"] : "";
    options.strReport = values.count("--report") ? values["--report"] : "";
    return true;
}

std::string Extreme(const char* pszName, const SExtreme& extreme, const CLoadingCheck& check)
{
    return std::string(pszName) + "\t" + Number(extreme.dValue) + "\t" + Number(extreme.x) + "\t" +
           check.m_conditions[extreme.nCondition].m_strName + "\n";
}

std::string Printed(const CLoadingCheck& check)
{
    std::string strOut;
    for (const SConditionCheck& condition : check.m_conditions)
    {
        const CStrengthResult& result = condition.m_result;
        strOut += "condition\t" + condition.m_strName + "\n";
        strOut += "W\t" + Number(result.m_dWeight) + "\n";
        strOut += "T_aft\t" + Number(result.m_dAftDraft) + "\n";
        strOut += "T_fwd\t" + Number(result.m_dFwdDraft) + "\n";
        strOut += "GMT\t" + Number(condition.m_dGmt) + "\n";
        strOut +=
            "SF_util\t" + Number(condition.m_shearUse.dValue) + "\t" + Number(condition.m_shearUse.x) + "\n";
        strOut += "BM_util\t" + Number(condition.m_momentUse.dValue) + "\t" +
                  Number(condition.m_momentUse.x) + "\n";
        if (check.Wave())
            strOut +=
                "Z_req\t" + Number(condition.m_modulus.dValue) + "\t" + Number(condition.m_modulus.x) + "\n";
        strOut +=
            std::string("verdict\t") + (condition.Within() ? "entro i limiti" : "fuori dai limiti") + "\n";
    }
    strOut += Extreme("envelope_SF_max", check.m_shearMax, check);
    strOut += Extreme("envelope_SF_min", check.m_shearMin, check);
    strOut += Extreme("envelope_BM_hog", check.m_momentHog, check);
    strOut += Extreme("envelope_BM_sag", check.m_momentSag, check);
    if (const CWaveLoads* pWave = check.Wave())
    {
        strOut += "wave_C\t" + Number(pWave->Coefficient()) + "\n";
        strOut += "W_min\t" + Number(pWave->LeastModulus()) + "\n";
    }
    return strOut;
}
} // namespace

int RunCheck(const CArgs& args)
{
    SCheckOptions options;
    if (!ParseCheck(args, options))
        return UsageError("check");
    if (!options.strReport.empty())
    {
        const int nStatus = HandOverBeforeReading("check", args);
        if (nStatus >= 0)
            return nStatus;
    }

    CHullTable hull;
    std::vector<SLimitPoint> limits;
    try
    {
        CHullTableFile::Read(options.inputs.strHull, hull);
        CLimitsFile::Read(options.inputs.strLimits, limits);
    }
    catch (const CFileException& error)
    {
        return ReportFailure(error);
    }
    const CWaveLoads wave(options.wave[0], options.wave[1], options.wave[2], options.wave[3]);
    CLoadingCheck check(hull, limits, options.inputs.dDensity, options.bWave ? &wave : nullptr);
    for (const std::vector<std::string>& paths : options.inputs.conditions)
    {
        CLoadList list;
        std::vector<std::string> readPaths;
        for (const std::string& strPath : paths)
            readPaths.push_back(InputPath(strPath));
        try
        {
            CLoadingCondition::Read(readPaths, list);
        }
        catch (const CFileException& error)
        {
            return ReportFailure(error);
        }
        std::string strRefusal;
        if (!check.Add(CLoadingCondition::NameOf(paths), list, strRefusal))
        {
            std::fprintf(stderr, "scafometro-cli: %s\n", strRefusal.c_str());
            return 1;
        }
    }

    if (!options.strReport.empty())
    {
        const int nStatus = WriteCheckReport(args, check, options.inputs, options.strReport);
        if (nStatus != 0)
            return nStatus;
    }
    if (!options.strTable.empty())
    {
        CFile file;
        if (WriteOutputFile(options.strTable, file, [&] { CCheckTableFile::Write(file, check); }) != 0)
            return 1;
    }
    std::fputs(Printed(check).c_str(), stdout);
    if (std::fflush(stdout) != 0)
        return 1;
    return check.Within() ? 0 : 3;
}
