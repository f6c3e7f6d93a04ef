// The one error of file access: which file, and why.
#pragma once

#include <stdexcept>
#include <string>

class CFileException : public std::runtime_error
{
public:
    CFileException(const std::string& strPath, const std::string& strCause);
    // The cause from the C library's error number.
    static CFileException FromErrno(const std::string& strPath, int nErrno);

    const std::string& GetPath() const { return m_strPath; }
    const std::string& GetCause() const { return m_strCause; }

private:
    std::string m_strPath;
    std::string m_strCause;
};
