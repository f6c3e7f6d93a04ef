// Random but plausible weight estimates for the benchmarks.
#include "bench/model/EstimateGenerator.h"

#include <cmath>
#include <random>

#include "document/File.h"
#include "model/HullGirder.h"
#include "model/HullTable.h"
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

void CEstimateGenerator::AddGroupCodes(CLoadList& list, unsigned nSeed)
{
    std::mt19937 random(nSeed);
    for (CLoad* pLoad : list.Loads())
    {
        const std::string strDigits = std::to_string(100 + random() % 900) + std::to_string(random() % 1000);
        const unsigned nKind = random() % 20;
        std::string strCode = strDigits.substr(0, 1 + random() % 6);
        if (nKind == 0)
            strCode = "Voce";
        else if (nKind < 5 && strCode.size() >= 3)
            strCode = strCode.substr(0, 1) + "." + strCode.substr(1, 1) + "." + strCode.substr(2);
        pLoad->m_strName = strCode + " " + pLoad->m_strName;
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

CHullTable CEstimateGenerator::Hull(double dLength, int nStations, int nDrafts, double dWeight)
{
    CHullTable hull;
    for (int j = 0; j < nDrafts; ++j)
        hull.m_drafts.push_back(j);
    for (int i = 0; i < nStations; ++i)
    {
        const double x = dLength * i / (nStations - 1);
        hull.m_stations.push_back(x);
        const double dShape = 0.1 + std::pow(std::sin(M_PI * x / dLength), 0.5);
        for (int j = 0; j < nDrafts; ++j)
            hull.m_areas.push_back(dShape * j * (1 + 0.02 * j));
    }
    const double dHalf = CHullGirder(hull).Buoyancy(nDrafts / 2, nDrafts / 2).dDisplacement;
    const double dScale = dWeight / dHalf;
    for (double& dArea : hull.m_areas)
        dArea *= dScale;
    return hull;
}
