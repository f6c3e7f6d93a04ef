// The hull's Bonjean table and its interpolation in the draft.
#include "model/HullTable.h"

#include <algorithm>
#include <cmath>

CHullTable::~CHullTable() = default;

double CHullTable::AreaAt(size_t i, double dDraft, double& dSlope) const
{
    const size_t nDrafts = m_drafts.size();
    const double* pAreas = m_areas.data() + i * nDrafts;
    // The interval [T0, T1] holding the draft, the implicit point (0, 0) before the first draft.
    const size_t nUpper =
        static_cast<size_t>(std::upper_bound(m_drafts.begin(), m_drafts.end(), dDraft) - m_drafts.begin());
    double dT0 = 0, dA0 = 0, dT1 = 0, dA1 = 0;
    const bool bImplicitZero = m_drafts.front() > 0;
    if (nUpper == 0 && bImplicitZero)
    {
        dT1 = m_drafts.front();
        dA1 = pAreas[0];
    }
    else
    {
        // Above the deepest draft the last interval goes on; below the first, the first does.
        const size_t j = std::min(std::max<size_t>(nUpper, 1), nDrafts - 1);
        dT0 = m_drafts[j - 1];
        dA0 = pAreas[j - 1];
        dT1 = m_drafts[j];
        dA1 = pAreas[j];
    }
    dSlope = (dA1 - dA0) / (dT1 - dT0);
    return dA0 + dSlope * (dDraft - dT0);
}

std::string CHullTable::Fault() const
{
    if (m_stations.size() < 2 || m_drafts.size() < 2)
        return "the hull table needs two stations and two drafts at least";
    if (m_areas.size() != m_stations.size() * m_drafts.size())
        return "the hull table's areas do not fill its stations and drafts";
    for (size_t i = 0; i < m_stations.size(); ++i)
    {
        if (!std::isfinite(m_stations[i]) || (i > 0 && !(m_stations[i] > m_stations[i - 1])))
            return "the hull table's stations do not increase";
    }
    for (size_t j = 0; j < m_drafts.size(); ++j)
    {
        if (!std::isfinite(m_drafts[j]) || m_drafts[j] < 0 || (j > 0 && !(m_drafts[j] > m_drafts[j - 1])))
            return "the hull table's drafts do not increase from zero or above";
    }
    for (double dArea : m_areas)
    {
        if (!std::isfinite(dArea))
            return "the hull table holds an area that is not a number";
    }
    return std::string();
}
