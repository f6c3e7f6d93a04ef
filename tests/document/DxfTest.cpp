// The DXF writer and both drawings: byte for byte against the expected files, the fast drawings
// against the literal ones, and every drawing read back by ezdxf.
#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <string>

#include "LiteralExports.h"
#include "TestSupport.h"
#include "document/DxfFile.h"
#include "model/LoadList.h"
#include "model/NumberFormat.h"
#include "view/Vector3.h"

using namespace testsupport;

namespace
{
class Dxf : public ::testing::Test
{
protected:
    // Writes a drawing, has ezdxf read it back, and returns its bytes.
    template <class TDraw> std::string Drawn(const std::string& strName, TDraw draw)
    {
        const std::string strBytes = Written<CDxfFile>(m_dir.Path(strName), draw);
        EXPECT_TRUE(DxfReadsBack(m_dir.Path(strName)));
        return strBytes;
    }
    std::string Resultant(CLoadList& list, const std::string& strName)
    {
        return Drawn(strName, [&](CDxfFile& file) { list.ExportResultantDxf(file); });
    }
    std::string Detailed(CLoadList& list, const std::string& strName)
    {
        return Drawn(strName, [&](CDxfFile& file) { list.ExportDetailedDxf(file); });
    }

    CScratchDir m_dir;
};
} // namespace

TEST_F(Dxf, WriterEntities)
{
    const std::string strEmpty = Drawn("empty.dxf", [](CDxfFile& file) {
        file.Write(std::string("stale bytes that the header must remove"));
        file.WriteHeader();
        file.WriteFooter();
    });
    EXPECT_TRUE(SameAsFile(strEmpty, "empty", "drawing.dxf"));

    const std::string strDrawing = Drawn("entities.dxf", [](CDxfFile& file) {
        file.WriteHeader();
        file.WriteLine(CVector3(0, 1.5, 0), CVector3(2, -0.25, 0));
        file.WriteLine(CVector3(1e20, 0), CVector3(-3, 0), 3);
        file.WriteText("ABC", CVector3(12, 0, 0), 0.25, 2);
        file.WriteText("due\r\nrighe\n", CVector3(0, 0), 1, 7);
        file.WriteFooter();
    });
    for (const char* pszEntity : {"  0\r\nLINE\r\n  8\r\nDEFAULT\r\n  10\r\n0.00000000\r\n  "
                                  "20\r\n1.50000000\r\n  30\r\n0.00000000\r\n  "
                                  "11\r\n2.00000000\r\n  21\r\n-0.25000000\r\n  31\r\n0.00000000\r\n  0\r\n",
                                  "DEFAULT\r\n  62\r\n3\r\n  10\r\n100000000000000000000.00000000\r\n",
                                  " 0\r\nTEXT\r\n 8\r\nDEFAULT\r\n 6\r\nCONTINUOUS\r\n  "
                                  "62\r\n2\r\n100\r\nAcDbText\r\n 10\r\n12.00000000\r\n "
                                  "20\r\n0.00000000\r\n 30\r\n0.00000000\r\n 40\r\n0.25000000\r\n "
                                  "1\r\nABC\r\n 7\r\nSTANDARD\r\n100\r\n"
                                  "AcDbText\r\n",
                                  " 1\r\ndue  righe \r\n 7\r\n"})
        EXPECT_NE(strDrawing.find(pszEntity), std::string::npos) << pszEntity;
    EXPECT_EQ(strDrawing.substr(strDrawing.size() - 5), "\r\nEOF");
}

