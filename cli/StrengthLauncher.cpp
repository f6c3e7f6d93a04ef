// scafometro-cli strength --plot: the picture is drawn by scafometro-plot, which carries Qt.
#include <string>

#include "cli/Commands.h"

int WriteStrengthPicture(const CArgs& args, const CStrengthResult&, const std::string&, int, int)
{
    // The helper computes the result again: that costs far less than Qt's start.
    return HandOverToPlotProgram("strength", args);
}
