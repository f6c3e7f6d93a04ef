// The cell reader of pasted tables.
#include "dialogs/CellReader.h"

#include <climits>

#include "model/NumberFormat.h"

CCellReader::~CCellReader() = default;

void CCellReader::Attach(const std::string& strText)
{
    m_pText = &strText;
    m_nPos = 0;
}

int CCellReader::Length() const
{
    if (!m_pText)
        return 0;
    // Positions are ints, and one past the end must still be one.
    return m_pText->size() < static_cast<size_t>(INT_MAX) ? static_cast<int>(m_pText->size()) : INT_MAX - 1;
}

int CCellReader::Reset()
{
    m_nPos = 0;
    return Length();
}

int CCellReader::NextCell(std::string& strCell)
{
    strCell.clear();
    const int nLength = Length();
    if (m_nPos >= nLength)
        return 0;
    const std::string& strText = *m_pText;
    int nEnd = m_nPos;
    while (nEnd < nLength && strText[static_cast<size_t>(nEnd)] != '\t' &&
           strText[static_cast<size_t>(nEnd)] != '\r')
        ++nEnd;
    strCell.assign(strText, static_cast<size_t>(m_nPos), static_cast<size_t>(nEnd - m_nPos));
    m_nPos = nEnd;
    // The CR of a line end, then the TAB or the LF after it. With CR-only line ends this takes
    // the first character of the next row, as it always has.
    if (m_nPos < nLength && strText[static_cast<size_t>(m_nPos)] == '\r')
        ++m_nPos;
    if (m_nPos < nLength)
        ++m_nPos;
    return static_cast<int>(strCell.size());
}

int CCellReader::NextNumber(double& dValue)
{
    std::string strCell;
    const int nLength = NextCell(strCell);
    dValue = strCell.empty() ? 0 : CNumberFormat::ParseDouble(strCell);
    return nLength;
}

int CCellReader::CountLines()
{
    const int nLength = Length();
    m_nPos = nLength;
    if (nLength == 0)
        return -1;
    int nLines = 1;
    for (int i = 0; i < nLength; ++i)
    {
        if ((*m_pText)[static_cast<size_t>(i)] == '\r')
            ++nLines;
    }
    return nLines;
}

int CCellReader::CountColumns()
{
    const int nLength = Length();
    m_nPos = 0;
    if (nLength == 0)
        return -1;
    int nColumns = 1;
    for (; m_nPos < nLength && (*m_pText)[static_cast<size_t>(m_nPos)] != '\r'; ++m_nPos)
    {
        if ((*m_pText)[static_cast<size_t>(m_nPos)] == '\t')
            ++nColumns;
    }
    return nColumns;
}
