// Fuzz target: any weight file the readers accept (".p3d", else ".p"), with every export written
// (the load table, the resultant as text and CSV, both DXF drawings) and the totals.
#include <cstddef>
#include <cstdint>
#include <string>

#include "document/DxfFile.h"
#include "document/File.h"
#include "document/FileException.h"
#include "fuzz/FuzzCheck.h"
#include "model/LoadList.h"

using namespace fuzzcheck;

namespace
{
bool Read(CLoadList& list, const std::string& strBytes, void (CLoadList::*pRead)(CFile&))
{
    CFile file;
    file.OpenBytes("fuzz.p3d", strBytes);
    try
    {
        (list.*pRead)(file);
        return true;
    }
    catch (const CFileException&)
    {
        return false;
    }
}

// The exports' bytes go nowhere: what is checked is that writing them is sound.
template <class TFile, class TWrite> void Export(TWrite write)
{
    TFile file;
    file.Open("/dev/null", CFile::modeCreateWrite);
    write(file);
    file.Close();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    const std::string strBytes(reinterpret_cast<const char*>(pData), nSize);
    CLoadList list;
    if (!Read(list, strBytes, &CLoadList::ReadFrom) && !Read(list, strBytes, &CLoadList::ReadOldFrom))
        return 0;
    list.RebuildAbscissae();
    Export<CFile>([&](CFile& file) { list.ExportLoadTable(file); });
    Export<CFile>([&](CFile& file) { list.ExportResultantTable(file, '\t'); });
    Export<CFile>([&](CFile& file) { list.ExportResultantTable(file, ','); });
    Export<CDxfFile>([&](CDxfFile& file) { list.ExportResultantDxf(file); });
    Export<CDxfFile>([&](CDxfFile& file) { list.ExportDetailedDxf(file); });
    const double dWeight = list.TotalWeight();
    list.Xg();
    list.Yg();
    list.Zg();
    list.MaxOrdinate();
    Check(list.m_abscissae.m_nCount <= 2 * list.m_nCount, "two abscissae a load at most");
    Check(list.m_nCount > 0 || dWeight == 0, "no loads weigh nothing");
    return 0;
}
