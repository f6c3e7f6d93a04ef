// The one error of file access: which file, and why.
#include "document/FileException.h"

#include <cstring>

CFileException::CFileException(const std::string& strPath, const std::string& strCause, int nErrno)
    : std::runtime_error(strPath + ": " + strCause), m_strPath(strPath), m_strCause(strCause), m_nErrno(nErrno)
{
}

CFileException CFileException::FromErrno(const std::string& strPath, int nErrno)
{
    return CFileException(strPath, std::strerror(nErrno), nErrno);
}
