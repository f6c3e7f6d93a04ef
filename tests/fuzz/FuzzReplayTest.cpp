// Replays a fuzz target's seed corpus and the inputs of its past findings: the target's own checks
// stop the run on a broken rule, and under the sanitizers any undefined behaviour or leak does.
#include <cstdint>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

#include "TestSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize);

TEST(FuzzReplay, EveryKeptInputRunsClean)
{
    int nInputs = 0;
    for (const char* pszFolder : {SCAFOMETRO_FUZZ_CORPUS, SCAFOMETRO_FUZZ_REGRESSIONS})
    {
        if (!std::filesystem::is_directory(pszFolder))
            continue;
        for (const std::filesystem::directory_entry& entry : std::filesystem::directory_iterator(pszFolder))
        {
            if (!entry.is_regular_file() || entry.path().filename() == "README.md")
                continue;
            SCOPED_TRACE(entry.path().string());
            const std::string strBytes = testsupport::ReadBytes(entry.path());
            EXPECT_EQ(LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(strBytes.data()),
                                             strBytes.size()),
                      0);
            ++nInputs;
        }
    }
    EXPECT_GT(nInputs, 0) << "the seed corpus is missing";
}
