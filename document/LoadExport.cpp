// A load's line of the load table export.
#include "document/File.h"
#include "model/Load.h"
#include "model/NumberFormat.h"

void CLoad::WriteTextLine(CFile& file)
{
    // Y1 and Y2 must match the weight, extent and centroid as they now stand.
    Normalize();
    std::string strLine = m_strName;
    for (double dValue : {m_dWeight, m_dX1, m_dX2, m_dY1, m_dY2, m_dXgRel, m_dZg})
    {
        strLine += '\t';
        strLine += CNumberFormat::Format("%.8G", dValue);
    }
    strLine += "\r\n";
    file.Write(strLine);
}
