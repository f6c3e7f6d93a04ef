// The check of the loading conditions as a CSV table, a row per read-out point: the limits, each
// condition's V, M and utilisations and, with the rule wave loads, those loads in t and t m.
#pragma once

class CFile;
class CLoadingCheck;

class CCheckTableFile
{
public:
    // "x,SF_max,SF_min,BM_hog,BM_sag", then "V:NAME,M:NAME,SF_util:NAME,BM_util:NAME" for each
    // condition, then "Fw_pos,Fw_neg,Mw_hog,Mw_sag" with the wave loads; numbers with ten
    // significant digits and a point, rows ending in CR LF.
    static void Write(CFile& file, const CLoadingCheck& check);
};
