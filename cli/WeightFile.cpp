// Opening a weight file as the program's "Apri" does, for the batch commands.
#include "cli/WeightFile.h"

#include <cstdio>
#include <exception>

#include "document/File.h"
#include "model/LoadList.h"

void OpenWeightFile(const std::string& strPath, CLoadList& list)
{
    CFile file(InputPath(strPath), CFile::modeRead);
    list.ReadFrom(file);
    file.Close();
    list.RebuildAbscissae();
}

std::string InputPath(const std::string& strArg)
{
    return strArg == "-" ? "/dev/stdin" : strArg;
}

std::string OutputPath(const std::string& strArg)
{
    return strArg == "-" ? "/dev/stdout" : strArg;
}

int ReportFailure(const std::exception& error)
{
    std::fprintf(stderr, "scafometro-cli: %s\n", error.what());
    return 1;
}
