// The sorted, duplicate-free discontinuity abscissae of the resultant, a cache of the loads.
#pragma once

#include <vector>

#include "model/AbscissaNode.h"

class CAbscissaSet
{
public:
    CAbscissaSet() = default;
    virtual ~CAbscissaSet();

    // Sorted insertion walking from the cursor; 1 when inserted, 0 when x is already present.
    int Insert(double x);
    // The set that Insert of every value, in this order, would give from an empty set, built in
    // O(m log m) instead of walking back and forth for values that arrive out of order.
    void InsertSequence(const std::vector<double>& values);
    void Clear();

    int Next();
    int Prev();
    int First();
    double Min();
    double Max();
    int GoTo(int n);

    // Every value from the smallest to the largest; the cursor ends on the last node.
    std::vector<double> Values();
    // Changes whenever a value is added or the set is cleared.
    unsigned Generation() const { return m_nGeneration; }

    CAbscissaNode* m_pCurrent = nullptr;
    int m_nCount = 0;

private:
    unsigned m_nGeneration = 0;

    CAbscissaSet(const CAbscissaSet&) = delete;
    CAbscissaSet& operator=(const CAbscissaSet&) = delete;

    void LinkBefore(CAbscissaNode* pNode, CAbscissaNode* pWhere);
    void LinkAfter(CAbscissaNode* pNode, CAbscissaNode* pWhere);
};
