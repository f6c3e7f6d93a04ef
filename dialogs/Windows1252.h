// The single-byte code page of load names and table texts, to and from Unicode. Bytes 0x80-0x9F
// are typographic signs here, not the control characters they are in Latin-1.
#pragma once

#include <string>

class CWindows1252
{
public:
    // The code point of a byte. The five bytes the code page leaves unassigned keep their own
    // value, so that every byte string comes back unchanged from a round trip.
    static char32_t ToUnicode(unsigned char chByte);
    // The byte of a code point, or -1 when the code page has none.
    static int FromUnicode(char32_t chCode);
    // Bytes to UTF-8 and back; a character the code page lacks becomes '?', as does a byte that
    // is not valid UTF-8.
    static std::string ToUtf8(const std::string& strBytes);
    static std::string FromUtf8(const std::string& strUtf8);
};
