// Writing the output file of a batch command.
#include "cli/OutputFile.h"

#include "cli/WeightFile.h"
#include "document/File.h"
#include "document/FileException.h"
#include "document/SafeOutput.h"

int WriteOutputFile(const std::string& strArg, CFile& file, const std::function<void()>& write)
{
    try
    {
        CSafeOutput::Write(OutputPath(strArg), file, write);
    }
    catch (const CFileException& error)
    {
        return ReportFailure(error);
    }
    return 0;
}
