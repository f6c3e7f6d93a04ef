// Loads from the table text of the clipboard import.
#include "dialogs/LoadTableImport.h"

#include <cmath>

#include "dialogs/CellReader.h"
#include "model/LoadList.h"

namespace
{
// atof reads "inf", "nan" and 1e999 as numbers that are not finite; one of them in a load
// would poison every curve and make the saved file unreadable, so it counts as no number.
double NextValue(CCellReader& reader)
{
    double dValue = 0;
    reader.NextNumber(dValue);
    return std::isfinite(dValue) ? dValue : 0;
}
} // namespace

int CLoadTableImport::AppendRows(const std::string& strTable, CLoadList& list)
{
    CCellReader reader;
    reader.Attach(strTable);
    reader.Reset();
    int nAppended = 0;
    std::string strName;
    while (reader.NextCell(strName) > 0)
    {
        const double dWeight = NextValue(reader);
        const double dX1 = NextValue(reader);
        const double dX2 = NextValue(reader);
        const double dXgRel = NextValue(reader);
        const double dYg = NextValue(reader);
        const double dZg = NextValue(reader);
        list.Append(strName, dXgRel, dX1, dX2, dWeight);
        list.m_pCurrent->m_dYg = dYg;
        list.m_pCurrent->m_dZg = dZg;
        ++nAppended;
    }
    return nAppended;
}
