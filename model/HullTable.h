// The hull's Bonjean table: the immersed sectional area at each station for a set of drafts, and
// the area at any draft by linear interpolation between them.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

class CHullTable
{
public:
    CHullTable() = default;
    CHullTable(const CHullTable&) = default;
    CHullTable(CHullTable&&) = default;
    CHullTable& operator=(const CHullTable&) = default;
    CHullTable& operator=(CHullTable&&) = default;
    virtual ~CHullTable();

    size_t StationCount() const { return m_stations.size(); }
    size_t DraftCount() const { return m_drafts.size(); }
    // The tabulated area [m²] at station i and draft j.
    double Area(size_t i, size_t j) const { return m_areas[i * m_drafts.size() + j]; }
    // The area [m²] at station i and draft dDraft [m], and through dSlope its rate of growth with
    // the draft [m]. A table that starts above draft 0 is taken to rise from no area at draft 0.
    // Outside 0..the deepest draft the nearest interval goes on straight: the equilibrium search
    // may step there before it finds that no equilibrium lies inside the table.
    double AreaAt(size_t i, double dDraft, double& dSlope) const;
    // The draft interval that the interpolation at dDraft takes, as the index j of its upper draft
    // (the interval T[j-1]..T[j]), or 0 for the implicit one from draft 0 up to a first draft above
    // 0. At a table draft bBelow takes the interval below it, the first draft the first interval;
    // otherwise the interval above. Beyond the table, the nearest interval.
    size_t IntervalAt(double dDraft, bool bBelow) const;
    // The area [m²] at station i and dDraft on interval nInterval (as IntervalAt gives it), and
    // through dSlope its rate of growth with the draft [m].
    double AreaIn(size_t i, size_t nInterval, double dDraft, double& dSlope) const;
    // Empty for a table that the interpolation can use; otherwise what is wrong with it. The file
    // reader makes only such tables, but one built by hand may be anything.
    std::string Fault() const;
    // The stations' extent, last minus first [m].
    double Length() const { return m_stations.back() - m_stations.front(); }
    double DeepestDraft() const { return m_drafts.back(); }

    // The text of the first cell of the drafts row.
    std::string m_strLabel;
    // Strictly increasing station abscissae [m] and drafts [m], not below 0.
    std::vector<double> m_stations;
    std::vector<double> m_drafts;
    // Station by station, the areas at each draft, never falling as the draft rises.
    std::vector<double> m_areas;
};
