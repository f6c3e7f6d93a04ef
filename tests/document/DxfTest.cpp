// The DXF writer and both drawings: byte for byte against the expected files, the fast drawing
// against the literal one, and every drawing read back by ezdxf.
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
    void Open(CLoadList& list, const std::string& strCase, const std::string& strName)
    {
        CFile file(DataPath(strCase, strName), CFile::modeRead);
        list.ReadFrom(file);
        list.RebuildAbscissae();
    }
    // Writes a drawing, has ezdxf read it, and returns its bytes.
    template <class TDraw> std::string Drawn(const std::string& strName, int nLines, int nTexts, TDraw draw)
    {
        const std::string strPath = m_dir.Path(strName);
        CDxfFile file;
        file.Open(strPath, CFile::modeCreateWrite);
        draw(file);
        file.Close();
        EXPECT_TRUE(DxfReadsAs(strPath, nLines, nTexts));
        return ReadBytes(strPath);
    }

    CScratchDir m_dir;
};

void RandomEstimate(CLoadList& list, int nLoads, unsigned nSeed)
{
    std::mt19937 random(nSeed);
    std::uniform_real_distribution<double> position(0, 120), length(0.5, 30), weight(-10, 60), unit(0, 1);
    for (int i = 0; i < nLoads; ++i)
    {
        // Whole metres make loads share ends, and some loads weigh nothing.
        const double x1 = i % 3 == 0 ? std::floor(position(random)) : position(random);
        const double x2 = i % 4 == 0 ? std::floor(x1 + length(random)) : x1 + length(random);
        const double dWeight = i % 17 == 0 ? 0 : weight(random);
        list.Append("carico " + std::to_string(i + 1), unit(random) * (x2 - x1), x1, x2, dWeight);
    }
}
} // namespace

TEST_F(Dxf, WriterEntities)
{
    const std::string strEmpty = Drawn("empty.dxf", 0, 0, [](CDxfFile& file) {
        file.Write(std::string("stale bytes that the header must remove"));
        file.WriteHeader();
        file.WriteFooter();
    });
    EXPECT_TRUE(SameAsFile(strEmpty, "empty", "drawing.dxf"));

    const std::string strLine = Drawn("line.dxf", 2, 0, [](CDxfFile& file) {
        file.WriteHeader();
        file.WriteLine(CVector3(0, 1.5, 0), CVector3(2, -0.25, 0));
        file.WriteLine(CVector3(1e20, 0), CVector3(-3, 0), 3);
        file.WriteFooter();
    });
    EXPECT_NE(strLine.find(
                  "  0\r\nLINE\r\n  8\r\nDEFAULT\r\n  10\r\n0.00000000\r\n  20\r\n1.50000000\r\n  30\r\n0."
                  "00000000\r\n  11\r\n2.00000000\r\n  21\r\n-0.25000000\r\n  31\r\n0.00000000\r\n  0\r\n"),
              std::string::npos);
    EXPECT_NE(strLine.find("DEFAULT\r\n  62\r\n3\r\n  10\r\n100000000000000000000.00000000\r\n"),
              std::string::npos);

    const std::string strText = Drawn("text.dxf", 0, 2, [](CDxfFile& file) {
        file.WriteHeader();
        file.WriteText("ABC", CVector3(12, 0, 0), 0.25, 2);
        file.WriteText("due\r\nrighe\n", CVector3(0, 0), 1, 7);
        file.WriteFooter();
    });
    EXPECT_NE(
        strText.find(
            " 0\r\nTEXT\r\n 8\r\nDEFAULT\r\n 6\r\nCONTINUOUS\r\n  62\r\n2\r\n100\r\nAcDbText\r\n 10\r\n12."
            "00000000\r\n 20\r\n0.00000000\r\n 30\r\n0.00000000\r\n 40\r\n0.25000000\r\n 1\r\nABC\r\n "
            "7\r\nSTANDARD\r\n100\r\nAcDbText\r\n"),
        std::string::npos);
    EXPECT_NE(strText.find(" 1\r\ndue  righe \r\n 7\r\n"), std::string::npos) << "line breaks become spaces";
    EXPECT_EQ(strText.substr(strText.size() - 5), "\r\nEOF");
}

