// The batch commands of scafometro-cli; each takes the words after its name and returns the
// exit status (0 done, 1 failed, 2 usage; check gives 3 for a
// condition outside the limits).
#pragma once

#include <cstdio>
#include <string>
#include <vector>

using CArgs = std::vector<std::string>;

struct SCommand
{
    const char* pszName;
    const char* pszUsage;
    const char* pszHelp;
    int (*pRun)(const CArgs& args);
};

int RunTotals(const CArgs& args);
int RunExportLoads(const CArgs& args);
int RunExportResultant(const CArgs& args);
int RunExportCsv(const CArgs& args);
int RunExportDxf(const CArgs& args);
int RunExportDetailedDxf(const CArgs& args);
int RunImportOld(const CArgs& args);
int RunMergeAll(const CArgs& args);
int RunMergeEquivalent(const CArgs& args);
int RunImportTable(const CArgs& args);
// The table's plot command hands over to scafometro-plot (cli/PlotLauncher.cpp), whose own
// command draws the picture (cli/PlotCommand.cpp).
int LaunchPlot(const CArgs& args);
int RunPlot(const CArgs& args);
// Starts scafometro-plot beside this program with the command's name and its arguments; returns 1
// only when it cannot start.
int HandOverToPlotProgram(const char* pszCommand, const CArgs& args);
// Called by a command that draws through scafometro-plot before it reads any input, since the
// standard input can be read only once: scafometro-cli hands the whole command over and returns
// only when scafometro-plot cannot start (1); scafometro-plot returns -1 and goes on to draw.
int HandOverBeforeReading(const char* pszCommand, const CArgs& args);
int RunStrength(const CArgs& args);
int RunExportStations(const CArgs& args);
int RunGroups(const CArgs& args);
int RunHydrostatics(const CArgs& args);

class CStrengthResult;
// The strength command's picture. scafometro-plot draws it and returns 0, or 1 after saying why
// on stderr; scafometro-cli, which carries no Qt, hands the whole command with its arguments over
// to scafometro-plot instead, and returns only when that cannot start (cli/StrengthLauncher.cpp).
int WriteStrengthPicture(const CArgs& args, const CStrengthResult& result, const std::string& strPath,
                         int nWidth, int nHeight);

int RunCheck(const CArgs& args);
class CLoadingCheck;
struct SCheckInputs;
// The check command's report, drawn by scafometro-plot as WriteStrengthPicture's picture is: 0, or
// 1 after saying why on stderr; scafometro-cli hands the whole command over (cli/CheckLauncher.cpp).
int WriteCheckReport(const CArgs& args, const CLoadingCheck& check, const SCheckInputs& inputs,
                     const std::string& strPath);

// Prints "usage: scafometro-cli <usage of the command>" on stderr and returns 2.
int UsageError(const char* pszCommand);
// Every command with its usage and what it does.
void PrintHelp(std::FILE* pStream);
const SCommand* FindCommand(const char* pszName);

class CCurvesOfForm;
// The hydrostatics command's picture of the curves of form, drawn and handed over as the strength
// command's picture is.
int WriteCurvesOfFormPicture(const CArgs& args, const CCurvesOfForm& curves, const std::string& strPath,
                             int nWidth, int nHeight);
