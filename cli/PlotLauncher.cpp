// scafometro-cli plot and strength --plot: pictures are drawn by scafometro-plot, which carries Qt.
// Keeping Qt out of scafometro-cli keeps every other command from paying for loading it at each start.
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

// Starts scafometro-plot with the command's name and its arguments; returns only when it cannot.
int HandOver(const char* pszCommand, const CArgs& args)
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
} // namespace

int RunPlot(const CArgs& args)
{
    return HandOver("plot", args);
}

int WriteStrengthPicture(const CArgs& args, const CStrengthResult&, const std::string&, int, int)
{
    // The helper computes the result again: that costs far less than Qt's start.
    return HandOver("strength", args);
}
