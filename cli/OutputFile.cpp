// Writing the output file of a batch command.
#include "cli/OutputFile.h"

#include <new>

#include "cli/WeightFile.h"
#include "document/File.h"
#include "document/FileException.h"
#include "document/SafeOutput.h"

int WriteOutputFile(const std::string& strArg, CFile& file, const std::function<void()>& write)
{
    const std::string strPath = OutputPath(strArg);
    try
    {
        CSafeOutput output(strPath);
        try
        {
            output.Open(file);
            write();
            output.Commit(file);
        }
        catch (const CFileException& error)
        {
            return ReportFailure(output.Retarget(error));
        }
    }
    catch (const CFileException& error)
    {
        return ReportFailure(error);
    }
    catch (const std::bad_alloc&)
    {
        return ReportFailure(CFileException(strPath, "not enough memory"));
    }
    return 0;
}
