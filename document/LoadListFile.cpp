// The ".p3d" weight file: header text, load count and load records.
#include <cstdint>
#include <limits>

#include "document/BinaryIo.h"
#include "document/File.h"
#include "document/FileException.h"
#include "model/LoadList.h"

namespace
{
// The smallest record: a name length, no name and six doubles.
constexpr std::uint64_t kSmallestRecord = 52;
} // namespace

void CLoadList::WriteTo(CFile& file)
{
    if (m_strHeader.size() > static_cast<size_t>(std::numeric_limits<std::int32_t>::max()))
        throw CFileException(file.GetFilePath(), "the header text is too long for the file format");
    std::string strHead;
    CBinaryIo::AppendInt32(strHead, static_cast<std::int32_t>(m_strHeader.size()));
    strHead += m_strHeader;
    CBinaryIo::AppendInt32(strHead, m_nCount);
    file.Write(strHead);
    if (m_nCount == 0)
        return;
    First();
    do
        m_pCurrent->WriteTo(file);
    while (Next());
}

void CLoadList::ReadFrom(CFile& file)
{
    ReadLoads(file, kSmallestRecord, &CLoad::ReadFrom);
}

void CLoadList::ReadLoads(CFile& file, std::uint64_t nSmallestRecord, void (CLoad::*pReadRecord)(CFile&))
{
    // Everything goes into a list of its own first: a file refused half way leaves this one as
    // it was.
    CLoadList loaded;
    const std::string strHeader = CBinaryIo::ReadHeader(file);
    const std::int32_t nCount = CBinaryIo::ReadCount(file, nSmallestRecord);
    for (std::int32_t i = 0; i < nCount; ++i)
    {
        loaded.Append("", 0, 0, 0, 0);
        (loaded.m_pCurrent->*pReadRecord)(file);
    }
    TakeLoadsFrom(loaded);
    m_strHeader = strHeader;
    m_strFileName = file.GetFileName();
}
