// Loads from elsewhere: the old ".p" file, every load of another estimate, or one load that
// stands for a whole other estimate.
#include <cmath>
#include <cstdint>

#include "model/LoadList.h"

namespace
{
// The smallest ".p" record: a name length, no name and five doubles.
constexpr std::uint64_t kSmallestOldRecord = 44;
} // namespace

void CLoadList::ReadOldFrom(CFile& file)
{
    ReadLoads(file, kSmallestOldRecord, &CLoad::ReadOldFrom);
}

bool CLoadList::InsertAll(CLoadList& other)
{
    if (other.m_nCount == 0)
        return false;
    // Taken before the first append, so that a list merged into itself is copied once.
    const std::vector<CLoad*> loads = other.Loads();
    for (const CLoad* pLoad : loads)
    {
        Append(pLoad->m_strName, pLoad->m_dXgRel, pLoad->m_dX1, pLoad->m_dX2, pLoad->m_dWeight);
        m_pCurrent->m_dYg = pLoad->m_dYg;
        m_pCurrent->m_dZg = pLoad->m_dZg;
    }
    other.Last();
    RebuildAbscissae();
    return true;
}

bool CLoadList::InsertEquivalent(CLoadList& other)
{
    if (other.m_nCount == 0)
        return false;
    other.RebuildAbscissae();
    const double dWeight = other.TotalWeight();
    const double dMax = other.m_abscissae.Max();
    const double dMin = other.m_abscissae.Min();
    const double dXg = other.Xg();
    const double dYg = other.Yg();
    const double dZg = other.Zg();
    // Weights that cancel out leave no centre of gravity (0/0): such a load would carry "not a
    // number" into the document and every curve drawn from it.
    if (dWeight == 0 || !std::isfinite(dWeight) || !std::isfinite(dXg) || !std::isfinite(dYg) ||
        !std::isfinite(dZg))
        return false;
    Append(other.m_strFileName, dXg - dMin, dMin, dMax, dWeight);
    m_pCurrent->m_dYg = dYg;
    m_pCurrent->m_dZg = dZg;
    RebuildAbscissae();
    return true;
}
