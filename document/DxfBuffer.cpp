// DXF entities written straight into one large buffer.
#include "document/DxfBuffer.h"

#include <charconv>
#include <cstring>

#include "document/DxfFile.h"
#include "model/NumberFormat.h"
#include "view/Vector3.h"

namespace
{
// A group code or fixed value with its line end; the literal's own length, without the NUL.
template <size_t N> char* Put(char* p, const char (&szText)[N])
{
    std::memcpy(p, szText, N - 1);
    return p + N - 1;
}

char* PutNumber(char* p, double dValue)
{
    return Put(CNumberFormat::WriteFixed8(p, dValue), "\r\n");
}

char* PutColour(char* p, int nColour)
{
    p = Put(p, "  62\r\n");
    return Put(std::to_chars(p, p + 11, nColour).ptr, "\r\n");
}

char* PutEnds(char* p, const CVector3& start, const CVector3& end)
{
    p = PutNumber(Put(p, "  10\r\n"), start.GetX());
    p = PutNumber(Put(p, "  20\r\n"), start.GetY());
    p = PutNumber(Put(p, "  30\r\n"), start.GetZ());
    p = PutNumber(Put(p, "  11\r\n"), end.GetX());
    p = PutNumber(Put(p, "  21\r\n"), end.GetY());
    return PutNumber(Put(p, "  31\r\n"), end.GetZ());
}

// Generously more than the group codes, names and colour of any entity, beside its numbers.
constexpr size_t kEntityFrame = 256;
constexpr size_t kNumberRoom = CNumberFormat::kFixed8Room + 2;
} // namespace

CDxfBuffer::CDxfBuffer(CDxfFile& file, size_t nCapacity) : m_file(file), m_bytes(nCapacity) {}

char* CDxfBuffer::Room(size_t nBytes)
{
    if (m_nUsed + nBytes > m_bytes.size())
    {
        Flush();
        if (nBytes > m_bytes.size())
            m_bytes.resize(nBytes);
    }
    return m_bytes.data() + m_nUsed;
}

void CDxfBuffer::Flush()
{
    if (m_nUsed == 0)
        return;
    m_file.Write(m_bytes.data(), m_nUsed);
    m_nUsed = 0;
}

void CDxfBuffer::Line(const CVector3& start, const CVector3& end)
{
    char* p = Put(Room(kEntityFrame + 6 * kNumberRoom), "  0\r\nLINE\r\n  8\r\nDEFAULT\r\n");
    Commit(PutEnds(p, start, end));
}

void CDxfBuffer::Line(const CVector3& start, const CVector3& end, int nColour)
{
    char* p = Put(Room(kEntityFrame + 6 * kNumberRoom), "  0\r\nLINE\r\n  8\r\nDEFAULT\r\n");
    Commit(PutEnds(PutColour(p, nColour), start, end));
}

void CDxfBuffer::Text(const std::string& strText, const CVector3& insertion, double dHeight, int nColour)
{
    char* p = Put(Room(kEntityFrame + 4 * kNumberRoom + strText.size()),
                  " 0\r\nTEXT\r\n 8\r\nDEFAULT\r\n 6\r\nCONTINUOUS\r\n");
    p = Put(PutColour(p, nColour), "100\r\nAcDbText\r\n");
    p = PutNumber(Put(p, " 10\r\n"), insertion.GetX());
    p = PutNumber(Put(p, " 20\r\n"), insertion.GetY());
    p = PutNumber(Put(p, " 30\r\n"), insertion.GetZ());
    p = PutNumber(Put(p, " 40\r\n"), dHeight);
    // A value is one DXF line: a line break inside the text would end it early and turn the rest
    // into group codes, so the drawing would no longer parse.
    p = Put(p, " 1\r\n");
    for (char ch : strText)
        *p++ = ch == '\r' || ch == '\n' ? ' ' : ch;
    Commit(Put(p, "\r\n 7\r\nSTANDARD\r\n100\r\nAcDbText\r\n"));
}
