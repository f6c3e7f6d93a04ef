// Pasted tables: the cell reader, the grid the paste fills, and the loads made from its rows.
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "dialogs/CellReader.h"
#include "dialogs/ClipboardTable.h"
#include "dialogs/LoadTableImport.h"
#include "model/LoadList.h"

namespace
{
using CStrings = std::vector<std::string>;

CStrings Cells(const std::string& strText, int nCount)
{
    CCellReader reader;
    reader.Attach(strText);
    reader.Reset();
    CStrings cells(static_cast<size_t>(nCount));
    for (std::string& strCell : cells)
        reader.NextCell(strCell);
    return cells;
}
} // namespace

TEST(CellReader, CellsNumbersAndCounts)
{
    EXPECT_EQ(Cells("a\tb\r\nc\t\td", 6), (CStrings{"a", "b", "c", "", "d", ""}));
    // CR-only line ends lose the first character of every following row; LF-only ones join the
    // last cell of a row to the first of the next.
    EXPECT_EQ(Cells("ab\tc\rde\tf\rgh", 5), (CStrings{"ab", "c", "e", "f", "h"}));
    EXPECT_EQ(Cells("a\tb\nc\td", 3), (CStrings{"a", "b\nc", "d"}));

    CCellReader reader;
    const std::string strText = "x\t12,5\t 2.5e1kg\tabc\t\r\nd\te";
    reader.Attach(strText);
    EXPECT_EQ(reader.CountLines(), 2);
    EXPECT_EQ(reader.CountColumns(), 5);
    std::string strCell;
    EXPECT_EQ(reader.NextCell(strCell), 0) << "counting columns stops on the first CR";
    reader.NextCell(strCell);
    EXPECT_EQ(strCell, "d");
    EXPECT_EQ(reader.Reset(), static_cast<int>(strText.size()));
    reader.NextCell(strCell);
    double dValue = -1;
    EXPECT_EQ(reader.NextNumber(dValue), 4);
    EXPECT_EQ(dValue, 12) << "a decimal comma cuts the number";
    reader.NextNumber(dValue);
    EXPECT_EQ(dValue, 25);
    reader.NextNumber(dValue);
    EXPECT_EQ(dValue, 0);
    dValue = -1;
    EXPECT_EQ(reader.NextNumber(dValue), 0);
    EXPECT_EQ(dValue, 0) << "an empty cell";

    const std::string strEmpty;
    reader.Attach(strEmpty);
    EXPECT_EQ(reader.CountLines(), -1);
    EXPECT_EQ(reader.CountColumns(), -1);
}

TEST(ClipboardTable, PasteFillsTheGridAndHandsBackTheDataRows)
{
    CClipboardTable table;
    const std::string strRows = "A\t10\t0\t5\t2\t0\t3\r\nB\t4\t5\t7\t1\t0\t1\r\n";
    ASSERT_TRUE(table.Paste(strRows));
    EXPECT_EQ(table.m_grid.GetRows(), 4);
    EXPECT_EQ(table.m_grid.GetCols(), 7);
    EXPECT_EQ(table.m_grid.GetTextMatrix(0, 5), "yg[m]") << "the header row is not touched";
    EXPECT_EQ(table.m_grid.GetTextMatrix(2, 0), "B");
    EXPECT_EQ(table.m_strTable, strRows + "\t\t\t\t\t\t") << "the trailing CR LF makes an empty row";

    // Refused: six or eight cells, LF-only rows, nothing; the grid and the table stay.
    for (const std::string strBad :
         {"a\tb\tc\td\te\tf\r\n", "a\tb\tc\td\te\tf\tg\th", "a\t1\t2\t3\t4\t5\t6\nb\t1\t2\t3\t4\t5\t6\n", ""})
    {
        EXPECT_FALSE(table.Paste(strBad));
        EXPECT_EQ(table.m_grid.GetRows(), 4);
        EXPECT_EQ(table.m_strTable, strRows + "\t\t\t\t\t\t");
    }
    EXPECT_EQ(std::string(CClipboardTable::kBadFormat),
              "Formato appunti non valido \n oppure numero di colonne diverso da 7");

    // Every row costs the grid seven cells: a million line ends is no estimate's table.
    const std::string strRow = "A\t1\t2\t3\t4\t5\t6\r\n";
    EXPECT_FALSE(table.Paste(strRow + std::string(CClipboardTable::kMaxRows - 1, '\r')));
    EXPECT_EQ(table.m_grid.GetRows(), 4);
    ASSERT_TRUE(table.Paste(strRow + std::string(CClipboardTable::kMaxRows - 2, '\r')));
    EXPECT_EQ(table.m_grid.GetRows(), CClipboardTable::kMaxRows + 1);
}

TEST(ClipboardTable, CommasBecomePointsOutsideTheNames)
{
    CClipboardTable table;
    ASSERT_TRUE(table.Paste("12,5\t12,5\t1\t2\t3\t4\t5,0"));
    table.ConvertCommas();
    EXPECT_EQ(table.m_strTable, "12,5\t12,5\t1\t2\t3\t4\t5,0") << "the table stays as it was pasted";
    std::string strAll;
    table.m_grid.GetGridText(strAll, 0, 0);
    EXPECT_EQ(strAll, "Nome\tPeso[t]\tX1[m]\tX2[m]\tXg[m]\tyg[m]\tZg[m]\r\n12,5\t12.5\t1\t2\t3\t4\t5.0");
}

TEST(LoadTableImport, RowsBecomeLoadsAfterTheExistingOnes)
{
    CLoadList list;
    list.Append("esistente", 1, 0, 2, 1);
    EXPECT_EQ(
        CLoadTableImport::AppendRows("A\t10\t0\t5\t2\t0\t3\r\nB\t4\t5\t7\t1\t0\t1\r\n\t\t\t\t\t\t", list), 2);
    ASSERT_EQ(list.m_nCount, 3);
    EXPECT_EQ(list.m_pCurrent->m_strName, "B");
    list.GoTo(2);
    const CLoad& a = *list.m_pCurrent;
    EXPECT_EQ(a.m_strName, "A");
    EXPECT_EQ(std::vector<double>({a.m_dWeight, a.m_dX1, a.m_dX2, a.m_dXgRel, a.m_dYg, a.m_dZg}),
              std::vector<double>({10, 0, 5, 2, 0, 3}));
    EXPECT_EQ(a.m_dY1, 0) << "not normalised on import";

    // Numbers that are not finite count as no number; a row with no name ends the import.
    CLoadList odd;
    EXPECT_EQ(CLoadTableImport::AppendRows("C\t2,5\tx\t1e999\tnan\t-inf\t7\r\n\t1\t1\t1\t1\t1\t1\r\nD", odd),
              1);
    const CLoad& c = *odd.m_pCurrent;
    EXPECT_EQ(std::vector<double>({c.m_dWeight, c.m_dX1, c.m_dX2, c.m_dXgRel, c.m_dYg, c.m_dZg}),
              std::vector<double>({2, 0, 0, 0, 0, 7}));
}
