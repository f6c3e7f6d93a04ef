// The exports: fast against literal on random estimates, huge abscissae, edited loads.
#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "LiteralExports.h"
#include "TestSupport.h"
#include "document/DxfFile.h"
#include "model/LoadList.h"

using namespace testsupport;

namespace
{
using FExport = void (*)(CLoadList&, CDxfFile&);

// Loads at random places, some sharing ends on whole metres, some of no weight.
void RandomEstimate(CLoadList& list, int nLoads, unsigned nSeed)
{
    std::mt19937 random(nSeed);
    std::uniform_real_distribution<double> position(-20, 150), length(0.1, 40), weight(-10, 80), unit(0, 1);
    for (int i = 0; i < nLoads; ++i)
    {
        const double x1 = i % 3 == 0 ? std::floor(position(random)) : position(random);
        const double x2 = i % 4 == 0 ? std::floor(x1 + length(random)) : x1 + length(random);
        list.Append("carico " + std::to_string(i + 1), unit(random) * (x2 - x1), x1, x2,
                    i % 13 == 0 ? 0 : weight(random));
    }
}
} // namespace

// A random estimate, and two loads at 1e12 m, where x + 1e-6 == x and the band walk must end with
// the abscissae; loads added after the last rebuild, which the export must make again. Loads of no
// weight keep their legends as the literal drawing's.
TEST(Exports, FastOnesEqualTheLiteralOnesOnStaleAbscissae)
{
    CScratchDir dir;
    const std::vector<std::tuple<std::string, FExport, FExport>> exports = {
        {"resultant.csv", [](CLoadList& list, CDxfFile& file) { list.ExportResultantTable(file, ','); },
         [](CLoadList& list, CDxfFile& file) { CLiteralExports::ResultantTable(list, file, ','); }},
        {"resultant.dxf", [](CLoadList& list, CDxfFile& file) { list.ExportResultantDxf(file); },
         CLiteralExports::ResultantDxf},
        {"detailed.dxf", [](CLoadList& list, CDxfFile& file) { list.ExportDetailedDxf(file); },
         CLiteralExports::DetailedDxf},
    };
    for (const bool bFar : {false, true})
    {
        for (const auto& [strName, fast, literal] : exports)
        {
            CLoadList list;
            RandomEstimate(list, bFar ? 0 : 200, 7);
            list.RebuildAbscissae();
            list.Append(bFar ? "lontano\r\nmolto" : "aggiunto", 3, 160 + 1e12 * bFar, 171.5 + 1e12 * bFar,
                        40);
            list.Append("vuoto", 0.5, 165 + 1e12 * bFar, 170 + 1e12 * bFar, 0);
            const bool bDxf = strName.find(".dxf") != std::string::npos;
            const std::string strFast = Written<CDxfFile>(dir.Path(strName), [&](CDxfFile& file) {
                if (bDxf)
                    file.Write(std::string("stale bytes that the drawing's header removes"));
                fast(list, file);
            });
            EXPECT_TRUE(SameBytes(strFast, Written<CDxfFile>(dir.Path("literal"),
                                                             [&](CDxfFile& file) { literal(list, file); })))
                << strName << (bFar ? " far" : "");
            if (bDxf)
            {
                EXPECT_TRUE(DxfReadsBack(dir.Path(strName)));
            }
            if (bFar && strName == "detailed.dxf")
            {
                EXPECT_NE(strFast.find(" 1\r\n1 - lontano  molto\r\n"), std::string::npos)
                    << "line ends become spaces";
            }
        }
    }
}

TEST(Exports, LoadTableShowsLoadsAsTheyNowStand)
{
    CScratchDir dir;
    CLoadList list;
    Open(list, DataPath("load-table/estimate.p3d"));
    list.GoTo(1);
    list.m_pCurrent->m_dX1 = 16;
    list.m_pCurrent->m_dX2 = 10;
    list.m_pCurrent->m_dY1 = 999;
    EXPECT_TRUE(SameAsFile(Written(dir.Path("loads.txt"), [&](CFile& file) { list.ExportLoadTable(file); }),
                           "load-table/loads.txt"));
}
