// scafometro-plot: the batch tool's commands that draw pictures (plot, strength --plot, hydrostatics --plot),
// started by scafometro-cli with the command's name and its arguments.
#include <cstdio>
#include <cstring>

#include "cli/Commands.h"

int main(int argc, char** argv)
{
    if (argc >= 2)
    {
        // The table's plot hands over to this program; here the picture is drawn.
        if (std::strcmp(argv[1], "plot") == 0)
            return RunPlot(CArgs(argv + 2, argv + argc));
        if (const SCommand* pCommand = FindCommand(argv[1]))
            return pCommand->pRun(CArgs(argv + 2, argv + argc));
    }
    std::fprintf(stderr,
                 "scafometro-plot: started by scafometro-cli, as scafometro-plot COMMAND ARGUMENTS...\n");
    return 2;
}
