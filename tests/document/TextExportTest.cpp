// The load table and the resultant tables, byte for byte against the expected files.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <random>
#include <string>

#include "LiteralExports.h"
#include "TestSupport.h"
#include "document/File.h"
#include "model/LoadList.h"

using namespace testsupport;

namespace
{
class TextExport : public ::testing::Test
{
protected:
    void Open(CLoadList& list, const std::string& strCase, const std::string& strName)
    {
        CFile file(DataPath(strCase, strName), CFile::modeRead);
        list.ReadFrom(file);
        list.RebuildAbscissae();
    }
    std::string LoadTable(CLoadList& list)
    {
        return Written([&](CFile& file) { list.ExportLoadTable(file); });
    }
    std::string Resultant(CLoadList& list, char chSeparator)
    {
        return Written([&](CFile& file) { list.ExportResultantTable(file, chSeparator); });
    }
    template <class TWrite> std::string Written(TWrite write)
    {
        const std::string strPath = m_dir.Path("out.txt");
        CFile file(strPath, CFile::modeCreateWrite);
        write(file);
        file.Close();
        return ReadBytes(strPath);
    }

    CScratchDir m_dir;
};
} // namespace

TEST_F(TextExport, RectangleGivesItsFourRows)
{
    CLoadList list;
    Open(list, "rectangle", "rectangle.p3d");
    EXPECT_TRUE(SameAsFile(LoadTable(list), "rectangle", "loads.txt"));
    EXPECT_TRUE(SameAsFile(Resultant(list, '\t'), "rectangle", "resultant.txt"));
    EXPECT_TRUE(SameAsFile(Resultant(list, ','), "rectangle", "resultant.csv"));
}

TEST_F(TextExport, EmptyDocument)
{
    CLoadList list;
    Open(list, "empty", "empty.p3d");
    EXPECT_TRUE(SameAsFile(LoadTable(list), "empty", "loads.txt"));
    EXPECT_TRUE(SameAsFile(Resultant(list, '\t'), "empty", "resultant.txt"));
    EXPECT_TRUE(SameAsFile(Resultant(list, ','), "empty", "resultant.csv"));

    // A new document has no title: the file starts with an empty line.
    CLoadList fresh;
    EXPECT_EQ(Resultant(fresh, ','),
              "\r\nDati risultante tabulati con punti di discontinuit\xE0\r\nX[m],P[t/m]\r\n");
}

TEST_F(TextExport, LoadTableNormalisesAndUsesExponentForm)
{
    CLoadList list;
    CFile file(DataPath("load-table", "estimate.p3d"), CFile::modeRead);
    list.ReadFrom(file);
    // Edited after reading, as the loads list does: the line follows the load as it now is.
    list.GoTo(1);
    list.m_pCurrent->m_dX1 = 16;
    list.m_pCurrent->m_dX2 = 10;
    list.m_pCurrent->m_dY1 = 999;
    EXPECT_TRUE(SameAsFile(LoadTable(list), "load-table", "loads.txt"));
}

TEST_F(TextExport, ResultantFollowsLoadsEditedSinceTheLastRedraw)
{
    CLoadList list;
    Open(list, "rectangle", "rectangle.p3d");
    // The rectangle moved by hand to 20..30 after the abscissae were built for 0..10.
    list.m_pCurrent->m_dX1 = 20;
    list.m_pCurrent->m_dX2 = 30;
    const std::string strTable = Resultant(list, ',');
    EXPECT_NE(strTable.find("20,0\r\n20,1\r\n30,1\r\n30,0\r\n"), std::string::npos) << strTable;
    EXPECT_EQ(strTable.find("\r\n10,"), std::string::npos) << strTable;
}

TEST_F(TextExport, FastTableEqualsTheLiteralOne)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<double> position(-20, 180), length(0.1, 40), weight(-5, 80), unit(0, 1);
    CLoadList list;
    for (int i = 0; i < 400; ++i)
    {
        const double x1 = i % 9 == 0 ? std::floor(position(random)) : position(random);
        const double x2 = i % 5 == 0 ? x1 + std::floor(length(random)) : x1 + length(random);
        list.Append("L" + std::to_string(i), unit(random) * (x2 - x1), x1, x2,
                    i % 13 == 0 ? 0 : weight(random));
    }
    for (char chSeparator : {'\t', ','})
    {
        const std::string strFast = Resultant(list, chSeparator);
        const std::string strLiteral =
            Written([&](CFile& file) { CLiteralExports::ResultantTable(list, file, chSeparator); });
        EXPECT_GT(strFast.size(), 20000u);
        EXPECT_TRUE(SameBytes(strFast, strLiteral));
    }
}
