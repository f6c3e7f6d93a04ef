// scafometro-cli: the program's file commands without its window, writing the same bytes.
#include <csignal>
#include <cstdio>
#include <cstring>

#include "cli/Commands.h"

int main(int argc, char** argv)
{
    // Beyond a file-size limit (ulimit -f) the write must fail with EFBIG, to be reported and its
    // temporary file removed, rather than the signal ending the program half way.
    std::signal(SIGXFSZ, SIG_IGN);
    if (argc < 2)
    {
        PrintHelp(stderr);
        return 2;
    }
    if (std::strcmp(argv[1], "--version") == 0)
    {
        std::printf("Scafometro %s\n", SCAFOMETRO_VERSION);
        return 0;
    }
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)
    {
        PrintHelp(stdout);
        return 0;
    }
    if (const SCommand* pCommand = FindCommand(argv[1]))
        return pCommand->pRun(CArgs(argv + 2, argv + argc));
    std::fprintf(stderr, "scafometro-cli: unknown command '%s'\n", argv[1]);
    PrintHelp(stderr);
    return 2;
}
