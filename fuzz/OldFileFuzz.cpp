// Fuzz target: the old ".p" reader. A file it accepts saves as ".p3d" and reads back to
// the same loads, without YG; one it refuses leaves the list as it was.
#include <cstddef>
#include <cstdint>

#include "fuzz/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    return fuzzcheck::CheckReader(pData, nSize, "fuzz.p", &CLoadList::ReadOldFrom, [](const CLoad& load) {
        fuzzcheck::Check(load.m_dYg == 0, "an old record has no YG");
    });
}
