// The system clipboard as plain text in the model's single-byte code page.
#pragma once

#include <string>

class QWidget;

class CClipboardText
{
public:
    explicit CClipboardText(QWidget* pOwner = nullptr) : m_pOwner(pOwner) {}
    virtual ~CClipboardText() = default;

    // The clipboard's text up to its first zero character, in Windows-1252, with every LF that no
    // CR precedes turned into CR LF (spreadsheets on Linux end their rows with a bare LF). False,
    // with strText empty, when the clipboard holds no text.
    bool GetText(std::string& strText);
    // Whether the clipboard holds text, which is cheaper to ask than to read it.
    bool HasText() const;
    // Puts the Windows-1252 text on the clipboard; true when the clipboard then holds it.
    bool SetText(const std::string& strText);

    QWidget* m_pOwner;
};
