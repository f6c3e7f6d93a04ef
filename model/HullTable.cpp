// The hull's Bonjean table and its interpolation in the draft.
#include "model/HullTable.h"

#include <algorithm>
#include <cmath>

CHullTable::~CHullTable() = default;

double CHullTable::AreaAt(size_t i, double dDraft, double& dSlope) const
{
    return AreaIn(i, IntervalAt(dDraft, false), dDraft, dSlope);
}

size_t CHullTable::IntervalAt(double dDraft, bool bBelow) const
{
    if (dDraft < m_drafts.front() && m_drafts.front() > 0)
        return 0;
    const auto it = bBelow ? std::lower_bound(m_drafts.begin(), m_drafts.end(), dDraft)
                           : std::upper_bound(m_drafts.begin(), m_drafts.end(), dDraft);
    // Above the deepest draft the last interval goes on; below the first, the first does.
    return std::min(std::max<size_t>(static_cast<size_t>(it - m_drafts.begin()), 1), m_drafts.size() - 1);
}

double CHullTable::AreaIn(size_t i, size_t nInterval, double dDraft, double& dSlope) const
{
    const double* pAreas = m_areas.data() + i * m_drafts.size();
    // The implicit interval runs from no area at draft 0.
    const double dT0 = nInterval == 0 ? 0 : m_drafts[nInterval - 1];
    const double dA0 = nInterval == 0 ? 0 : pAreas[nInterval - 1];
    dSlope = (pAreas[nInterval] - dA0) / (m_drafts[nInterval] - dT0);
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
