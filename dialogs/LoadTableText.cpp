// Loads as the table text of a spreadsheet.
#include "dialogs/LoadTableText.h"

#include <charconv>

#include "model/Load.h"

std::string CLoadTableText::Number(double dValue)
{
    char szText[64];
    const std::to_chars_result result = std::to_chars(szText, szText + sizeof(szText), dValue);
    return std::string(szText, result.ptr);
}

std::string CLoadTableText::Rows(const std::vector<const CLoad*>& loads)
{
    std::string strText;
    for (const CLoad* pLoad : loads)
    {
        std::string strName = pLoad->m_strName;
        for (char& ch : strName)
        {
            if (ch == '\t' || ch == '\r' || ch == '\n')
                ch = ' ';
        }
        strText += strName;
        for (double dValue :
             {pLoad->m_dWeight, pLoad->m_dX1, pLoad->m_dX2, pLoad->m_dXgRel, pLoad->m_dYg, pLoad->m_dZg})
            strText += '\t' + Number(dValue);
        strText += "\r\n";
    }
    return strText;
}
