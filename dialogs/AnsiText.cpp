// Windows-1252 texts to and from QString.
#include "dialogs/AnsiText.h"

#include "dialogs/Windows1252.h"

QString CAnsiText::ToQString(const std::string& strBytes)
{
    QString strText;
    strText.reserve(static_cast<qsizetype>(strBytes.size()));
    // Every code point of the code page lies in the basic plane: one QChar each.
    for (const char ch : strBytes)
        strText += QChar(static_cast<char16_t>(CWindows1252::ToUnicode(static_cast<unsigned char>(ch))));
    return strText;
}

std::string CAnsiText::FromQString(const QString& strText)
{
    std::string strBytes;
    strBytes.reserve(static_cast<size_t>(strText.size()));
    for (qsizetype i = 0; i < strText.size(); ++i)
    {
        const QChar ch = strText[i];
        // A surrogate pair is one character the code page cannot hold: one '?' for both halves.
        if (ch.isHighSurrogate() && i + 1 < strText.size() && strText[i + 1].isLowSurrogate())
            ++i;
        const int nByte = ch.isSurrogate() ? -1 : CWindows1252::FromUnicode(ch.unicode());
        strBytes += static_cast<char>(nByte < 0 ? '?' : nByte);
    }
    return strBytes;
}
