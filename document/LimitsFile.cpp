// Reading the permissible limits at the read-out points from delimited text.
#include "document/LimitsFile.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "document/DelimitedText.h"
#include "document/FileException.h"
#include "model/LoadingCheck.h"

const char* const CLimitsFile::kColumns[5] = {"x", "SF_max", "SF_min", "BM_hog", "BM_sag"};

namespace
{
std::string Lowered(std::string str)
{
    std::transform(str.begin(), str.end(), str.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    return str;
}

// Whether the header cell names the column: the name in any case, alone or before its unit.
bool Names(const std::string& strCell, const std::string& strName)
{
    const std::string strLower = Lowered(strCell);
    const std::string strWanted = Lowered(strName);
    if (strLower.compare(0, strWanted.size(), strWanted) != 0)
        return false;
    return strLower.size() == strWanted.size() || strLower[strWanted.size()] == ' ' ||
           strLower[strWanted.size()] == '[' || strLower[strWanted.size()] == '(';
}

class CLimitsParser
{
public:
    CLimitsParser(const std::string& strPath, const std::string& strBytes) : m_text(strPath, strBytes) {}

    void ReadHeader(const std::vector<std::string>& cells, size_t nRow) const
    {
        for (size_t c = 0; c < 5; ++c)
        {
            if (c >= cells.size())
                m_text.Fail(nRow, c + 1,
                            std::string("the header lacks the column ") + CLimitsFile::kColumns[c]);
            if (!Names(cells[c], CLimitsFile::kColumns[c]))
                m_text.Fail(nRow, c + 1,
                            CDelimitedText::Quoted(cells[c]) + " where the header should name the column " +
                                CLimitsFile::kColumns[c]);
        }
        if (cells.size() > 5)
            m_text.Fail(nRow, 6, CDelimitedText::Quoted(cells[5]) + " after the five columns of the header");
    }

    // The value in column nColumn (1-based) that must not lie below zero when bPositive, nor above it otherwise.
    double Limit(const std::vector<std::string>& cells, size_t nRow, size_t nColumn, bool bPositive) const
    {
        const char* pszName = CLimitsFile::kColumns[nColumn - 1];
        const double dValue = m_text.Number(cells[nColumn - 1], nRow, nColumn, pszName);
        if (bPositive ? dValue < 0 : dValue > 0)
            m_text.Fail(nRow, nColumn,
                        std::string(pszName) + " " + CDelimitedText::Shown(dValue) + " is " +
                            (bPositive ? "below" : "above") + " zero");
        return dValue;
    }

    void ReadPoint(const std::vector<std::string>& cells, size_t nRow)
    {
        if (cells.size() != 5)
            m_text.Fail(nRow, 0, std::to_string(cells.size()) + " cells where the header has 5");
        SLimitPoint point{};
        point.x = m_text.Number(cells[0], nRow, 1, "x");
        if (!m_points.empty() && !(point.x > m_points.back().x))
            m_text.Fail(nRow, 1,
                        "x " + CDelimitedText::Shown(point.x) + " is not beyond the x before it, " +
                            CDelimitedText::Shown(m_points.back().x));
        point.dSfMax = Limit(cells, nRow, 2, true);
        point.dSfMin = Limit(cells, nRow, 3, false);
        point.dBmHog = Limit(cells, nRow, 4, true);
        point.dBmSag = Limit(cells, nRow, 5, false);
        m_points.push_back(point);
    }

    std::vector<SLimitPoint> Parse(const std::string& strPath)
    {
        std::vector<std::string> cells;
        if (!m_text.NextRow(cells))
            throw CFileException(strPath, "no header row: the file holds no limits");
        ReadHeader(cells, m_text.Row());
        while (m_text.NextRow(cells))
            ReadPoint(cells, m_text.Row());
        if (m_points.empty())
            throw CFileException(strPath, "no read-out point after the header");
        return std::move(m_points);
    }

private:
    CDelimitedText m_text;
    std::vector<SLimitPoint> m_points;
};
} // namespace

void CLimitsFile::Parse(const std::string& strPath, const std::string& strBytes,
                        std::vector<SLimitPoint>& limits)
{
    limits = CLimitsParser(strPath, strBytes).Parse(strPath);
}

void CLimitsFile::Read(const std::string& strPath, std::vector<SLimitPoint>& limits)
{
    Parse(strPath, CDelimitedText::ReadFile(strPath, "a limits file"), limits);
}
