// What the fuzz targets share: a check that stops the run on a broken rule, and loads compared
// bit for bit.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "model/LoadList.h"

namespace fuzzcheck
{
// A failed rule is a finding: libFuzzer keeps the input that broke it.
inline void Check(bool bHolds, const char* pszRule)
{
    if (bHolds)
        return;
    std::fprintf(stderr, "broken rule: %s\n", pszRule);
    std::abort();
}

inline bool SameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Same names and the same bits in every stored field, load by load.
inline bool SameLoads(CLoadList& a, CLoadList& b)
{
    if (a.m_nCount != b.m_nCount || a.m_strHeader != b.m_strHeader)
        return false;
    const std::vector<CLoad*> first = a.Loads(), second = b.Loads();
    for (size_t i = 0; i < first.size(); ++i)
    {
        const CLoad& x = *first[i];
        const CLoad& y = *second[i];
        if (x.m_strName != y.m_strName || !SameBits(x.m_dWeight, y.m_dWeight) ||
            !SameBits(x.m_dX1, y.m_dX1) || !SameBits(x.m_dX2, y.m_dX2) || !SameBits(x.m_dXgRel, y.m_dXgRel) ||
            !SameBits(x.m_dYg, y.m_dYg) || !SameBits(x.m_dZg, y.m_dZg) || !SameBits(x.m_dY1, y.m_dY1) ||
            !SameBits(x.m_dY2, y.m_dY2))
            return false;
    }
    return true;
}
} // namespace fuzzcheck
