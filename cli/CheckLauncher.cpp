// scafometro-cli check --report: the report is drawn by scafometro-plot, which carries Qt.
#include <string>

#include "cli/Commands.h"

int WriteCheckReport(const CArgs& args, const CLoadingCheck&, const SCheckInputs&, const std::string&)
{
    // The helper checks the conditions again: that costs far less than Qt's start.
    return HandOverToPlotProgram("check", args);
}
