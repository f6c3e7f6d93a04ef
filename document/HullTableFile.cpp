// Reading a hull's Bonjean table from delimited text.
#include "document/HullTableFile.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <utility>
#include <vector>

#include "document/File.h"
#include "document/FileException.h"
#include "model/HullTable.h"
#include "model/NumberFormat.h"

namespace
{
// A cell as the messages quote it: long cells cut short.
std::string Quoted(const std::string& strCell)
{
    constexpr size_t kShown = 40;
    return "'" + (strCell.size() > kShown ? strCell.substr(0, kShown) + "..." : strCell) + "'";
}

std::string Number(double dValue)
{
    return CNumberFormat::Format("%.10G", dValue);
}

std::string Trimmed(const std::string& str)
{
    const size_t nFirst = str.find_first_not_of(" \t");
    if (nFirst == std::string::npos)
        return std::string();
    return str.substr(nFirst, str.find_last_not_of(" \t") - nFirst + 1);
}

// The cells of one line. A cell that starts with a double quote runs to the closing quote, a
// doubled quote inside standing for one; the separator inside it is text.
std::vector<std::string> SplitCells(const std::string& strLine, char chSeparator)
{
    std::vector<std::string> cells;
    size_t nPos = 0;
    for (;;)
    {
        std::string strCell;
        size_t nStart = nPos;
        while (nStart < strLine.size() && strLine[nStart] == ' ')
            ++nStart;
        if (nStart < strLine.size() && strLine[nStart] == '"')
        {
            size_t n = nStart + 1;
            while (n < strLine.size())
            {
                if (strLine[n] == '"' && n + 1 < strLine.size() && strLine[n + 1] == '"')
                {
                    strCell += '"';
                    n += 2;
                }
                else if (strLine[n] == '"')
                {
                    ++n;
                    break;
                }
                else
                    strCell += strLine[n++];
            }
            // Whatever follows the closing quote up to the separator belongs to the cell too.
            const size_t nEnd = strLine.find(chSeparator, n);
            strCell += strLine.substr(n, nEnd == std::string::npos ? std::string::npos : nEnd - n);
            cells.push_back(Trimmed(strCell));
            if (nEnd == std::string::npos)
                break;
            nPos = nEnd + 1;
            continue;
        }
        const size_t nEnd = strLine.find(chSeparator, nPos);
        cells.push_back(
            Trimmed(strLine.substr(nPos, nEnd == std::string::npos ? std::string::npos : nEnd - nPos)));
        if (nEnd == std::string::npos)
            break;
        nPos = nEnd + 1;
    }
    // Spreadsheets pad short rows with empty cells up to the longest.
    while (!cells.empty() && cells.back().empty())
        cells.pop_back();
    return cells;
}

class CTableParser
{
public:
    CTableParser(const std::string& strPath, CHullTable& table) : m_strPath(strPath), m_table(table) {}

    [[noreturn]] void Fail(size_t nRow, size_t nColumn, const std::string& strWhat) const
    {
        std::string strWhere = "row " + std::to_string(nRow);
        if (nColumn > 0)
            strWhere += ", column " + std::to_string(nColumn);
        throw CFileException(m_strPath, strWhere + ": " + strWhat);
    }

    // Plain decimal numbers only: no hexadecimal, infinity or NaN, nothing after the number.
    double ParseNumber(std::string strCell, size_t nRow, size_t nColumn, const char* pszWhat) const
    {
        const std::string strShown = strCell;
        if (m_chSeparator == ';')
        {
            for (char& ch : strCell)
                ch = ch == ',' ? '.' : ch;
        }
        // from_chars reads a decimal number whatever the locale, without a leading plus.
        const size_t nSign = strCell.size() > 1 && strCell[0] == '+' && strCell[1] != '-' ? 1 : 0;
        const char* pFirst = strCell.data() + nSign;
        const char* pLast = strCell.data() + strCell.size();
        double dValue = 0;
        const bool bPlain =
            !strCell.empty() && strCell.find_first_not_of("0123456789+-.eE") == std::string::npos;
        const std::from_chars_result result =
            bPlain ? std::from_chars(pFirst, pLast, dValue)
                   : std::from_chars_result{pFirst, std::errc::invalid_argument};
        if (!bPlain || result.ec != std::errc() || result.ptr != pLast || !std::isfinite(dValue))
            Fail(nRow, nColumn,
                 (strShown.empty() ? std::string("an empty cell") : Quoted(strShown)) + " where " + pszWhat +
                     " should be is not a number");
        return dValue;
    }

