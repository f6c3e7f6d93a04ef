// Writing through a temporary file beside the target, renamed over it on success.
#include "document/SafeOutput.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <new>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

#include "document/File.h"
#include "document/FileException.h"

namespace
{
std::string Folder(const std::string& strPath)
{
    const size_t nSlash = strPath.find_last_of('/');
    if (nSlash == std::string::npos)
        return ".";
    return nSlash == 0 ? "/" : strPath.substr(0, nSlash);
}

// Names of descriptors (/dev/stdout, /dev/fd/3) and the process folder (/proc/self/fd/3) lead to
// streams the caller already holds open: whatever they lead to is written in place, never
// replaced. Anything else under /dev/ is what it is: a device is written in place, a regular file
// (in /dev/shm) is replaced like any other.
bool IsStreamPath(const std::string& strPath)
{
    return CFile::NamedDescriptor(strPath) >= 0 || strPath.compare(0, 6, "/proc/") == 0;
}
} // namespace

CSafeOutput::CSafeOutput(const std::string& strTarget) : m_strTarget(strTarget), m_strFinal(strTarget)
{
    struct stat info;
    if (IsStreamPath(strTarget) || (stat(strTarget.c_str(), &info) == 0 && !S_ISREG(info.st_mode)))
    {
        m_bDirect = true;
        return;
    }
    // A link keeps pointing where it did: the file it leads to is the one replaced.
    struct stat linkInfo;
    if (lstat(strTarget.c_str(), &linkInfo) == 0 && S_ISLNK(linkInfo.st_mode))
    {
        char szReal[PATH_MAX];
        if (realpath(strTarget.c_str(), szReal))
            m_strFinal = szReal;
    }
}

void CSafeOutput::Write(const std::string& strPath, CFile& file, const std::function<void()>& write)
{
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
            throw output.Retarget(error);
        }
    }
    catch (const std::bad_alloc&)
    {
        throw CFileException(strPath, "not enough memory", ENOMEM);
    }
}

CSafeOutput::~CSafeOutput()
{
    if (!m_bCommitted && !m_strTemporary.empty())
        unlink(m_strTemporary.c_str());
}

void CSafeOutput::CreateTemporary()
{
    const std::string strFolder = Folder(m_strFinal);
    const std::string strBase = CFile::BareName(m_strFinal);
    // The file replaced keeps its permissions; a new one gets those the user's umask gives.
    struct stat info;
    const bool bExists = stat(m_strFinal.c_str(), &info) == 0;
    std::random_device device;
    std::mt19937 generator(device());
    for (int nTry = 0; nTry < 100; ++nTry)
    {
        const std::string strPath =
            strFolder + "/." + strBase + ".tmp" + std::to_string(generator() % 1000000);
        const int fd = open(strPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd < 0)
            throw CFileException::FromErrno(m_strTarget, errno);
        if (bExists)
            fchmod(fd, info.st_mode & 07777);
        close(fd);
        m_strTemporary = strPath;
        return;
    }
    throw CFileException::FromErrno(m_strTarget, EEXIST);
}

void CSafeOutput::Open(CFile& file)
{
    if (m_bDirect)
    {
        file.Open(m_strTarget, CFile::modeCreateWrite);
        return;
    }
    CreateTemporary();
    try
    {
        file.Open(m_strTemporary, CFile::modeCreateWrite);
    }
    catch (const CFileException& error)
    {
        throw Retarget(error);
    }
}

void CSafeOutput::Commit(CFile& file)
{
    try
    {
        file.Close();
    }
    catch (const CFileException& error)
    {
        throw Retarget(error);
    }
    if (m_bDirect)
    {
        m_bCommitted = true;
        return;
    }
    // On disk before it takes the target's place, so that a crash leaves the old file or the
    // new one, never an empty one.
    const int fd = open(m_strTemporary.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 || fsync(fd) != 0)
    {
        const int nError = errno;
        if (fd >= 0)
            close(fd);
        throw CFileException::FromErrno(m_strTarget, nError);
    }
    close(fd);
    if (rename(m_strTemporary.c_str(), m_strFinal.c_str()) != 0)
        throw CFileException::FromErrno(m_strTarget, errno);
    m_bCommitted = true;
}

CFileException CSafeOutput::Retarget(const CFileException& error) const
{
    if (error.GetPath() != m_strTemporary || m_strTemporary.empty())
        return error;
    return CFileException(m_strTarget, error.GetCause(), error.GetErrno());
}
