// The check of the loading conditions as CSV.
#include "document/CheckTableFile.h"

#include <string>

#include "document/File.h"
#include "model/LoadingCheck.h"
#include "model/NumberFormat.h"
#include "model/WaveLoads.h"

namespace
{
// A header cell in double quotes when the condition's name holds a comma or a quote.
std::string Cell(const std::string& strText)
{
    if (strText.find_first_of(",\"") == std::string::npos)
        return strText;
    std::string strQuoted = "\"";
    for (char ch : strText)
        strQuoted += ch == '"' ? std::string("\"\"") : std::string(1, ch);
    return strQuoted + "\"";
}

void Add(std::string& strOut, double dValue)
{
    strOut += ',';
    strOut += CNumberFormat::Format("%.10G", dValue);
}
} // namespace

void CCheckTableFile::Write(CFile& file, const CLoadingCheck& check)
{
    std::string strOut = "x,SF_max,SF_min,BM_hog,BM_sag";
    for (const SConditionCheck& condition : check.m_conditions)
    {
        for (const char* pszColumn : {"V:", "M:", "SF_util:", "BM_util:"})
            strOut += "," + Cell(pszColumn + condition.m_strName);
    }
    const CWaveLoads* pWave = check.Wave();
    if (pWave)
        strOut += ",Fw_pos,Fw_neg,Mw_hog,Mw_sag";
    strOut += "\r\n";
    const std::vector<SLimitPoint>& limits = check.Limits();
    for (size_t i = 0; i < limits.size(); ++i)
    {
        const SLimitPoint& limit = limits[i];
        strOut += CNumberFormat::Format("%.10G", limit.x);
        for (double dValue : {limit.dSfMax, limit.dSfMin, limit.dBmHog, limit.dBmSag})
            Add(strOut, dValue);
        for (const SConditionCheck& condition : check.m_conditions)
        {
            const SPointCheck& point = condition.m_points[i];
            for (double dValue : {point.dShear, point.dMoment, point.dShearUse, point.dMomentUse})
                Add(strOut, dValue);
        }
        if (pWave)
        {
            const CWaveLoads::SLoads wave = pWave->InTonnesAt(check.FromAft(limit.x));
            for (double dValue : {wave.dFwPos, wave.dFwNeg, wave.dMwHog, wave.dMwSag})
                Add(strOut, dValue);
        }
        strOut += "\r\n";
        if (strOut.size() >= (1 << 16))
        {
            file.Write(strOut);
            strOut.clear();
        }
    }
    file.Write(strOut);
}
