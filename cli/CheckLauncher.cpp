// scafometro-cli check --report and strength --plot with the standard input among their inputs:
// the whole command is handed over to scafometro-plot, which carries Qt, before anything is read.
#include <string>

#include "cli/Commands.h"

int HandOverBeforeReading(const char* pszCommand, const CArgs& args)
{
    // The helper reads the inputs and computes everything itself: that costs far less than Qt's start.
    return HandOverToPlotProgram(pszCommand, args);
}

int WriteCheckReport(const CArgs& args, const CLoadingCheck&, const SCheckInputs&, const std::string&)
{
    return HandOverBeforeReading("check", args);
}
