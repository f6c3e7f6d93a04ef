// An export through the user's save dialog, the safe write and the progress window; the start of
// printing.
#include "platform/Services.h"

#include <QPainter>
#include <QPrinter>
#include <cerrno>

#include "document/FileException.h"
#include "document/SafeOutput.h"
#include "platform/FileErrorText.h"
#include "platform/WaitCursor.h"

bool CServices::ExportFile(const SFileDialog& dialog, CFile& file, const std::function<void()>& write,
                           const std::function<bool()>& canWrite)
{
    std::string strPath;
    if (!GetSaveFileName(dialog, strPath))
        return false;
    if (canWrite && !canWrite())
        return false;
    try
    {
        CWaitCursor wait;
        const std::unique_ptr<CFileProgress> pProgress =
            BeginProgress("Esportazione in «" + CFile::BareName(strPath) + "»");
        file.SetProgress(pProgress.get());
        CSafeOutput::Write(strPath, file, write);
        file.SetProgress(nullptr);
    }
    catch (const CFileException& error)
    {
        file.SetProgress(nullptr);
        if (error.GetErrno() != ECANCELED)
            MessageBox(FileErrorText(error), MB_OK);
        return false;
    }
    return true;
}

bool CServices::BeginPrinting(QPainter& painter, QPrinter& printer)
{
    if (painter.begin(&printer))
        return true;
    PrintingFailed(printer);
    return false;
}

void CServices::PrintingFailed(const QPrinter& printer)
{
    MessageBox("Impossibile avviare la stampa su «" + printer.printerName().toStdString() +
                   printer.outputFileName().toStdString() + "».",
               MB_OK);
}
