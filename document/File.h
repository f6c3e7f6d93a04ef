// A file of raw bytes over the C library; every failure throws CFileException naming the file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

class CFile
{
public:
    enum OpenFlags : unsigned
    {
        modeRead = 0x1,
        // Creates the file, or truncates an existing one, for writing.
        modeCreateWrite = 0x2,
    };

    CFile() = default;
    CFile(const std::string& strPath, unsigned nFlags);
    // Closes without reporting: a caller that cares about the last bytes calls Close.
    virtual ~CFile();

    void Open(const std::string& strPath, unsigned nFlags);
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

    bool IsOpen() const { return m_pStream != nullptr; }
    const std::string& GetFilePath() const { return m_strPath; }
    // The name with its extension, without folders.
    std::string GetFileName() const;
    static std::string BareName(const std::string& strPath);

private:
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    void Fail(int nErrno) const;
    bool IsRegular() const;

    std::FILE* m_pStream = nullptr;
    std::string m_strPath;
    // Kept here rather than asked of the system: readers check lengths against the rest of the
    // file at every record, and a system call each time would cost more than the reading.
    std::uint64_t m_nPosition = 0;
    std::uint64_t m_nReadLength = 0;
    bool m_bReading = false;
};
