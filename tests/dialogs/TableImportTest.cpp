// Pasted tables: the cell reader, the grid the paste fills, and the loads made from its rows.
#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "dialogs/CellReader.h"
#include "dialogs/ClipboardTable.h"
#include "dialogs/LoadTableImport.h"
#include "model/LoadList.h"

namespace
{
std::vector<std::string> Cells(const std::string& strText, int nCount)
{
    CCellReader reader;
    reader.Attach(strText);
    reader.Reset();
    std::vector<std::string> cells;
    std::string strCell;
    for (int i = 0; i < nCount; ++i)
    {
        reader.NextCell(strCell);
        cells.push_back(strCell);
    }
    return cells;
}

using CStrings = std::vector<std::string>;
} // namespace

TEST(CellReader, CellsAcrossRowsAndOddLineEnds)
{
    EXPECT_EQ(Cells("a\tb\r\nc\td", 6), (CStrings{"a", "b", "c", "d", "", ""}));
    EXPECT_EQ(Cells("a\t\tb\r\n", 4), (CStrings{"a", "", "b", ""}));
    // CR-only line ends lose the first character of every following row.
    EXPECT_EQ(Cells("ab\tc\rde\tf\rgh", 5), (CStrings{"ab", "c", "e", "f", "h"}));
    // LF-only line ends join the last cell of a row to the first of the next.
    EXPECT_EQ(Cells("a\tb\nc\td", 3), (CStrings{"a", "b\nc", "d"}));

    CCellReader reader;
    std::string strText = "x\t12,5\t 2.5e1kg\tabc\t\r\n";
    reader.Attach(strText);
    EXPECT_EQ(reader.Reset(), static_cast<int>(strText.size()));
    std::string strCell;
    EXPECT_EQ(reader.NextCell(strCell), 1);
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
    reader.NextNumber(dValue);
    EXPECT_EQ(dValue, 0) << "past the end";
}

TEST(CellReader, CountsLinesAndColumns)
{
    CCellReader reader;
    std::string strText = "a\tb\tc\r\nd\r\n";
    reader.Attach(strText);
    EXPECT_EQ(reader.CountLines(), 3);
    EXPECT_EQ(reader.CountColumns(), 3);
    std::string strCell;
    EXPECT_EQ(reader.NextCell(strCell), 0) << "counting columns stops on the first CR";
    reader.NextCell(strCell);
    EXPECT_EQ(strCell, "d");

    std::string strEmpty;
    reader.Attach(strEmpty);
    EXPECT_EQ(reader.CountLines(), -1);
    EXPECT_EQ(reader.CountColumns(), -1);
    std::string strOne = "a\tb";
    reader.Attach(strOne);
    EXPECT_EQ(reader.CountLines(), 1);
    EXPECT_EQ(reader.CountColumns(), 2);
    EXPECT_EQ(reader.NextCell(strCell), 0) << "CountLines leaves the position at the end";
}

TEST(ClipboardTable, PasteFillsTheGridAndHandsBackTheDataRows)
{
    CClipboardTable table;
    EXPECT_EQ(table.m_grid.GetTextMatrix(0, 5), "yg[m]");
    const std::string strRow1 = "A\t10\t0\t5\t2\t0\t3", strRow2 = "B\t4\t5\t7\t1\t0\t1";
    ASSERT_TRUE(table.Paste(strRow1 + "\r\n" + strRow2 + "\r\n"));
    EXPECT_EQ(table.m_grid.GetRows(), 4);
    EXPECT_EQ(table.m_grid.GetCols(), 7);
    EXPECT_EQ(table.m_grid.GetTextMatrix(0, 0), "Nome") << "the header row is not touched";
    EXPECT_EQ(table.m_grid.GetTextMatrix(2, 0), "B");
    EXPECT_EQ(table.m_strTable, strRow1 + "\r\n" + strRow2 + "\r\n\t\t\t\t\t\t");

    // Refused: six or eight cells, LF-only rows, nothing; the grid and the table stay.
    for (const std::string& strBad :
         {std::string("a\tb\tc\td\te\tf\r\n"), std::string("a\tb\tc\td\te\tf\tg\th"),
          std::string("a\t1\t2\t3\t4\t5\t6\nb\t1\t2\t3\t4\t5\t6\n"), std::string()})
    {
        EXPECT_FALSE(table.Paste(strBad));
        EXPECT_EQ(table.m_grid.GetRows(), 4);
        EXPECT_EQ(table.m_grid.GetTextMatrix(1, 0), "A");
        EXPECT_EQ(table.m_strTable, strRow1 + "\r\n" + strRow2 + "\r\n\t\t\t\t\t\t");
    }

    // One row with neither CR nor LF.
    ASSERT_TRUE(table.Paste("Z\t1\t2\t3\t4\t5\t6"));
    EXPECT_EQ(table.m_grid.GetRows(), 2);
    EXPECT_EQ(table.m_strTable, "Z\t1\t2\t3\t4\t5\t6");
    EXPECT_EQ(std::string(CClipboardTable::kBadFormat),
              "Formato appunti non valido \n oppure numero di colonne diverso da 7");
}

