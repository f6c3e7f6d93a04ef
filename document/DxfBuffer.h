// DXF entities gathered in one large buffer and handed to the file a buffer at a time: a drawing
// of a thousand loads holds millions of numbers, and a write for each entity would cost more
// than making them.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

class CDxfFile;
class CVector3;

class CDxfBuffer
{
public:
    static constexpr size_t kCapacity = size_t(1) << 20;

    // The bytes go to file when the next entity would not fit in nCapacity bytes, and at Flush;
    // an entity larger than that is given room of its own.
    explicit CDxfBuffer(CDxfFile& file, size_t nCapacity = kCapacity);

    // The entities of CDxfFile's WriteLine and WriteText, byte for byte.
    void Line(const CVector3& start, const CVector3& end);
    void Line(const CVector3& start, const CVector3& end, int nColour);
    void Text(const std::string& strText, const CVector3& insertion, double dHeight, int nColour);
    // Hands what the buffer holds to the file. Bytes not flushed never reach it.
    void Flush();

private:
    CDxfBuffer(const CDxfBuffer&) = delete;
    CDxfBuffer& operator=(const CDxfBuffer&) = delete;

    // Where the next nBytes at most go; Commit then takes the end of what was written there.
    char* Room(size_t nBytes);
    void Commit(const char* pEnd) { m_nUsed = static_cast<size_t>(pEnd - m_bytes.data()); }

    CDxfFile& m_file;
    std::vector<char> m_bytes;
    size_t m_nUsed = 0;
};
