// The standard report of a file error, in Italian.
#include "platform/FileErrorText.h"

#include <QFile>
#include <cerrno>

#include "document/FileException.h"

namespace
{
struct SCause
{
    int nErrno;
    const char* pszText;
};

const SCause kCauses[] = {
    {ENOENT, "Il file o la cartella non esiste."},
    {EACCES, "Accesso negato."},
    {EPERM, "Operazione non permessa."},
    {EISDIR, "Il percorso indica una cartella, non un file."},
    {ENOTDIR, "Una parte del percorso non è una cartella."},
    {ENOSPC, "Spazio esaurito sul disco."},
    {EFBIG, "Il file supera la dimensione massima consentita."},
    {EROFS, "Il disco è di sola lettura."},
    {EDQUOT, "Quota del disco superata."},
    {EIO, "Errore di lettura o scrittura sul dispositivo."},
    {ENAMETOOLONG, "Il nome del file è troppo lungo."},
    {EMFILE, "Troppi file aperti."},
    {ENOMEM, "Memoria insufficiente."},
};

std::string Cause(const CFileException& error)
{
    for (const SCause& cause : kCauses)
    {
        if (cause.nErrno == error.GetErrno())
            return cause.pszText;
    }
    const std::string& strCause = error.GetCause();
    if (strCause.compare(0, 12, "corrupt file") == 0)
        return "Il file è danneggiato o non è un file pesi" + strCause.substr(12) + ".";
    return strCause;
}
} // namespace

std::string FileErrorText(const CFileException& error)
{
    // Paths are in the system's encoding; the message is UTF-8.
    const std::string strPath = QFile::decodeName(error.GetPath().c_str()).toStdString();
    return "Impossibile completare l'operazione sul file «" + strPath + "».\n" + Cause(error);
}
