// A file of raw bytes over the C library; every failure throws CFileException naming the file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

class CFile;

// Told after every read and write of a file it watches: a window shows the work's progress with
// it, and cancels the work by throwing from OnProgress.
class CFileProgress
{
public:
    virtual ~CFileProgress() = default;
    virtual void OnProgress(CFile& file) = 0;
};

class CFile
{
public:
    enum OpenFlags : unsigned
    {
        modeRead = 0x1,
        // Creates the file, or truncates an existing one, for writing.
        modeCreateWrite = 0x2,
    };
    // The most a stream that is not a regular file may hold to be read.
    static constexpr std::uint64_t kLargestStream = std::uint64_t(256) << 20;

    CFile() = default;
    CFile(const std::string& strPath, unsigned nFlags);
    // Closes without reporting: a caller that cares about the last bytes calls Close.
    virtual ~CFile();

    // Reading a stream that is not a regular file (a pipe, /dev/stdin) takes it whole into
    // memory first, so that the readers can check lengths against its size; above
    // kLargestStream bytes it is refused. Writing to a name for a descriptor this process
    // already holds (/dev/stdout, /dev/fd/N) writes to that descriptor as it stands, never
    // reopening, and so never truncating, what lies behind it.
    void Open(const std::string& strPath, unsigned nFlags);
    // Reads strBytes as the contents of a file named strPath.
    void OpenBytes(const std::string& strPath, std::string strBytes);
    // Reads up to nCount bytes; fewer only at the end of the file.
    size_t Read(void* pBuffer, size_t nCount);
    void Write(const void* pBuffer, size_t nCount);
    void Write(const std::string& strBytes) { Write(strBytes.data(), strBytes.size()); }
    // Neither applies to a pipe or a device, which have no start and no length: both do nothing there.
    void SeekToBegin();
    void SetLength(std::uint64_t nLength);
    std::uint64_t GetLength();
    std::uint64_t GetPosition();
    void Flush();
    void Close();

    // Kept across Open and Close; none by default.
    void SetProgress(CFileProgress* pProgress) { m_pProgress = pProgress; }
    bool IsReading() const { return m_bReading; }
    bool IsOpen() const { return m_pStream != nullptr || m_bInMemory; }
    const std::string& GetFilePath() const { return m_strPath; }
    // The name with its extension, without folders.
    std::string GetFileName() const;
    static std::string BareName(const std::string& strPath);
    // The descriptor that /dev/stdin, /dev/stdout, /dev/stderr, /dev/fd/N or /proc/self/fd/N
    // names, or -1 for any other path.
    static int NamedDescriptor(const std::string& strPath);

private:
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    void Fail(int nErrno) const;
    void FailUnlessOpen() const;
    bool IsRegular() const;
    void ReadStreamIntoMemory();

    std::FILE* m_pStream = nullptr;
    std::string m_strPath;
    // Kept here rather than asked of the system: readers check lengths against the rest of the
    // file at every record, and a system call each time would cost more than the reading.
    std::uint64_t m_nPosition = 0;
    std::uint64_t m_nReadLength = 0;
    bool m_bReading = false;
    // A stream read whole, and read from here instead.
    std::string m_strBytes;
    bool m_bInMemory = false;
    CFileProgress* m_pProgress = nullptr;
};
