// Writing a file so that a failed write never leaves a half-written or lost target behind.
#pragma once

#include <functional>
#include <string>

class CFile;
class CFileException;

// A regular (or new) target is written through a temporary file beside it, which replaces the
// target only once it is complete and on disk, and is removed otherwise. A target that is not a
// regular file (a device, a pipe, /dev/stdout) is written directly and never replaced.
class CSafeOutput
{
public:
    explicit CSafeOutput(const std::string& strTarget);
    // The whole of it: opens file on strPath, runs write, and puts the result in place. Throws
    // CFileException naming strPath and the cause (ENOMEM for memory), the target untouched.
    static void Write(const std::string& strPath, CFile& file, const std::function<void()>& write);
    // Removes the temporary file when Commit has not run.
    virtual ~CSafeOutput();

    // Opens file for writing on the temporary file, or on the target itself.
    void Open(CFile& file);
    // Closes file and puts it in place of the target.
    void Commit(CFile& file);
    // The same failure, naming the target rather than the temporary file.
    CFileException Retarget(const CFileException& error) const;

    const std::string& GetTarget() const { return m_strTarget; }
    bool IsDirect() const { return m_bDirect; }

private:
    CSafeOutput(const CSafeOutput&) = delete;
    CSafeOutput& operator=(const CSafeOutput&) = delete;

    void CreateTemporary();

    std::string m_strTarget;
    // The file that the target's name leads to, symbolic links followed.
    std::string m_strFinal;
    std::string m_strTemporary;
    bool m_bDirect = false;
    bool m_bCommitted = false;
};
