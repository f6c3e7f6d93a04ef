// The load table and the resultant at its discontinuities as text for spreadsheets.
#include "document/File.h"
#include "model/LoadList.h"
#include "model/NumberFormat.h"
#include "model/ResultantLimits.h"

namespace
{
// Lines are gathered and handed to the file in pieces of about this size.
constexpr size_t kChunk = 1 << 16;

std::string Number(double dValue)
{
    return CNumberFormat::Format("%.8G", dValue);
}
} // namespace

void CLoadList::ExportLoadTable(CFile& file)
{
    file.Write(m_strFileName + "\r\nCarico\tPeso [t]\tX1[m]\tX2[m]\tY1[t/m]\tY2[t/m]\tXg[m]\tZg[m]\r\n");
    First();
    for (int i = 1; i <= m_nCount; ++i)
    {
        m_pCurrent->WriteTextLine(file);
        Next();
    }
    const double dWeight = TotalWeight();
    const double dXg = Xg();
    const double dZg = Zg();
    file.Write("\r\nPeso Totale [t]\t" + Number(dWeight) + "\r\nXG globale [m]\t" + Number(dXg) +
               "\r\nZG globale [m]\t" + Number(dZg) + "\r\n");
}

void CLoadList::ExportResultantTable(CFile& file, char chSeparator)
{
    // Loads edited since the last redraw would otherwise be tabulated at stale abscissae.
    RebuildAbscissae();
    std::string strOut = m_strFileName + "\r\nDati risultante tabulati con punti di discontinuit\xE0\r\nX[m]";
    strOut += chSeparator;
    strOut += "P[t/m]\r\n";

    // Every limit from one pass over the loads, bit for bit as ValueAt gives it.
    const CResultantLimits limits(*this);
    for (size_t i = 0; i < limits.m_xs.size(); ++i)
    {
        const std::string strX = Number(limits.m_xs[i]);
        for (double dValue : {limits.m_lefts[i], limits.m_rights[i]})
        {
            strOut += strX;
            strOut += chSeparator;
            strOut += Number(dValue);
            strOut += "\r\n";
        }
        if (strOut.size() >= kChunk)
        {
            file.Write(strOut);
            strOut.clear();
        }
    }
    file.Write(strOut);
}
