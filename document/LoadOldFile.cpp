// A load's record in the old ".p" weight file, which has no YG.
#include <cstdint>

#include "document/BinaryIo.h"
#include "document/File.h"
#include "document/FileException.h"
#include "model/Load.h"

namespace
{
// Five doubles follow every name.
constexpr std::uint64_t kRecordNumbers = 40;
} // namespace

void CLoad::ReadOldFrom(CFile& file)
{
    m_strName = CBinaryIo::ReadName(file, kRecordNumbers);
    m_dWeight = CBinaryIo::ReadFiniteDouble(file);
    m_dX1 = CBinaryIo::ReadFiniteDouble(file);
    m_dX2 = CBinaryIo::ReadFiniteDouble(file);
    m_dXgRel = CBinaryIo::ReadFiniteDouble(file);
    m_dZg = CBinaryIo::ReadFiniteDouble(file);
    m_dYg = 0;
    Normalize();
}
