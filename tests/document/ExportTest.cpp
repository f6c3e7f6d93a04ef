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
    for (const auto& [strName, fast, literal] : exports)
    {
        CLoadList list;
        RandomEstimate(list, 200, 7);
        list.RebuildAbscissae();
        // Added after the last rebuild: the export must rebuild the abscissae itself.
        list.Append("aggiunto", 3, 160, 171.5, 40);
        const bool bDxf = strName.find(".dxf") != std::string::npos;
        const std::string strFast = Written<CDxfFile>(dir.Path(strName), [&](CDxfFile& file) {
            if (bDxf)
                file.Write(std::string("stale bytes that the drawing's header removes"));
            fast(list, file);
        });
        EXPECT_GT(strFast.size(), 10000u) << strName;
        EXPECT_TRUE(SameBytes(
            strFast, Written<CDxfFile>(dir.Path("literal"), [&](CDxfFile& file) { literal(list, file); })))
            << strName;
        if (bDxf)
        {
            EXPECT_TRUE(DxfReadsBack(dir.Path(strName)));
        }
    }
}

TEST(Exports, BandWalkEndsWithTheAbscissae)
{
    // At 1e12 m, x + 1e-6 == x: the band's top never drops to its bottom after the last abscissa.
    CScratchDir dir;
    CLoadList list;
    list.Append("lontano\r\nmolto", 400, 1e12, 1e12 + 1000, 1000);
    list.Append("vuoto", 0.5, 1e12 + 200, 1e12 + 300, 0);
    const std::string strDrawing =
        Written<CDxfFile>(dir.Path("far.dxf"), [&](CDxfFile& file) { list.ExportDetailedDxf(file); });
    EXPECT_TRUE(DxfReadsBack(dir.Path("far.dxf")));
    EXPECT_NE(strDrawing.find(" 1\r\n1 - lontano  molto\r\n"), std::string::npos)
        << "line ends become spaces";
    EXPECT_NE(strDrawing.find(" 1\r\n2 - vuoto\r\n"), std::string::npos)
        << "a load of no weight keeps its legend";
    EXPECT_TRUE(SameBytes(strDrawing, Written<CDxfFile>(dir.Path("literal.dxf"), [&](CDxfFile& file) {
                              CLiteralExports::DetailedDxf(list, file);
                          })));
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
