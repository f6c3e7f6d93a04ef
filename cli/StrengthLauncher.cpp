// scafometro-cli strength --plot and hydrostatics --plot: the pictures are drawn by scafometro-plot,
// which carries Qt.
#include <string>

#include "cli/Commands.h"

int WriteStrengthPicture(const CArgs& args, const CStrengthResult&, const std::string&, int, int)
{
    // The helper computes the result again: that costs far less than Qt's start.
    return HandOverToPlotProgram("strength", args);
}

int WriteCurvesOfFormPicture(const CArgs& args, const CCurvesOfForm&, const std::string&, int, int)
{
    return HandOverToPlotProgram("hydrostatics", args);
}