    void ReadDrafts(const std::vector<std::string>& cells, size_t nRow)
    {
        if (cells.size() < 3)
            Fail(nRow, 0, "fewer than two drafts after the label cell");
        m_table.m_strLabel = cells[0];
        for (size_t c = 1; c < cells.size(); ++c)
        {
            const double dDraft = ParseNumber(cells[c], nRow, c + 1, "a draft");
            if (dDraft < 0)
                Fail(nRow, c + 1, "draft " + Number(dDraft) + " is below zero");
            if (c > 1 && !(dDraft > m_table.m_drafts.back()))
                Fail(nRow, c + 1,
                     "draft " + Number(dDraft) + " is not above the draft before it, " +
                         Number(m_table.m_drafts.back()));
            m_table.m_drafts.push_back(dDraft);
        }
    }

    void ReadStation(const std::vector<std::string>& cells, size_t nRow)
    {
        const size_t nDrafts = m_table.m_drafts.size();
        if (cells.size() != nDrafts + 1)
            Fail(nRow, 0,
                 std::to_string(cells.size()) + " cells where the drafts row has " +
                     std::to_string(nDrafts + 1));
        const double dStation = ParseNumber(cells[0], nRow, 1, "a station abscissa");
        if (!m_table.m_stations.empty() && !(dStation > m_table.m_stations.back()))
            Fail(nRow, 1,
                 "station " + Number(dStation) + " is not beyond the station before it, " +
                     Number(m_table.m_stations.back()));
        m_table.m_stations.push_back(dStation);
        for (size_t c = 1; c < cells.size(); ++c)
        {
            const double dArea = ParseNumber(cells[c], nRow, c + 1, "an area");
            if (dArea < 0)
                Fail(nRow, c + 1, "area " + Number(dArea) + " is negative");
            if (c > 1 && dArea < m_table.m_areas.back())
                Fail(nRow, c + 1,
                     "area " + Number(dArea) + " is less than the area at the draft before, " +
                         Number(m_table.m_areas.back()));
            m_table.m_areas.push_back(dArea);
        }
    }

    void Parse(const std::string& strBytes)
    {
        size_t nPos = 0;
        // A byte-order mark from a spreadsheet that saved UTF-8.
        if (strBytes.compare(0, 3, "\xEF\xBB\xBF") == 0)
            nPos = 3;
        size_t nRow = 0;
        size_t nLastRow = 0;
        bool bHaveDrafts = false;
        while (nPos < strBytes.size())
        {
            size_t nEnd = strBytes.find('\n', nPos);
            if (nEnd == std::string::npos)
                nEnd = strBytes.size();
            std::string strLine = strBytes.substr(nPos, nEnd - nPos);
            nPos = nEnd + 1;
            ++nRow;
            if (!strLine.empty() && strLine.back() == '\r')
                strLine.pop_back();
            if (!strLine.empty() && strLine[0] == '#')
                continue;
            if (!bHaveDrafts)
            {
                if (strLine.find_first_not_of(" \t,;") == std::string::npos)
                    continue;
                m_chSeparator = strLine.find('\t') != std::string::npos  ? '\t'
                                : strLine.find(';') != std::string::npos ? ';'
                                                                         : ',';
                ReadDrafts(SplitCells(strLine, m_chSeparator), nRow);
                bHaveDrafts = true;
                nLastRow = nRow;
                continue;
            }
            const std::vector<std::string> cells = SplitCells(strLine, m_chSeparator);
            if (cells.empty())
                continue;
            ReadStation(cells, nRow);
            nLastRow = nRow;
        }
        if (!bHaveDrafts)
            throw CFileException(m_strPath, "no drafts row: the file holds no table");
        if (m_table.m_stations.size() < 2)
            Fail(nLastRow, 0,
                 "fewer than two stations: the table ends after " +
                     std::to_string(m_table.m_stations.size()));
    }

private:
    const std::string& m_strPath;
    CHullTable& m_table;
    char m_chSeparator = ',';
};
} // namespace

void CHullTableFile::Parse(const std::string& strPath, const std::string& strBytes, CHullTable& table)
{
    CHullTable read;
    CTableParser(strPath, read).Parse(strBytes);
    table = std::move(read);
}

void CHullTableFile::Read(const std::string& strPath, CHullTable& table)
{
    CFile file(strPath, CFile::modeRead);
    std::string strBytes;
    char buffer[1 << 16];
    for (;;)
    {
        const size_t nRead = file.Read(buffer, sizeof buffer);
        strBytes.append(buffer, nRead);
        if (strBytes.size() > kLargestFile)
            throw CFileException(strPath, "larger than " + std::to_string(kLargestFile >> 20) +
                                              " MiB, too large for a hull table");
        if (nRead < sizeof buffer)
            break;
    }
    file.Close();
    Parse(strPath, strBytes, table);
}
