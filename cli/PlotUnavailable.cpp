// scafometro-cli plot in a build without Qt: pictures are drawn by the Qt layer.
#include <cstdio>

#include "cli/Commands.h"

int RunPlot(const CArgs&)
{
    std::fprintf(stderr, "scafometro-cli: 'plot' needs the build with Qt (SCAFOMETRO_GUI=ON)\n");
    return 1;
}
