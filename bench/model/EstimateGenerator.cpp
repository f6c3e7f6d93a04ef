// Random but plausible weight estimates for the benchmarks.
#include "bench/model/EstimateGenerator.h"

#include <random>

#include "document/File.h"
#include "model/LoadList.h"

void CEstimateGenerator::Fill(CLoadList& list, int nCount, double dLength, unsigned nSeed)
{
    std::mt19937 random(nSeed);
    std::uniform_real_distribution<double> start(0, dLength), fraction(0, 1);
    for (int i = 0; i < nCount; ++i)
    {
        const double dX1 = start(random);
        const double dSpan = 0.5 + fraction(random) * fraction(random) * dLength * 0.3;
        const double dX2 = dX1 + dSpan < dLength ? dX1 + dSpan : dLength;
        const double dWeight = i % 25 == 0 ? -2 - 10 * fraction(random) : 1 + 80 * fraction(random);
        list.Append("carico " + std::to_string(i + 1), fraction(random) * (dX2 - dX1), dX1, dX2, dWeight);
        list.m_pCurrent->m_dYg = fraction(random) * 4 - 2;
        list.m_pCurrent->m_dZg = fraction(random) * 12;
    }
}

void CEstimateGenerator::Save(const std::string& strPath, int nCount, double dLength, unsigned nSeed)
{
    CLoadList list;
    Fill(list, nCount, dLength, nSeed);
    CFile file(strPath, CFile::modeCreateWrite);
    list.WriteTo(file);
    file.Close();
}
