// scafometro-plot: the plot command of scafometro-cli, which starts it with the same arguments.
#include "cli/Commands.h"

int main(int argc, char** argv)
{
    return RunPlot(CArgs(argv + 1, argv + argc));
}
