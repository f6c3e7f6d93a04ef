// Fuzz target: the ".p3d" reader. A file it accepts holds finite numbers, saves and reads back to
// the same loads; one it refuses leaves the list as it was.
#include <cstddef>
#include <cstdint>

#include "fuzz/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    return fuzzcheck::CheckReader(pData, nSize, "fuzz.p3d", &CLoadList::ReadFrom, [](const CLoad&) {});
}
