// Writing a file of the program through a temporary file.
#include "platform/SafeWrite.h"

#include <cerrno>
#include <new>

#include "document/File.h"
#include "document/FileException.h"
#include "document/SafeOutput.h"

void WriteSafely(const std::string& strPath, CFile& file, const std::function<void()>& write)
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
        throw output.Retarget(error);
    }
    catch (const std::bad_alloc&)
    {
        throw CFileException(strPath, "not enough memory", ENOMEM);
    }
}
