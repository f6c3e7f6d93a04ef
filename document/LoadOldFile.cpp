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
    const std::int32_t nLength = CBinaryIo::ReadInt32(file);
    if (nLength > 0 && static_cast<std::uint64_t>(nLength) + kRecordNumbers > CBinaryIo::Remaining(file))
        throw CBinaryIo::Corrupt(file, "a load name runs past its end");
    m_strName = CBinaryIo::ReadBytes(file, nLength);
    m_dWeight = CBinaryIo::ReadFiniteDouble(file);
    m_dX1 = CBinaryIo::ReadFiniteDouble(file);
    m_dX2 = CBinaryIo::ReadFiniteDouble(file);
    m_dXgRel = CBinaryIo::ReadFiniteDouble(file);
    m_dZg = CBinaryIo::ReadFiniteDouble(file);
    m_dYg = 0;
    Normalize();
}
