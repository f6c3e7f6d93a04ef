// Commands whose work has not been built yet: each says so and fails.
#include <cstdio>

#include "cli/Commands.h"

namespace
{
int NotBuilt(const char* pszName)
{
    std::fprintf(stderr, "scafometro-cli: '%s' is not available yet\n", pszName);
    return 1;
}
} // namespace

int RunPlot(const CArgs&)
{
    return NotBuilt("plot");
}
