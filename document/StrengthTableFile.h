// The hull girder's curves and the station weights as CSV tables for spreadsheets and strength
// programs, numbers with ten significant digits and a point, rows ending in CR LF.
#pragma once

class CFile;
class CStationCurve;
class CStrengthResult;

class CStrengthTableFile
{
public:
    // "x,p,b,q,V,M" and a row per abscissa, two where p or b jumps (the left limit first).
    static void WriteCurves(CFile& file, const CStrengthResult& result);
    // "x_from,x_to,weight,xg" and a row per station interval.
    static void WriteStations(CFile& file, const CStationCurve& curve);
};
