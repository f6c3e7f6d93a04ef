// Little-endian integers and doubles of the weight files, read with the checks a file from
// elsewhere deserves: nothing is read past the end and no count decides an allocation unchecked.
#pragma once

#include <cstdint>
#include <string>

class CFile;
class CFileException;

class CBinaryIo
{
public:
    static std::int32_t ReadInt32(CFile& file);
    static double ReadDouble(CFile& file);
    // A double that must be finite; anything else makes the file corrupt.
    static double ReadFiniteDouble(CFile& file);
    // nCount bytes, refused when the rest of the file is shorter.
    static std::string ReadBytes(CFile& file, std::int32_t nCount);
    static std::uint64_t Remaining(CFile& file);

    // The head shared by the weight files: the header text (up to its first zero byte, if any),
    // then the load count, refused when more records are announced than the rest of the file
    // could hold at nSmallestRecord bytes each.
    static std::string ReadHeader(CFile& file);
    static std::int32_t ReadCount(CFile& file, std::uint64_t nSmallestRecord);
    // A record's name, refused when it leaves no room for the nNumberBytes that follow it.
    static std::string ReadName(CFile& file, std::uint64_t nNumberBytes);

    static void AppendInt32(std::string& strOut, std::int32_t nValue);
    static void AppendDouble(std::string& strOut, double dValue);

    static CFileException Corrupt(const CFile& file, const std::string& strDetail);
};
