// The load list: cursor, editing, list box, totals and the resultant curve.
#include "model/LoadList.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "model/CentreTerms.h"
#include "model/ListBox.h"
#include "model/LoadOrdinate.h"
#include "model/ResultantLimits.h"

CLoadList::~CLoadList()
{
    // From the last load to the first, without walking from the front for each one.
    Last();
    while (m_pCurrent)
    {
        CLoad* pPrev = m_pCurrent->m_pPrev;
        delete m_pCurrent;
        m_pCurrent = pPrev;
    }
    m_nCount = 0;
    m_abscissae.Clear();
}

CLoad* CLoadList::Head() const
{
    CLoad* pLoad = m_pCurrent;
    while (pLoad && pLoad->m_pPrev)
        pLoad = pLoad->m_pPrev;
    return pLoad;
}

std::vector<CLoad*> CLoadList::Loads() const
{
    std::vector<CLoad*> loads;
    loads.reserve(static_cast<size_t>(std::max(m_nCount, 0)));
    for (CLoad* pLoad = Head(); pLoad; pLoad = pLoad->m_pNext)
        loads.push_back(pLoad);
    return loads;
}

int CLoadList::GoTo(int n)
{
    if (n < 1 || n > m_nCount)
        return 0;
    First();
    for (int i = 1; i < n; ++i)
        Next();
    return 1;
}

int CLoadList::Next()
{
    if (!m_pCurrent || !m_pCurrent->m_pNext)
        return 0;
    m_pCurrent = m_pCurrent->m_pNext;
    return 1;
}

int CLoadList::Prev()
{
    if (!m_pCurrent || !m_pCurrent->m_pPrev)
        return 0;
    m_pCurrent = m_pCurrent->m_pPrev;
    return 1;
}

int CLoadList::First()
{
    while (Prev())
    {
    }
    return m_nCount;
}

int CLoadList::Last()
{
    while (Next())
    {
    }
    return m_nCount;
}

int CLoadList::Append(const std::string& strName, double dXgRel, double dX1, double dX2, double dWeight)
{
    auto* pLoad = new CLoad;
    pLoad->m_strName = strName;
    pLoad->m_dXgRel = dXgRel;
    pLoad->m_dX1 = dX1;
    pLoad->m_dX2 = dX2;
    pLoad->m_dWeight = dWeight;
    pLoad->m_dZg = 0;
    if (m_pCurrent)
    {
        Last();
        pLoad->m_pPrev = m_pCurrent;
        m_pCurrent->m_pNext = pLoad;
    }
    m_pCurrent = pLoad;
    ++m_nCount;
    return 1;
}

int CLoadList::Remove(int n)
{
    if (!GoTo(n))
        return 0;
    CLoad* pLoad = m_pCurrent;
    if (pLoad->m_pPrev)
        pLoad->m_pPrev->m_pNext = pLoad->m_pNext;
    if (pLoad->m_pNext)
        pLoad->m_pNext->m_pPrev = pLoad->m_pPrev;
    m_pCurrent = pLoad->m_pNext ? pLoad->m_pNext : pLoad->m_pPrev;
    delete pLoad;
    --m_nCount;
    return 1;
}

int CLoadList::InsertAfter(int n)
{
    if (n < 0 || n > m_nCount)
        return 0;
    auto* pLoad = new CLoad;
    ++m_nCount;
    if (!m_pCurrent)
    {
        m_pCurrent = pLoad;
        return 1;
    }
    if (n == 0)
    {
        First();
        pLoad->m_pNext = m_pCurrent;
        m_pCurrent->m_pPrev = pLoad;
        m_pCurrent = pLoad;
        return 1;
    }
    // The count already holds the new load, which is not linked yet: walk by hand.
    First();
    for (int i = 1; i < n; ++i)
        Next();
    pLoad->m_pPrev = m_pCurrent;
    pLoad->m_pNext = m_pCurrent->m_pNext;
    if (m_pCurrent->m_pNext)
        m_pCurrent->m_pNext->m_pPrev = pLoad;
    m_pCurrent->m_pNext = pLoad;
    return 1;
}

int CLoadList::Move(int nFrom, int nAfter)
{
    if (nFrom < 1 || nFrom > m_nCount || nAfter < 0 || nAfter > m_nCount)
        return 0;
    if (nFrom == nAfter)
        return 1;
    CLoad temp;
    GoTo(nFrom);
    temp.CopyFrom(*m_pCurrent);
    InsertAfter(nAfter);
    GoTo(nAfter + 1);
    m_pCurrent->CopyFrom(temp);
    // The insertion has shifted the original down by one when it lay after the new place.
    Remove(nFrom < nAfter ? nFrom : nFrom + 1);
    return 1;
}

void CLoadList::Clear()
{
    while (m_nCount > 0)
        Remove(1);
}

void CLoadList::TakeLoadsFrom(CLoadList& other)
{
    Clear();
    other.Last();
    m_pCurrent = other.m_pCurrent;
    m_nCount = other.m_nCount;
    other.m_pCurrent = nullptr;
    other.m_nCount = 0;
}

