// Fuzz target: the ".p3d" reader. A file it accepts holds finite numbers, saves and reads back to
// the same loads; one it refuses leaves the list as it was.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "document/File.h"
#include "document/FileException.h"
#include "fuzz/FuzzCheck.h"
#include "fuzz/ScratchFile.h"
#include "model/LoadList.h"

using namespace fuzzcheck;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    CLoadList list;
    list.Append("before", 1, 0, 2, 3);
    CFile file;
    file.OpenBytes("fuzz.p3d", std::string(reinterpret_cast<const char*>(pData), nSize));
    try
    {
        list.ReadFrom(file);
    }
    catch (const CFileException&)
    {
        Check(list.m_nCount == 1 && list.m_pCurrent->m_strName == "before", "a refused file changes nothing");
        return 0;
    }
    Check(list.m_strFileName == "fuzz.p3d", "the list takes the file's name");
    for (const CLoad* pLoad : list.Loads())
    {
        Check(pLoad->m_dX1 < pLoad->m_dX2, "a load read is normalised");
        Check(!std::isnan(pLoad->m_dY1) && !std::isnan(pLoad->m_dY2),
              "finite values give ordinates that are numbers");
    }

    // Saved and read back: the same loads, bit for bit.
    const std::string& strPath = CScratchFile::Path();
    CFile out(strPath, CFile::modeCreateWrite);
    list.WriteTo(out);
    out.Close();
    CLoadList again;
    CFile in(strPath, CFile::modeRead);
    again.ReadFrom(in);
    Check(SameLoads(list, again), "a saved file reads back to the same loads");
    return 0;
}
