// Reading delimited text row by row.
#include "document/DelimitedText.h"

#include <charconv>
#include <cmath>

#include "document/File.h"
#include "document/FileException.h"
#include "model/NumberFormat.h"

namespace
{
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
} // namespace

CDelimitedText::CDelimitedText(const std::string& strPath, const std::string& strBytes)
    : m_strPath(strPath), m_strBytes(strBytes)
{
    // A byte-order mark from a spreadsheet that saved UTF-8.
    if (m_strBytes.compare(0, 3, "\xEF\xBB\xBF") == 0)
        m_nPos = 3;
}

CDelimitedText::~CDelimitedText() = default;

std::string CDelimitedText::ReadFile(const std::string& strPath, const char* pszWhat)
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
                                              " MiB, too large for " + pszWhat);
        if (nRead < sizeof buffer)
            break;
    }
    file.Close();
    return strBytes;
}

bool CDelimitedText::NextRow(std::vector<std::string>& cells)
{
    while (m_nPos < m_strBytes.size())
    {
        size_t nEnd = m_strBytes.find('\n', m_nPos);
        if (nEnd == std::string::npos)
            nEnd = m_strBytes.size();
        std::string strLine = m_strBytes.substr(m_nPos, nEnd - m_nPos);
        m_nPos = nEnd + 1;
        ++m_nRow;
        if (!strLine.empty() && strLine.back() == '\r')
            strLine.pop_back();
        if (!strLine.empty() && strLine[0] == '#')
            continue;
        if (m_chSeparator == 0)
        {
            if (strLine.find_first_not_of(" \t,;") == std::string::npos)
                continue;
            m_chSeparator = strLine.find('\t') != std::string::npos  ? '\t'
                            : strLine.find(';') != std::string::npos ? ';'
                                                                     : ',';
        }
        cells = SplitCells(strLine, m_chSeparator);
        if (!cells.empty())
            return true;
    }
    return false;
}

void CDelimitedText::Fail(size_t nRow, size_t nColumn, const std::string& strWhat) const
{
    std::string strWhere = "row " + std::to_string(nRow);
    if (nColumn > 0)
        strWhere += ", column " + std::to_string(nColumn);
    throw CFileException(m_strPath, strWhere + ": " + strWhat);
}

double CDelimitedText::Number(const std::string& strCell, size_t nRow, size_t nColumn,
                              const char* pszWhat) const
{
    std::string strText = strCell;
    if (m_chSeparator == ';')
    {
        for (char& ch : strText)
            ch = ch == ',' ? '.' : ch;
    }
    // from_chars reads a decimal number whatever the locale, without a leading plus.
    const size_t nSign = strText.size() > 1 && strText[0] == '+' && strText[1] != '-' ? 1 : 0;
    const char* pFirst = strText.data() + nSign;
    const char* pLast = strText.data() + strText.size();
    double dValue = 0;
    const bool bPlain = !strText.empty() && strText.find_first_not_of("0123456789+-.eE") == std::string::npos;
    const std::from_chars_result result = bPlain
                                              ? std::from_chars(pFirst, pLast, dValue)
                                              : std::from_chars_result{pFirst, std::errc::invalid_argument};
    if (!bPlain || result.ec != std::errc() || result.ptr != pLast || !std::isfinite(dValue))
        Fail(nRow, nColumn,
             (strCell.empty() ? std::string("an empty cell") : Quoted(strCell)) + " where " + pszWhat +
                 " should be is not a number");
    return dValue;
}

std::string CDelimitedText::Quoted(const std::string& strCell)
{
    constexpr size_t kShown = 40;
    return "'" + (strCell.size() > kShown ? strCell.substr(0, kShown) + "..." : strCell) + "'";
}

std::string CDelimitedText::Shown(double dValue)
{
    return CNumberFormat::Format("%.10G", dValue);
}
