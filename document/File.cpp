// A file of raw bytes over the C library.
#include "document/File.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
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

void CFile::FailUnlessOpen() const
{
    if (!IsOpen())
        Fail(EBADF);
}

void CFile::Open(const std::string& strPath, unsigned nFlags)
{
    if (IsOpen())
        Close();
    m_strPath = strPath;
    m_strBytes.clear();
    m_bInMemory = false;
    const char* pszMode = (nFlags & modeCreateWrite) ? "wb" : "rb";
    // Reopening /dev/stdout would truncate a file the shell opened for appending, and reopening
    // /dev/stdin would start a redirected file over: the descriptor itself is used.
    const int nDescriptor = NamedDescriptor(strPath);
    if (nDescriptor >= 0)
    {
        const int fd = fcntl(nDescriptor, F_DUPFD_CLOEXEC, 0);
        if (fd < 0)
            Fail(errno);
        m_pStream = fdopen(fd, pszMode);
        if (!m_pStream)
        {
            const int nError = errno;
            close(fd);
            Fail(nError);
        }
    }
    else
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
    if (m_bReading && (nDescriptor >= 0 || !S_ISREG(info.st_mode)))
        ReadStreamIntoMemory();
}

void CFile::ReadStreamIntoMemory()
{
    std::string strBytes;
    char buffer[1 << 16];
    size_t nRead;
    while ((nRead = std::fread(buffer, 1, sizeof buffer, m_pStream)) > 0)
    {
        if (strBytes.size() + nRead > kLargestStream)
        {
            std::fclose(m_pStream);
            m_pStream = nullptr;
            throw CFileException(m_strPath, "too large to read from a stream (more than 256 MB)");
        }
        strBytes.append(buffer, nRead);
    }
    const int nError = std::ferror(m_pStream) ? errno : 0;
    std::fclose(m_pStream);
    m_pStream = nullptr;
    if (nError)
        Fail(nError);
    OpenBytes(m_strPath, std::move(strBytes));
}

void CFile::OpenBytes(const std::string& strPath, std::string strBytes)
{
    if (IsOpen())
        Close();
    m_strPath = strPath;
    m_strBytes = std::move(strBytes);
    m_bInMemory = true;
    m_bReading = true;
    m_nPosition = 0;
    m_nReadLength = m_strBytes.size();
}

size_t CFile::Read(void* pBuffer, size_t nCount)
{
    FailUnlessOpen();
    if (m_bInMemory)
    {
        const size_t nRead =
            static_cast<size_t>(std::min<std::uint64_t>(nCount, m_nReadLength - m_nPosition));
        if (nRead > 0)
            std::memcpy(pBuffer, m_strBytes.data() + m_nPosition, nRead);
        m_nPosition += nRead;
        if (m_pProgress)
            m_pProgress->OnProgress(*this);
        return nRead;
    }
    const size_t nRead = std::fread(pBuffer, 1, nCount, m_pStream);
    if (nRead < nCount && std::ferror(m_pStream))
        Fail(errno);
    m_nPosition += nRead;
    if (m_pProgress)
        m_pProgress->OnProgress(*this);
    return nRead;
}

void CFile::Write(const void* pBuffer, size_t nCount)
{
    FailUnlessOpen();
    if (m_bInMemory)
        Fail(EBADF);
    if (nCount == 0)
        return;
    if (std::fwrite(pBuffer, 1, nCount, m_pStream) != nCount)
        Fail(errno);
    m_nPosition += nCount;
    if (m_pProgress)
        m_pProgress->OnProgress(*this);
}

bool CFile::IsRegular() const
{
    if (m_bInMemory)
        return false;
    struct stat info;
    return fstat(fileno(m_pStream), &info) == 0 && S_ISREG(info.st_mode);
}

void CFile::SeekToBegin()
{
    FailUnlessOpen();
    if (m_bInMemory)
        m_nPosition = 0;
    if (!IsRegular())
        return;
    if (std::fseek(m_pStream, 0, SEEK_SET) != 0)
        Fail(errno);
    m_nPosition = 0;
}

void CFile::SetLength(std::uint64_t nLength)
{
    FailUnlessOpen();
    if (!IsRegular())
        return;
    if (std::fflush(m_pStream) != 0 || ftruncate(fileno(m_pStream), static_cast<off_t>(nLength)) != 0)
        Fail(errno);
}

std::uint64_t CFile::GetLength()
{
    FailUnlessOpen();
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
    FailUnlessOpen();
    return m_nPosition;
}

void CFile::Flush()
{
    FailUnlessOpen();
    if (m_bInMemory)
        return;
    if (std::fflush(m_pStream) != 0)
        Fail(errno);
}

void CFile::Close()
{
    if (m_bInMemory)
    {
        m_bInMemory = false;
        std::string().swap(m_strBytes);
        return;
    }
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

int CFile::NamedDescriptor(const std::string& strPath)
{
    if (strPath == "/dev/stdin")
        return 0;
    if (strPath == "/dev/stdout")
        return 1;
    if (strPath == "/dev/stderr")
        return 2;
    std::string strNumber;
    for (const char* pszPrefix : {"/dev/fd/", "/proc/self/fd/"})
    {
        if (strPath.compare(0, std::strlen(pszPrefix), pszPrefix) == 0)
            strNumber = strPath.substr(std::strlen(pszPrefix));
    }
    if (strNumber.empty() || strNumber.size() > 9 ||
        strNumber.find_first_not_of("0123456789") != std::string::npos)
        return -1;
    return std::stoi(strNumber);
}