TEST(ClipboardTable, NoMoreThanAMillionRows)
{
    // Every row costs the grid seven cells: a text of a million line ends is no estimate.
    CClipboardTable table;
    const std::string strRow = "A\t1\t2\t3\t4\t5\t6\r\n";
    EXPECT_FALSE(table.Paste(strRow + std::string(CClipboardTable::kMaxRows - 1, '\r')));
    EXPECT_EQ(table.m_grid.GetRows(), 2);
    ASSERT_TRUE(table.Paste(strRow + std::string(CClipboardTable::kMaxRows - 2, '\r')));
    EXPECT_EQ(table.m_grid.GetRows(), CClipboardTable::kMaxRows + 1);
    // With CR-only line ends every other cell is lost with its row's first character: the
    // text runs out long before the grid, and the rest is empty.
    EXPECT_EQ(table.m_grid.GetTextMatrix(2, 0), "");
    EXPECT_EQ(table.m_grid.GetTextMatrix(CClipboardTable::kMaxRows, 6), "");
}

TEST(ClipboardTable, CommasBecomePointsOutsideTheNames)
{
    CClipboardTable table;
    ASSERT_TRUE(table.Paste("12,5\t12,5\t1\t2\t3\t4\t5,0"));
    table.ConvertCommas();
    EXPECT_EQ(table.m_grid.GetTextMatrix(1, 0), "12,5");
    EXPECT_EQ(table.m_grid.GetTextMatrix(1, 1), "12.5");
    EXPECT_EQ(table.m_grid.GetTextMatrix(1, 6), "5.0");
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
    EXPECT_EQ(a.m_dWeight, 10);
    EXPECT_EQ(a.m_dX1, 0);
    EXPECT_EQ(a.m_dX2, 5);
    EXPECT_EQ(a.m_dXgRel, 2);
    EXPECT_EQ(a.m_dYg, 0);
    EXPECT_EQ(a.m_dZg, 3);
    EXPECT_EQ(a.m_dY1, 0) << "not normalised on import";
}

TEST(LoadTableImport, OddCellsAndTheEndOfTheImport)
{
    CLoadList list;
    // A decimal comma, numbers atof cannot read, and numbers that are not finite.
    EXPECT_EQ(CLoadTableImport::AppendRows("C\t2,5\tx\t1e999\tnan\t-inf\t7\r\n\t1\t1\t1\t1\t1\t1\r\nD", list),
              1);
    ASSERT_EQ(list.m_nCount, 1);
    EXPECT_EQ(list.m_pCurrent->m_dWeight, 2);
    EXPECT_EQ(list.m_pCurrent->m_dX1, 0);
    EXPECT_EQ(list.m_pCurrent->m_dX2, 0);
    EXPECT_EQ(list.m_pCurrent->m_dXgRel, 0);
    EXPECT_EQ(list.m_pCurrent->m_dYg, 0);
    EXPECT_EQ(list.m_pCurrent->m_dZg, 7);

    // A short row takes the following row's cells.
    CLoadList shifted;
    EXPECT_EQ(CLoadTableImport::AppendRows("E\t1\t2\r\nF\t3\t4\t5\t6\t7\t8", shifted), 2);
    shifted.GoTo(1);
    EXPECT_EQ(shifted.m_pCurrent->m_dX2, 0) << "the name F read as a number";
    EXPECT_EQ(shifted.m_pCurrent->m_dXgRel, 3);
    shifted.GoTo(2);
    EXPECT_EQ(shifted.m_pCurrent->m_strName, "6");
}
