// Random but plausible weight estimates for the benchmarks.
#pragma once

#include <string>

class CHullTable;
class CLoadList;

class CEstimateGenerator
{
public:
    // nCount loads over a ship of dLength metres, in random order, some overlapping, some
    // triangular, a few deductions.
    static void Fill(CLoadList& list, int nCount, double dLength, unsigned nSeed = 1);
    // A group code before every name, as yards write them: up to six digits, some dotted, one load
    // in twenty left without one.
    static void AddGroupCodes(CLoadList& list, unsigned nSeed = 7);
    // The same estimate saved as a ".p3d" file.
    static void Save(const std::string& strPath, int nCount, double dLength, unsigned nSeed = 1);
    // A hull of dLength metres, fuller amidships, whose sections widen with the draft (drafts 0, 1,
    // ... metres), its areas scaled so that an estimate of dWeight tonnes floats at about half the
    // table's depth.
    static CHullTable Hull(double dLength, int nStations, int nDrafts, double dWeight);
};
