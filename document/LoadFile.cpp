// A load's record in the ".p3d" weight file.
#include <cstdint>
#include <limits>

#include "document/BinaryIo.h"
#include "document/File.h"
#include "document/FileException.h"
#include "model/Load.h"

namespace
{
// Six doubles follow every name.
constexpr std::uint64_t kRecordNumbers = 48;
} // namespace

void CLoad::WriteTo(CFile& file) const
{
    if (m_strName.size() > static_cast<size_t>(std::numeric_limits<std::int32_t>::max()))
        throw CFileException(file.GetFilePath(), "a load name is too long for the file format");
    std::string strRecord;
    strRecord.reserve(52 + m_strName.size());
    CBinaryIo::AppendInt32(strRecord, static_cast<std::int32_t>(m_strName.size()));
    strRecord += m_strName;
    for (double dValue : {m_dWeight, m_dX1, m_dX2, m_dXgRel, m_dYg, m_dZg})
        CBinaryIo::AppendDouble(strRecord, dValue);
    file.Write(strRecord);
}

void CLoad::ReadFrom(CFile& file)
{
    m_strName = CBinaryIo::ReadName(file, kRecordNumbers);
    m_dWeight = CBinaryIo::ReadFiniteDouble(file);
    m_dX1 = CBinaryIo::ReadFiniteDouble(file);
    m_dX2 = CBinaryIo::ReadFiniteDouble(file);
    m_dXgRel = CBinaryIo::ReadFiniteDouble(file);
    m_dYg = CBinaryIo::ReadFiniteDouble(file);
    m_dZg = CBinaryIo::ReadFiniteDouble(file);
    Normalize();
}