TEST_F(Dxf, CoordinatesAreWrittenAsPrintfWritesThem)
{
    std::mt19937_64 random(3);
    std::uniform_real_distribution<double> exponent(-12, 25), mantissa(-1, 1);
    std::vector<double> values = {-0.0,  5e-9, -1e-10,   123456789.123456789, 1e299,   -1e300,
                                  1e308, NAN,  INFINITY, -INFINITY,           4.9e-324};
    for (int i = 0; i < 2000; ++i)
        values.push_back(mantissa(random) * std::pow(10.0, exponent(random)));
    for (double dValue : values)
    {
        std::string strEntity;
        CDxfFile::AppendLine(strEntity, CVector3(dValue, 0), CVector3(0, 0));
        const size_t nStart = strEntity.find("  10\r\n") + 6;
        EXPECT_EQ(strEntity.substr(nStart, strEntity.find('\r', nStart) - nStart),
                  CNumberFormat::Format("%.8f", dValue));
    }
}

TEST_F(Dxf, ExpectedDrawings)
{
    for (const std::string strCase : {"rectangle", "overlap", "empty"})
    {
        CLoadList list;
        Open(list, DataPath(strCase, strCase + ".p3d"));
        const bool bEmpty = strCase == "empty";
        EXPECT_TRUE(SameAsFile(Resultant(list, strCase + "-r.dxf"), strCase,
                               bEmpty ? "drawing.dxf" : "resultant.dxf"));
        EXPECT_TRUE(
            SameAsFile(Detailed(list, strCase + "-d.dxf"), strCase, bEmpty ? "drawing.dxf" : "detailed.dxf"));
    }
}

TEST_F(Dxf, DrawingsFollowLoadsEditedSinceTheLastRedraw)
{
    for (const bool bDetailed : {false, true})
    {
        CLoadList list;
        Open(list, DataPath("rectangle", "rectangle.p3d"));
        list.m_pCurrent->m_dX1 = 40;
        list.m_pCurrent->m_dX2 = 50;
        const auto draw = [&](const std::string& strName) {
            return bDetailed ? Detailed(list, strName) : Resultant(list, strName);
        };
        const std::string strDrawing = draw("stale.dxf");
        list.RebuildAbscissae();
        EXPECT_EQ(strDrawing, draw("rebuilt.dxf"));
        EXPECT_NE(strDrawing.find("  11\r\n50.00000000"), std::string::npos);
    }
}

TEST_F(Dxf, BandWalkEndsWithTheAbscissae)
{
    // At 1e12 m, x + 1e-6 == x: the band's top never drops to its bottom after the last
    // abscissa, and the walk must stop there instead of going round for ever.
    CLoadList list;
    list.Append("lontano\r\nmolto", 400, 1e12, 1e12 + 1000, 1000);
    list.Append("vuoto", 0.5, 1e12 + 200, 1e12 + 300, 0);
    const std::string strDrawing = Detailed(list, "far.dxf");
    EXPECT_NE(strDrawing.find(" 1\r\n1 - lontano  molto\r\n"), std::string::npos);
    EXPECT_NE(strDrawing.find(" 1\r\n2 - vuoto\r\n"), std::string::npos)
        << "a load of no weight keeps its legend";
    EXPECT_TRUE(SameBytes(strDrawing, Written<CDxfFile>(m_dir.Path("far-literal.dxf"), [&](CDxfFile& file) {
                              CLiteralExports::DetailedDxf(list, file);
                          })));
}

TEST_F(Dxf, FastDrawingsEqualTheLiteralOnes)
{
    CLoadList list;
    RandomEstimate(list, 150, 11);
    const std::string strDetailed = Detailed(list, "d.dxf");
    EXPECT_NE(strDetailed.find("  62\r\n150\r\n"), std::string::npos) << "every load has its band";
    EXPECT_TRUE(SameBytes(Resultant(list, "r.dxf"),
                          Written<CDxfFile>(m_dir.Path("r-literal.dxf"), [&](CDxfFile& file) {
                              CLiteralExports::ResultantDxf(list, file);
                          })));
    EXPECT_TRUE(SameBytes(strDetailed, Written<CDxfFile>(m_dir.Path("d-literal.dxf"), [&](CDxfFile& file) {
                              CLiteralExports::DetailedDxf(list, file);
                          })));
}