TEST_F(Dxf, NumbersAreWrittenAsPrintfWritesThem)
{
    std::mt19937_64 random(3);
    std::vector<double> values = {
        0.0,   -0.0,   -1e-10, 5e-9,         0.125,     -2.5,       1e20,    -1e20, 123456789.123456789,
        1e299, -1e300, 1e308,  std::nan(""), 1.0 / 0.0, -1.0 / 0.0, 4.9e-324};
    std::uniform_real_distribution<double> exponent(-12, 25), mantissa(-1, 1);
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

TEST_F(Dxf, RectangleDrawings)
{
    CLoadList list;
    Open(list, "rectangle", "rectangle.p3d");
    EXPECT_TRUE(SameAsFile(Drawn("r.dxf", 3, 0, [&](CDxfFile& file) { list.ExportResultantDxf(file); }),
                           "rectangle", "resultant.dxf"));
    EXPECT_TRUE(SameAsFile(Drawn("d.dxf", 3, 2, [&](CDxfFile& file) { list.ExportDetailedDxf(file); }),
                           "rectangle", "detailed.dxf"));
}

TEST_F(Dxf, OverlappingLoadsAndTheCutBand)
{
    CLoadList list;
    Open(list, "overlap", "overlap.p3d");
    EXPECT_TRUE(SameAsFile(Drawn("r.dxf", 7, 0, [&](CDxfFile& file) { list.ExportResultantDxf(file); }),
                           "overlap", "resultant.dxf"));
    EXPECT_TRUE(SameAsFile(Drawn("d.dxf", 10, 5, [&](CDxfFile& file) { list.ExportDetailedDxf(file); }),
                           "overlap", "detailed.dxf"));
}

TEST_F(Dxf, EmptyDocumentGivesAnEmptyDrawing)
{
    CLoadList list;
    Open(list, "empty", "empty.p3d");
    EXPECT_TRUE(SameAsFile(Drawn("r.dxf", 0, 0, [&](CDxfFile& file) { list.ExportResultantDxf(file); }),
                           "empty", "drawing.dxf"));
    EXPECT_TRUE(SameAsFile(Drawn("d.dxf", 0, 0, [&](CDxfFile& file) { list.ExportDetailedDxf(file); }),
                           "empty", "drawing.dxf"));
}

TEST_F(Dxf, DrawingsFollowLoadsEditedSinceTheLastRedraw)
{
    CLoadList list, moved;
    Open(list, "rectangle", "rectangle.p3d");
    moved.Append("A", 5, 0, 10, 10);
    moved.m_pCurrent->m_dZg = 2;
    // The rectangle's abscissae are built, then the load is moved to where the other list has it.
    list.m_pCurrent->m_dX1 = 0;
    list.m_pCurrent->m_dX2 = 10;
    list.RebuildAbscissae();
    list.m_pCurrent->m_dX1 = 40;
    list.m_pCurrent->m_dX2 = 50;
    moved.m_pCurrent->m_dX1 = 40;
    moved.m_pCurrent->m_dX2 = 50;
    EXPECT_EQ(Drawn("a.dxf", 3, 0, [&](CDxfFile& file) { list.ExportResultantDxf(file); }),
              Drawn("b.dxf", 3, 0, [&](CDxfFile& file) { moved.ExportResultantDxf(file); }));
    list.m_pCurrent->m_dX2 = 60;
    moved.m_pCurrent->m_dX2 = 60;
    const std::string strDetailed =
        Drawn("c.dxf", 3, 2, [&](CDxfFile& file) { list.ExportDetailedDxf(file); });
    EXPECT_EQ(strDetailed, Drawn("d.dxf", 3, 2, [&](CDxfFile& file) { moved.ExportDetailedDxf(file); }));
    EXPECT_NE(strDetailed.find("  11\r\n60.00000000"), std::string::npos);
}

TEST_F(Dxf, BandWalkEndsWithTheAbscissae)
{
    // At 1e12 m, x + 1e-6 == x: the band's top never drops to its bottom after the last
    // abscissa, and the walk must stop there instead of going round for ever.
    CLoadList list;
    list.Append("lontano\r\nmolto", 400, 1e12, 1e12 + 1000, 1000);
    list.Append("vuoto", 0.5, 1e12 + 200, 1e12 + 300, 0);
    const std::string strDrawing =
        Drawn("far.dxf", 8, 3, [&](CDxfFile& file) { list.ExportDetailedDxf(file); });
    EXPECT_NE(strDrawing.find(" 1\r\n1 - lontano  molto\r\n"), std::string::npos);
    EXPECT_NE(strDrawing.find(" 1\r\n2 - vuoto\r\n"), std::string::npos)
        << "a load of no weight keeps its legend";
    EXPECT_TRUE(SameBytes(strDrawing, Drawn("far-literal.dxf", 8, 3, [&](CDxfFile& file) {
                              CLiteralExports::DetailedDxf(list, file);
                          })));
}

TEST_F(Dxf, FastDrawingsEqualTheLiteralOnes)
{
    CLoadList list;
    RandomEstimate(list, 300, 11);
    list.RebuildAbscissae();
    const int nAbscissae = list.m_abscissae.m_nCount;
    const std::string strResultant =
        Drawn("r.dxf", 2 * nAbscissae - 1, 0, [&](CDxfFile& file) { list.ExportResultantDxf(file); });
    EXPECT_TRUE(SameBytes(strResultant, Drawn("r-literal.dxf", 2 * nAbscissae - 1, 0, [&](CDxfFile& file) {
                              CLiteralExports::ResultantDxf(list, file);
                          })));

    const std::string strPath = m_dir.Path("d.dxf");
    CDxfFile file;
    file.Open(strPath, CFile::modeCreateWrite);
    list.ExportDetailedDxf(file);
    file.Close();
    const std::string strFast = ReadBytes(strPath);
    file.Open(m_dir.Path("d-literal.dxf"), CFile::modeCreateWrite);
    CLiteralExports::DetailedDxf(list, file);
    file.Close();
    EXPECT_TRUE(SameBytes(strFast, ReadBytes(m_dir.Path("d-literal.dxf"))));

    // Colours run from 1 to 300; the texts are the 300 legend lines and one label per piece.
    EXPECT_NE(strFast.find("  62\r\n300\r\n"), std::string::npos);
    size_t nTexts = 0, nLines = 0;
    for (size_t n = strFast.find("\nTEXT\r"); n != std::string::npos; n = strFast.find("\nTEXT\r", n + 1))
        ++nTexts;
    for (size_t n = strFast.find("\nLINE\r"); n != std::string::npos; n = strFast.find("\nLINE\r", n + 1))
        ++nLines;
    EXPECT_GT(nTexts, 300u);
    EXPECT_TRUE(DxfReadsAs(strPath, static_cast<int>(nLines), static_cast<int>(nTexts)));
}
