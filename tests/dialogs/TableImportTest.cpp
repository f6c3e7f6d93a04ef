// Pasted tables: the grid the paste fills, and the loads made from its rows.
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "dialogs/ClipboardTable.h"
#include "dialogs/LoadTableImport.h"
#include "model/LoadList.h"

namespace
{
std::vector<double> Numbers(const CLoad& load)
{
    return {load.m_dWeight, load.m_dX1, load.m_dX2, load.m_dXgRel, load.m_dYg, load.m_dZg};
}
} // namespace

TEST(ClipboardTable, PasteFillsTheGridAndHandsBackTheDataRows)
{
    CClipboardTable table;
    const std::string strRows = "A\t10\t0\t5\t2\t0\t3\r\nB\t4\t5\t7\t1\t0\t1\r\n";
    ASSERT_TRUE(table.Paste(strRows));
    EXPECT_EQ(table.m_grid.GetRows(), 4);
    EXPECT_EQ(table.m_grid.GetTextMatrix(0, 5), "yg[m]") << "the header row is not touched";
    EXPECT_EQ(table.m_grid.GetTextMatrix(2, 0), "B");
    EXPECT_EQ(table.Rows(), strRows + "\t\t\t\t\t\t") << "the trailing CR LF makes an empty row";

    // Refused: six or eight cells, LF-only rows, nothing, and more rows than an estimate has.
    const std::string strRow = "A\t1\t2\t3\t4\t5\t6\r\n";
    for (const std::string& strBad :
         {std::string("a\tb\tc\td\te\tf\r\n"), std::string("a\tb\tc\td\te\tf\tg\th"),
          std::string("a\t1\t2\t3\t4\t5\t6\nb\t1\t2\t3\t4\t5\t6\n"), std::string(),
          strRow + std::string(CClipboardTable::kMaxRows - 1, '\r')})
    {
        EXPECT_FALSE(table.Paste(strBad));
        EXPECT_EQ(table.m_grid.GetRows(), 4);
        EXPECT_EQ(table.Rows(), strRows + "\t\t\t\t\t\t");
    }
    // Commas become points in the grid, not in the names.
    ASSERT_TRUE(table.Paste("12,5\t12,5\t1\t2\t3\t4\t5,0"));
    table.ConvertCommas();
    std::string strAll;
    table.m_grid.GetGridText(strAll, 0, 0);
    EXPECT_EQ(strAll, "Nome\tPeso[t]\tX1[m]\tX2[m]\tXg[m]\tyg[m]\tZg[m]\r\n12,5\t12.5\t1\t2\t3\t4\t5.0");
    ASSERT_TRUE(table.Paste(strRow + std::string(CClipboardTable::kMaxRows - 2, '\r')));
    EXPECT_EQ(table.m_grid.GetRows(), CClipboardTable::kMaxRows + 1);
}

TEST(LoadTableImport, RowsBecomeLoadsAfterTheExistingOnes)
{
    CLoadList list;
    list.Append("esistente", 1, 0, 2, 1);
    EXPECT_EQ(
        CLoadTableImport::AppendRows("A\t10\t0\t5\t2\t0\t3\r\nB\t4\t5\t7\t1\t0\t1\r\n\t\t\t\t\t\t", list), 2);
    ASSERT_EQ(list.m_nCount, 3);
    EXPECT_EQ(list.m_pCurrent->m_strName, "B");
    EXPECT_EQ(Numbers(*list.m_pCurrent), std::vector<double>({4, 5, 7, 1, 0, 1}));
    list.GoTo(2);
    EXPECT_EQ(list.m_pCurrent->m_strName, "A");
    EXPECT_EQ(Numbers(*list.m_pCurrent), std::vector<double>({10, 0, 5, 2, 0, 3}));
    EXPECT_EQ(list.m_pCurrent->m_dY1, 0) << "not normalised on import";

    // Numbers that are not finite count as no number; a row with no name ends the import.
    CLoadList odd;
    EXPECT_EQ(CLoadTableImport::AppendRows("C\t2,5\tx\t1e999\tnan\t-inf\t7\r\n\t1\t1\t1\t1\t1\t1\r\nD", odd),
              1);
    EXPECT_EQ(Numbers(*odd.m_pCurrent), std::vector<double>({2, 0, 0, 0, 0, 7}));
}
