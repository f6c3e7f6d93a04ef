// Little-endian integers and doubles of the weight files.
#include "document/BinaryIo.h"

#include <cmath>
#include <cstring>

#include "document/File.h"
#include "document/FileException.h"

CFileException CBinaryIo::Corrupt(const CFile& file, const std::string& strDetail)
{
    return CFileException(file.GetFilePath(), "corrupt file (" + strDetail + ")");
}

std::uint64_t CBinaryIo::Remaining(CFile& file)
{
    const std::uint64_t nLength = file.GetLength();
    const std::uint64_t nPosition = file.GetPosition();
    return nLength > nPosition ? nLength - nPosition : 0;
}

std::int32_t CBinaryIo::ReadInt32(CFile& file)
{
    unsigned char bytes[4];
    if (file.Read(bytes, 4) != 4)
        throw Corrupt(file, "it ends early");
    const std::uint32_t nValue = std::uint32_t(bytes[0]) | std::uint32_t(bytes[1]) << 8 |
                                 std::uint32_t(bytes[2]) << 16 | std::uint32_t(bytes[3]) << 24;
    std::int32_t nSigned;
    std::memcpy(&nSigned, &nValue, 4);
    return nSigned;
}

double CBinaryIo::ReadDouble(CFile& file)
{
    unsigned char bytes[8];
    if (file.Read(bytes, 8) != 8)
        throw Corrupt(file, "it ends early");
    std::uint64_t nBits = 0;
    for (int i = 7; i >= 0; --i)
        nBits = nBits << 8 | bytes[i];
    double dValue;
    std::memcpy(&dValue, &nBits, 8);
    return dValue;
}

double CBinaryIo::ReadFiniteDouble(CFile& file)
{
    const double dValue = ReadDouble(file);
    if (!std::isfinite(dValue))
        throw Corrupt(file, "a number is not finite");
    return dValue;
}

std::string CBinaryIo::ReadBytes(CFile& file, std::int32_t nCount)
{
    if (nCount <= 0)
        return std::string();
    if (static_cast<std::uint64_t>(nCount) > Remaining(file))
        throw Corrupt(file, "a length runs past its end");
    std::string strBytes(static_cast<size_t>(nCount), '\0');
    if (file.Read(&strBytes[0], strBytes.size()) != strBytes.size())
        throw Corrupt(file, "it ends early");
    return strBytes;
}

std::string CBinaryIo::ReadHeader(CFile& file)
{
    const std::int32_t nLength = ReadInt32(file);
    if (nLength < 0)
        throw Corrupt(file, "negative header length");
    std::string strHeader = ReadBytes(file, nLength);
    const size_t nZero = strHeader.find('\0');
    if (nZero != std::string::npos)
        strHeader.resize(nZero);
    return strHeader;
}

std::int32_t CBinaryIo::ReadCount(CFile& file, std::uint64_t nSmallestRecord)
{
    const std::int32_t nCount = ReadInt32(file);
    if (nCount > 0 && static_cast<std::uint64_t>(nCount) > Remaining(file) / nSmallestRecord)
        throw Corrupt(file, "more loads announced than the file holds");
    return nCount;
}

std::string CBinaryIo::ReadName(CFile& file, std::uint64_t nNumberBytes)
{
    const std::int32_t nLength = ReadInt32(file);
    if (nLength > 0 && static_cast<std::uint64_t>(nLength) + nNumberBytes > Remaining(file))
        throw Corrupt(file, "a load name runs past its end");
    return ReadBytes(file, nLength);
}

void CBinaryIo::AppendInt32(std::string& strOut, std::int32_t nValue)
{
    std::uint32_t nBits;
    std::memcpy(&nBits, &nValue, 4);
    for (int i = 0; i < 4; ++i)
        strOut.push_back(static_cast<char>(nBits >> (8 * i) & 0xFF));
}

void CBinaryIo::AppendDouble(std::string& strOut, double dValue)
{
    std::uint64_t nBits;
    std::memcpy(&nBits, &dValue, 8);
    for (int i = 0; i < 8; ++i)
        strOut.push_back(static_cast<char>(nBits >> (8 * i) & 0xFF));
}
