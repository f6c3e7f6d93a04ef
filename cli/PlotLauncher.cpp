// Handing the picture commands over to scafometro-plot, which carries Qt: keeping Qt out of
// scafometro-cli keeps every other command from paying for loading it at each start.
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

#include "cli/Commands.h"

namespace
{
// scafometro-plot beside this program's own file.
std::string PlotProgram()
{
    char szSelf[PATH_MAX];
    const ssize_t nLength = readlink("/proc/self/exe", szSelf, sizeof szSelf - 1);
    if (nLength <= 0)
        return "scafometro-plot";
    const std::string strSelf(szSelf, static_cast<size_t>(nLength));
    const size_t nSlash = strSelf.find_last_of('/');
    return strSelf.substr(0, nSlash + 1) + "scafometro-plot";
}
} // namespace

int HandOverToPlotProgram(const char* pszCommand, const CArgs& args)
{
    const std::string strProgram = PlotProgram();
    std::vector<std::string> words{strProgram, pszCommand};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& strWord : words)
        argv.push_back(&strWord[0]);
    argv.push_back(nullptr);
    std::fflush(nullptr);
    execv(strProgram.c_str(), argv.data());
    std::fprintf(stderr, "scafometro-cli: '%s' needs %s, from the build with Qt (SCAFOMETRO_GUI=ON): %s\n",
                 pszCommand, strProgram.c_str(), std::strerror(errno));
    return 1;
}

int LaunchPlot(const CArgs& args)
{
    return HandOverToPlotProgram("plot", args);
}
