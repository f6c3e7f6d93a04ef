// The discontinuity abscissae: sorted insertion from the cursor, and the walks over the chain.
#include "model/AbscissaSet.h"

#include <algorithm>
#include <cmath>

CAbscissaSet::~CAbscissaSet()
{
    Clear();
}

void CAbscissaSet::LinkBefore(CAbscissaNode* pNode, CAbscissaNode* pWhere)
{
    pNode->m_pNext = pWhere;
    pNode->m_pPrev = pWhere->m_pPrev;
    if (pWhere->m_pPrev)
        pWhere->m_pPrev->m_pNext = pNode;
    pWhere->m_pPrev = pNode;
}

void CAbscissaSet::LinkAfter(CAbscissaNode* pNode, CAbscissaNode* pWhere)
{
    pNode->m_pPrev = pWhere;
    pNode->m_pNext = pWhere->m_pNext;
    if (pWhere->m_pNext)
        pWhere->m_pNext->m_pPrev = pNode;
    pWhere->m_pNext = pNode;
}

int CAbscissaSet::Insert(double x)
{
    if (!m_pCurrent)
    {
        m_pCurrent = new CAbscissaNode;
        m_pCurrent->m_dX = x;
        m_nCount = 1;
        ++m_nGeneration;
        return 1;
    }
    // The walk starts from the last insertion, so nearly sorted input costs a step or two.
    if (x > m_pCurrent->m_dX)
    {
        while (x > m_pCurrent->m_dX && m_pCurrent->m_pNext)
            m_pCurrent = m_pCurrent->m_pNext;
        if (m_pCurrent->m_dX == x)
            return 0;
        auto* pNode = new CAbscissaNode;
        pNode->m_dX = x;
        ++m_nCount;
        ++m_nGeneration;
        if (!m_pCurrent->m_pNext && x > m_pCurrent->m_dX)
            LinkAfter(pNode, m_pCurrent);
        else
            LinkBefore(pNode, m_pCurrent);
        return 1;
    }
    while (x < m_pCurrent->m_dX && m_pCurrent->m_pPrev)
        m_pCurrent = m_pCurrent->m_pPrev;
    if (m_pCurrent->m_dX == x)
        return 0;
    auto* pNode = new CAbscissaNode;
    pNode->m_dX = x;
    ++m_nCount;
    ++m_nGeneration;
    if (x < m_pCurrent->m_dX && !m_pCurrent->m_pPrev)
        LinkBefore(pNode, m_pCurrent);
    else
        LinkAfter(pNode, m_pCurrent);
    return 1;
}

void CAbscissaSet::InsertSequence(const std::vector<double>& values)
{
    // Where a value is not a number, where it lands depends on the path of the walk; only the
    // walk itself gives that answer. The same holds when the set already has values.
    const bool bOrderable =
        std::none_of(values.begin(), values.end(), [](double x) { return std::isnan(x); });
    if (!bOrderable || m_pCurrent)
    {
        for (double x : values)
            Insert(x);
        return;
    }
    if (values.empty())
        return;
    ++m_nGeneration;
    // A stable sort keeps the first of values that compare equal (0.0 and -0.0 among them),
    // which is the one the walk would keep.
    std::vector<double> sorted(values);
    std::stable_sort(sorted.begin(), sorted.end());
    CAbscissaNode* pLast = nullptr;
    for (double x : sorted)
    {
        if (pLast && pLast->m_dX == x)
            continue;
        auto* pNode = new CAbscissaNode;
        pNode->m_dX = x;
        if (pLast)
            LinkAfter(pNode, pLast);
        else
            m_pCurrent = pNode;
        pLast = pNode;
        ++m_nCount;
    }
}

void CAbscissaSet::Clear()
{
    ++m_nGeneration;
    if (!m_pCurrent)
        return;
    First();
    CAbscissaNode* pNode = m_pCurrent;
    while (pNode)
    {
        CAbscissaNode* pNext = pNode->m_pNext;
        delete pNode;
        pNode = pNext;
    }
    m_pCurrent = nullptr;
    m_nCount = 0;
}

int CAbscissaSet::Next()
{
    if (!m_pCurrent || !m_pCurrent->m_pNext)
        return 0;
    m_pCurrent = m_pCurrent->m_pNext;
    return 1;
}

int CAbscissaSet::Prev()
{
    if (!m_pCurrent || !m_pCurrent->m_pPrev)
        return 0;
    m_pCurrent = m_pCurrent->m_pPrev;
    return 1;
}

int CAbscissaSet::First()
{
    if (!m_pCurrent)
        return 0;
    while (Prev())
    {
    }
    return 1;
}

double CAbscissaSet::Min()
{
    if (!First())
        return 0;
    return m_pCurrent->m_dX;
}

double CAbscissaSet::Max()
{
    if (!m_pCurrent)
        return 0;
    while (Next())
    {
    }
    return m_pCurrent->m_dX;
}

int CAbscissaSet::GoTo(int n)
{
    if (!First())
        return 0;
    for (int i = 1; i < n; ++i)
    {
        if (!Next())
            return 0;
    }
    return 1;
}

std::vector<double> CAbscissaSet::Values()
{
    std::vector<double> values;
    if (!First())
        return values;
    values.reserve(static_cast<size_t>(m_nCount));
    do
        values.push_back(m_pCurrent->m_dX);
    while (Next());
    return values;
}
