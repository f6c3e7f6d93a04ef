// The hull girder's curves and the station weights as CSV.
#include "document/StrengthTableFile.h"

#include <cmath>
#include <initializer_list>
#include <string>

#include "document/File.h"
#include "model/CurvesOfForm.h"
#include "model/NumberFormat.h"
#include "model/StationCurve.h"
#include "model/StrengthResult.h"

namespace
{
// Lines are gathered and handed to the file in pieces of about this size.
constexpr size_t kChunk = 1 << 16;

void WriteRow(CFile& file, std::string& strOut, std::initializer_list<double> values)
{
    const char* pszSeparator = "";
    for (double dValue : values)
    {
        strOut += pszSeparator;
        if (std::isfinite(dValue))
            strOut += CNumberFormat::Format("%.10G", dValue);
        pszSeparator = ",";
    }
    strOut += "\r\n";
    if (strOut.size() >= kChunk)
    {
        file.Write(strOut);
        strOut.clear();
    }
}
} // namespace

void CStrengthTableFile::WriteCurves(CFile& file, const CStrengthResult& result)
{
    std::string strOut = "x,p,b,q,V,M\r\n";
    for (const SStrengthRow& row : result.m_rows)
        WriteRow(file, strOut, {row.x, row.p, row.b, row.q, row.V, row.M});
    file.Write(strOut);
}

void CStrengthTableFile::WriteStations(CFile& file, const CStationCurve& curve)
{
    std::string strOut = "x_from,x_to,weight,xg\r\n";
    for (const SStationWeight& station : curve.m_stations)
        WriteRow(file, strOut, {station.dFrom, station.dTo, station.dWeight, station.dXg});
    file.Write(strOut);
}

void CStrengthTableFile::WriteCurvesOfForm(CFile& file, const CCurvesOfForm& curves)
{
    std::string strOut = "T,displacement,volume,LCB,KB,Aw,LCF,TPC,MCT1cm,BMT,KMT,BML,KML,Cb\r\n";
    for (const SCurvesOfFormRow& row : curves.m_rows)
    {
        const SHydrostatics& h = row.hydrostatics;
        WriteRow(file, strOut,
                 {row.dDraft, h.dDisplacement, h.dVolume, h.dLcb, h.dKb, h.dAw, h.dLcf, h.dTpc, h.dMct1cm,
                  h.dBmt, h.dKmt, h.dBml, h.dKml, h.dCb});
    }
    file.Write(strOut);
}
