// The clipboard as plain text.
#include "dialogs/ClipboardText.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "dialogs/AnsiText.h"

bool CClipboardText::GetText(std::string& strText)
{
    strText.clear();
    const QClipboard* pClipboard = QGuiApplication::clipboard();
    if (!pClipboard)
        return false;
    QString strPlain = pClipboard->text();
    const qsizetype nZero = strPlain.indexOf(QChar(0));
    if (nZero >= 0)
        strPlain.truncate(nZero);
    if (strPlain.isEmpty())
        return false;
    const std::string strBytes = CAnsiText::FromQString(strPlain);
    strText.reserve(strBytes.size() + strBytes.size() / 16);
    for (size_t i = 0; i < strBytes.size(); ++i)
    {
        if (strBytes[i] == '\n' && (i == 0 || strBytes[i - 1] != '\r'))
            strText += '\r';
        strText += strBytes[i];
    }
    return true;
}

bool CClipboardText::HasText() const
{
    const QClipboard* pClipboard = QGuiApplication::clipboard();
    const QMimeData* pData = pClipboard ? pClipboard->mimeData() : nullptr;
    return pData && pData->hasText();
}

bool CClipboardText::SetText(const std::string& strText)
{
    QClipboard* pClipboard = QGuiApplication::clipboard();
    if (!pClipboard)
        return false;
    const QString strPlain = CAnsiText::ToQString(strText);
    pClipboard->setText(strPlain);
    return pClipboard->text() == strPlain;
}
