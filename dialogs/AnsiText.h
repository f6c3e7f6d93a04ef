// Load names and table texts, single-byte Windows-1252 in the model, to and from the QStrings of
// the windows. Every window converts through here.
#pragma once

#include <QString>
#include <string>

class CAnsiText
{
public:
    static QString ToQString(const std::string& strBytes);
    // A character the code page lacks becomes '?'.
    static std::string FromQString(const QString& strText);
};