int CLoadList::Replace(int nFirst, int nRemove, const std::vector<const CLoad*>& loads)
{
    if (nFirst < 1 || nRemove < 0 || nRemove > m_nCount - nFirst + 1)
        return 0;
    // One walk to the range, whatever its length: an undo of a merge replaces every load.
    CLoad* pBefore = nullptr;
    if (nFirst > 1)
    {
        GoTo(nFirst - 1);
        pBefore = m_pCurrent;
    }
    CLoad* pAfter = pBefore ? pBefore->m_pNext : Head();
    for (int i = 0; i < nRemove; ++i)
    {
        CLoad* pNext = pAfter->m_pNext;
        delete pAfter;
        pAfter = pNext;
        --m_nCount;
    }
    CLoad* pPrev = pBefore;
    for (const CLoad* pSource : loads)
    {
        auto* pLoad = new CLoad;
        pLoad->CopyFrom(*pSource);
        pLoad->m_pPrev = pPrev;
        if (pPrev)
            pPrev->m_pNext = pLoad;
        pPrev = pLoad;
        ++m_nCount;
    }
    if (pPrev)
        pPrev->m_pNext = pAfter;
    if (pAfter)
        pAfter->m_pPrev = pPrev;
    m_pCurrent = pPrev && (pPrev != pBefore || !pAfter) ? pPrev : pAfter;
    return 1;
}

int CLoadList::FillListBox(CListBox& listBox)
{
    listBox.SetRedraw(false);
    listBox.ResetContent();
    if (m_nCount > 0)
    {
        Last();
        for (int i = 0; i < m_nCount; ++i)
        {
            listBox.InsertString(0, m_pCurrent->m_strName);
            Prev();
        }
    }
    listBox.SetCurSel(m_nCount - 1);
    listBox.SetRedraw(true);
    listBox.SetScrollRange(0, m_nCount, true);
    return listBox.GetCount();
}

double CLoadList::TotalWeight()
{
    if (m_nCount == 0)
        return 0;
    double dSum = 0;
    First();
    do
        dSum += m_pCurrent->m_dWeight;
    while (Next());
    return dSum;
}

double CLoadList::WeightedSum(double (*pTerm)(const CLoad&, double))
{
    RebuildAbscissae();
    const double dWeight = TotalWeight();
    if (m_nCount == 0)
        return 0;
    // A total weight of zero is not guarded: the quotient is what the caller shows.
    double dSum = 0;
    First();
    do
        dSum += pTerm(*m_pCurrent, dWeight);
    while (Next());
    return dSum;
}

double CLoadList::Xg()
{
    return WeightedSum(&CCentreTerms::X);
}

double CLoadList::Yg()
{
    return WeightedSum(&CCentreTerms::Y);
}

double CLoadList::Zg()
{
    return WeightedSum(&CCentreTerms::Z);
}

void CLoadList::RebuildAbscissae()
{
    std::vector<double> values;
    values.reserve(2 * static_cast<size_t>(m_nCount));
    if (m_nCount > 0)
    {
        First();
        do
        {
            m_pCurrent->Normalize();
            values.push_back(m_pCurrent->m_dX1);
            values.push_back(m_pCurrent->m_dX2);
        } while (Next());
    }
    // The totals rebuild once each and a redraw more than once; when neither the loads' ends nor
    // the set have changed since, the set is already what the rebuild would make. Bits are
    // compared, so -0.0 and 0.0, or two NaNs, count as equal only when they are the same.
    const bool bUnchanged = m_bRebuilt && m_abscissae.Generation() == m_nRebuiltGeneration &&
                            values.size() == m_rebuiltFrom.size() &&
                            (values.empty() || std::memcmp(values.data(), m_rebuiltFrom.data(),
                                                           values.size() * sizeof(double)) == 0);
    if (bUnchanged)
        return;
    m_abscissae.Clear();
    m_abscissae.InsertSequence(values);
    m_rebuiltFrom = std::move(values);
    m_nRebuiltGeneration = m_abscissae.Generation();
    m_bRebuilt = true;
}

double CLoadList::ValueAt(double x)
{
    return PartialSumAt(m_nCount, x);
}

double CLoadList::PartialSumAt(int n, double x)
{
    if (m_nCount == 0 || n <= 0)
        return 0;
    n = std::min(n, m_nCount);
    double dSum = 0;
    First();
    for (int i = 1; i <= n; ++i)
    {
        dSum += CLoadOrdinate::At(*m_pCurrent, x);
        if (i < n)
            Next();
    }
    return dSum;
}

void CLoadList::RunningSumsAt(double x, std::vector<double>& sums)
{
    std::vector<CLoadOrdinate> ordinates;
    ordinates.reserve(static_cast<size_t>(m_nCount));
    for (CLoad* pLoad = Head(); pLoad; pLoad = pLoad->m_pNext)
        ordinates.emplace_back(*pLoad);
    CLoadOrdinate::RunningSums(ordinates, x, sums);
}

double CLoadList::MaxOrdinate()
{
    RebuildAbscissae();
    return CResultantLimits(*this).m_dMax;
}
