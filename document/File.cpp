// A file of raw bytes over the C library.
#include "document/File.h"

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

#include "document/FileException.h"

CFile::CFile(const std::string& strPath, unsigned nFlags)
{
    Open(strPath, nFlags);
}

CFile::~CFile()
{
    if (m_pStream)
        std::fclose(m_pStream);
}

void CFile::Fail(int nErrno) const
{
    throw CFileException::FromErrno(m_strPath, nErrno ? nErrno : EIO);
}

void CFile::Open(const std::string& strPath, unsigned nFlags)
{
    if (m_pStream)
        Close();
    m_strPath = strPath;
    const char* pszMode = (nFlags & modeCreateWrite) ? "wb" : "rb";
    m_pStream = std::fopen(strPath.c_str(), pszMode);
    if (!m_pStream)
        Fail(errno);
    struct stat info;
    if (fstat(fileno(m_pStream), &info) == 0 && S_ISDIR(info.st_mode))
    {
        std::fclose(m_pStream);
        m_pStream = nullptr;
        Fail(EISDIR);
    }
    m_nPosition = 0;
    m_bReading = !(nFlags & modeCreateWrite);
    m_nReadLength = m_bReading && S_ISREG(info.st_mode) ? static_cast<std::uint64_t>(info.st_size) : 0;
}

size_t CFile::Read(void* pBuffer, size_t nCount)
{
    if (!m_pStream)
        Fail(EBADF);
    const size_t nRead = std::fread(pBuffer, 1, nCount, m_pStream);
    if (nRead < nCount && std::ferror(m_pStream))
        Fail(errno);
    m_nPosition += nRead;
    return nRead;
}

void CFile::Write(const void* pBuffer, size_t nCount)
{
    if (!m_pStream)
        Fail(EBADF);
    if (nCount == 0)
        return;
    if (std::fwrite(pBuffer, 1, nCount, m_pStream) != nCount)
        Fail(errno);
    m_nPosition += nCount;
}

bool CFile::IsRegular() const
{
    struct stat info;
    return fstat(fileno(m_pStream), &info) == 0 && S_ISREG(info.st_mode);
}

void CFile::SeekToBegin()
{
    if (!m_pStream)
        Fail(EBADF);
    if (!IsRegular())
        return;
    if (std::fseek(m_pStream, 0, SEEK_SET) != 0)
        Fail(errno);
    m_nPosition = 0;
}

void CFile::SetLength(std::uint64_t nLength)
{
    if (!m_pStream)
        Fail(EBADF);
    if (!IsRegular())
        return;
    if (std::fflush(m_pStream) != 0 || ftruncate(fileno(m_pStream), static_cast<off_t>(nLength)) != 0)
        Fail(errno);
}

std::uint64_t CFile::GetLength()
{
    if (!m_pStream)
        Fail(EBADF);
    if (m_bReading)
        return m_nReadLength;
    struct stat info;
    if (fstat(fileno(m_pStream), &info) != 0)
        Fail(errno);
    if (!S_ISREG(info.st_mode))
        return 0;
    // Bytes still in the write buffer belong to the file too.
    return std::max<std::uint64_t>(static_cast<std::uint64_t>(info.st_size), m_nPosition);
}

std::uint64_t CFile::GetPosition()
{
    if (!m_pStream)
        Fail(EBADF);
    return m_nPosition;
}

void CFile::Flush()
{
    if (!m_pStream)
        Fail(EBADF);
    if (std::fflush(m_pStream) != 0)
        Fail(errno);
}

void CFile::Close()
{
    if (!m_pStream)
        return;
    std::FILE* pStream = m_pStream;
    m_pStream = nullptr;
    // A full disk often shows only here, when the last buffer goes out.
    errno = 0;
    const bool bFailed = std::ferror(pStream) != 0;
    if (std::fclose(pStream) != 0 || bFailed)
        Fail(errno);
}

std::string CFile::BareName(const std::string& strPath)
{
    const size_t nSlash = strPath.find_last_of('/');
    return nSlash == std::string::npos ? strPath : strPath.substr(nSlash + 1);
}

std::string CFile::GetFileName() const
{
    return BareName(m_strPath);
}
