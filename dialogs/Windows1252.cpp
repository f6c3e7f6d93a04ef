// The Windows-1252 code page.
#include "dialogs/Windows1252.h"

namespace
{
// Bytes 0x80 to 0x9F; the unassigned ones map to themselves.
const char32_t kHigh[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                            0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& strOut, char32_t chCode)
{
    if (chCode < 0x80)
        strOut += static_cast<char>(chCode);
    else if (chCode < 0x800)
    {
        strOut += static_cast<char>(0xC0 | chCode >> 6);
        strOut += static_cast<char>(0x80 | (chCode & 0x3F));
    }
    else
    {
        strOut += static_cast<char>(0xE0 | chCode >> 12);
        strOut += static_cast<char>(0x80 | (chCode >> 6 & 0x3F));
        strOut += static_cast<char>(0x80 | (chCode & 0x3F));
    }
}

// Decodes one UTF-8 sequence at i, advancing i; 0xFFFD for a malformed one.
char32_t NextCode(const std::string& strText, size_t& i)
{
    const auto chLead = static_cast<unsigned char>(strText[i++]);
    if (chLead < 0x80)
        return chLead;
    int nMore = 0;
    char32_t chCode = 0;
    if ((chLead & 0xE0) == 0xC0)
    {
        nMore = 1;
        chCode = chLead & 0x1F;
    }
    else if ((chLead & 0xF0) == 0xE0)
    {
        nMore = 2;
        chCode = chLead & 0x0F;
    }
    else if ((chLead & 0xF8) == 0xF0)
    {
        nMore = 3;
        chCode = chLead & 0x07;
    }
    else
        return 0xFFFD;
    for (; nMore > 0; --nMore)
    {
        if (i >= strText.size() || (static_cast<unsigned char>(strText[i]) & 0xC0) != 0x80)
            return 0xFFFD;
        chCode = chCode << 6 | (static_cast<unsigned char>(strText[i++]) & 0x3F);
    }
    return chCode;
}
} // namespace

char32_t CWindows1252::ToUnicode(unsigned char chByte)
{
    if (chByte >= 0x80 && chByte < 0xA0)
        return kHigh[chByte - 0x80];
    return chByte;
}

int CWindows1252::FromUnicode(char32_t chCode)
{
    if (chCode < 0x80 || (chCode >= 0xA0 && chCode < 0x100))
        return static_cast<int>(chCode);
    for (int i = 0; i < 32; ++i)
    {
        if (kHigh[i] == chCode)
            return 0x80 + i;
    }
    return -1;
}

std::string CWindows1252::ToUtf8(const std::string& strBytes)
{
    std::string strOut;
    strOut.reserve(strBytes.size());
    for (const char ch : strBytes)
        AppendUtf8(strOut, ToUnicode(static_cast<unsigned char>(ch)));
    return strOut;
}

std::string CWindows1252::FromUtf8(const std::string& strUtf8)
{
    std::string strOut;
    strOut.reserve(strUtf8.size());
    for (size_t i = 0; i < strUtf8.size();)
    {
        const int nByte = FromUnicode(NextCode(strUtf8, i));
        strOut += static_cast<char>(nByte < 0 ? '?' : nByte);
    }
    return strOut;
}
