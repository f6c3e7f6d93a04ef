// The ordered loads of one weight estimate, with its cursor, totals and resultant curve.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/AbscissaSet.h"
#include "model/Load.h"

class CFile;
class CDxfFile;
class CListBox;
class CResultantLimits;
class CViewport;

class CLoadList
{
public:
    CLoadList() = default;
    virtual ~CLoadList();

    // Cursor and positions (1-based); 1 for success, 0 for failure.
    int GoTo(int n);
    int Next();
    int Prev();
    int First();
    int Last();

    // Editing.
    int Append(const std::string& strName, double dXgRel, double dX1, double dX2, double dWeight);
    int Remove(int n);
    int InsertAfter(int n);
    int Move(int nFrom, int nAfter);
    void Clear();
    // Replaces this list's loads by those of other, which is left empty; the texts and the
    // abscissae of both stay as they are. The cursor ends on the last load taken.
    void TakeLoadsFrom(CLoadList& other);
    // The nRemove loads from position nFirst give way to copies of loads, in their order; nFirst
    // may be m_nCount + 1 to append. The cursor ends on the last copy, or on the load after the
    // removed ones (before them at the end) when there is none. 0, with nothing changed, when the
    // range is not there.
    int Replace(int nFirst, int nRemove, const std::vector<const CLoad*>& loads);

    int FillListBox(CListBox& listBox);

    // Totals.
    double TotalWeight();
    double Xg();
    double Yg();
    double Zg();

    // The resultant curve.
    void RebuildAbscissae();
    double ValueAt(double x);
    double PartialSumAt(int n, double x);
    double MaxOrdinate();
    // sums[k] = PartialSumAt(k, x) for k = 0..m_nCount, bit for bit, in one pass over the loads.
    void RunningSumsAt(double x, std::vector<double>& sums);
    // The loads in list order; the cursor does not move.
    std::vector<CLoad*> Loads() const;

    // ".p3d" files (document/LoadListFile.cpp).
    void WriteTo(CFile& file);
    void ReadFrom(CFile& file);
    // Old ".p" files and merges (document/LoadListMerge.cpp).
    void ReadOldFrom(CFile& file);
    bool InsertAll(CLoadList& other);
    bool InsertEquivalent(CLoadList& other);
    // Text and CSV exports (document/LoadListExport.cpp).
    void ExportLoadTable(CFile& file);
    void ExportResultantTable(CFile& file, char chSeparator);
    // DXF drawings (document/LoadListDxf.cpp).
    void ExportResultantDxf(CDxfFile& file);
    void ExportDetailedDxf(CDxfFile& file);
    // Graph (view/LoadListDraw.cpp, view/LoadListAxes.cpp).
    void DrawCumulative(CViewport& viewport);
    void DrawSelectedLoad(int n, CViewport& viewport);
    void FillLoadBand(int n, CViewport& viewport, std::uint32_t crColour);
    // The same for loads stacked in the order given, which need not be the list's: an outline per
    // load, each the sum of the loads up to it; and the strip that the loads from position nBelow
    // (counted from 0) on add above those before them.
    void DrawStacked(const std::vector<CLoad*>& stack, CViewport& viewport);
    void FillBand(const std::vector<CLoad*>& stack, size_t nBelow, CViewport& viewport,
                  std::uint32_t crColour);
    int PickLoad(double x, double y);
    // From the resultant's limits, which a drawing pass computes once for all three right after
    // its rebuild of the abscissae (model/ResultantLimits.h).
    void DrawAxes(CViewport& viewport, double dMaxOrdinate);
    void DrawResultant(CViewport& viewport, const CResultantLimits& limits);
    void ComputePlotBounds(CViewport& viewport, const CResultantLimits& limits);

    int m_nCount = 0;
    CLoad* m_pCurrent = nullptr;
    std::string m_strHeader;
    std::string m_strFileName;
    CAbscissaSet m_abscissae;

private:
    CLoadList(const CLoadList&) = delete;
    CLoadList& operator=(const CLoadList&) = delete;

    // The abscissae the last rebuild started from, and the state of the set it left: a rebuild
    // from the same values into an untouched set would make the same set again.
    std::vector<double> m_rebuiltFrom;
    unsigned m_nRebuiltGeneration = 0;
    bool m_bRebuilt = false;

    CLoad* Head() const;
    // The head and records shared by the weight files, each record read by pReadRecord; the
    // loads replace this list's only when the whole file has been read (document/LoadListFile.cpp).
    void ReadLoads(CFile& file, std::uint64_t nSmallestRecord, void (CLoad::*pReadRecord)(CFile&));
    double WeightedSum(double (*pTerm)(const CLoad&, double));
};
