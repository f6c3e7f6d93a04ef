// The one error of file access: which file, and why.
#pragma once

#include <stdexcept>
#include <string>

class CFileException : public std::runtime_error
{
public:
    // nErrno is the C library's error number behind the cause, 0 when there is none.
    CFileException(const std::string& strPath, const std::string& strCause, int nErrno = 0);
    // The cause from the C library's error number.
    static CFileException FromErrno(const std::string& strPath, int nErrno);

    const std::string& GetPath() const { return m_strPath; }
    const std::string& GetCause() const { return m_strCause; }
    int GetErrno() const { return m_nErrno; }

private:
    std::string m_strPath;
    std::string m_strCause;
    int m_nErrno = 0;
};
