// What the fuzz targets share: a check that stops the run on a broken rule, and loads compared
// bit for bit.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <cmath>
#include <cstdint>
#include <string>

#include "document/File.h"
#include "document/FileException.h"
#include "fuzz/ScratchFile.h"
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

// The rules of a weight-file reader on any input: a file it refuses leaves the list as it was;
// one it accepts names the list, holds normalised loads whose ordinates are numbers (each checked
// further by checkLoad), and saves as ".p3d" and reads back to the same loads, bit for bit.
template <class TCheckLoad>
int CheckReader(const std::uint8_t* pData, std::size_t nSize, const char* pszName,
                void (CLoadList::*pRead)(CFile&), TCheckLoad checkLoad)
{
    CLoadList list;
    list.Append("before", 1, 0, 2, 3);
    CFile file;
    file.OpenBytes(pszName, std::string(reinterpret_cast<const char*>(pData), nSize));
    try
    {
        (list.*pRead)(file);
    }
    catch (const CFileException&)
    {
        Check(list.m_nCount == 1 && list.m_pCurrent->m_strName == "before", "a refused file changes nothing");
        return 0;
    }
    Check(list.m_strFileName == pszName, "the list takes the file's name");
    for (const CLoad* pLoad : list.Loads())
    {
        Check(pLoad->m_dX1 < pLoad->m_dX2, "a load read is normalised");
        Check(!std::isnan(pLoad->m_dY1) && !std::isnan(pLoad->m_dY2),
              "finite values give ordinates that are numbers");
        checkLoad(*pLoad);
    }

    const std::string& strPath = CScratchFile::Path();
    CFile out(strPath, CFile::modeCreateWrite);
    list.WriteTo(out);
    out.Close();
    CLoadList again;
    CFile in(strPath, CFile::modeRead);
    again.ReadFrom(in);
    Check(SameLoads(list, again), "a saved file reads back to the same loads");
    return 0;
}
} // namespace fuzzcheck
