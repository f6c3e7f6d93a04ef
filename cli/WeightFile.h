// Opening a weight file as the program's "Apri" does, for the batch commands.
#pragma once

#include <string>

class CLoadList;

// Reads the ".p3d" file into list, then rebuilds the abscissae as the first redraw does.
// Throws CFileException on a file that cannot be read or is corrupt.
void OpenWeightFile(const std::string& strPath, CLoadList& list);
// "-" as an input is the standard input, as an output the standard output; any other word is
// the path it names.
std::string InputPath(const std::string& strArg);
std::string OutputPath(const std::string& strArg);
// Prints the file error on stderr; returns the failure status 1.
int ReportFailure(const std::exception& error);
