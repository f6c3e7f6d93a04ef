// The hull girder's curves, the station weights and the curves of form as CSV tables for
// spreadsheets and strength programs, numbers with ten significant digits and a point, rows ending
// in CR LF.
#pragma once

class CCurvesOfForm;
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
    // "T,displacement,volume,LCB,KB,Aw,LCF,TPC,MCT1cm,BMT,KMT,BML,KML,Cb" and a row per draft; a
    // figure that does not exist there (the centres where there is no volume) is an empty cell.
    static void WriteCurvesOfForm(CFile& file, const CCurvesOfForm& curves);
};
