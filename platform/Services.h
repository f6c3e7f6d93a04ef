// What the windows ask of the user through the platform: file dialogs, message boxes, the printer
// dialogs. The program answers with real dialogs; a test answers in their place and sees what was asked.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "document/File.h"

class QPainter;
class QPrinter;
class QWidget;

// A file dialog as the commands describe it: a "|"-separated filter ("File Pesi (*.p3d)|*.p3d||"),
// a default extension without its dot and an initial name.
struct SFileDialog
{
    std::string strFilter;
    std::string strDefaultExt;
    std::string strInitialName;
};

class CServices
{
public:
    // Message box buttons, and the answers.
    enum EButtons
    {
        MB_OK = 0,
        MB_OKCANCEL = 1,
        MB_YESNO = 4,
    };
    enum EAnswer
    {
        IDOK = 1,
        IDCANCEL = 2,
        IDYES = 6,
        IDNO = 7,
    };
    // The answers to "save the changes?".
    enum ESaveAnswer
    {
        saveYes,
        saveNo,
        saveCancel,
    };

    virtual ~CServices() = default;

    // An open dialog for an existing file; false when cancelled. The path is in the system's encoding.
    virtual bool GetOpenFileName(const SFileDialog& dialog, std::string& strPath) = 0;
    // A save dialog that does not ask before overwriting; false when cancelled. The default
    // extension is added to a name typed without one.
    virtual bool GetSaveFileName(const SFileDialog& dialog, std::string& strPath) = 0;
    // Texts are UTF-8. Returns IDOK or IDCANCEL, or IDYES or IDNO.
    virtual int MessageBox(const std::string& strText, int nButtons) = 0;
    // Asks whether to save the changes to the named document before it is closed.
    virtual ESaveAnswer AskSaveChanges(const std::string& strTitle) = 0;
    // The print dialog on printer; false when cancelled.
    virtual bool PrintDialog(QPrinter& printer) = 0;
    // The page set-up dialog on printer.
    virtual void PageSetupDialog(QPrinter& printer) = 0;
    // Shows the pages that paint draws on the printer it is given, until the user closes them.
    virtual void PrintPreview(QPrinter& printer, const std::function<void(QPrinter&)>& paint) = 0;

    // Watches long work on a file: after about a second it shows the progress with "Annulla", and
    // a cancel makes the next read or write throw CFileException with ECANCELED. None by default:
    // the work is not watched.
    virtual std::unique_ptr<CFileProgress> BeginProgress(const std::string&) { return nullptr; }

    // An export: asks for the target with the save dialog and, unless canWrite (when given) says
    // no, writes it through write beside the target, with the wait cursor and the progress. A
    // failure is reported naming the file, a cancel silently. True when the file was written.
    bool ExportFile(const SFileDialog& dialog, CFile& file, const std::function<void()>& write,
                    const std::function<bool()>& canWrite = nullptr);

    // Begins painting on the printer; false, after saying that printing cannot start, when it fails.
    bool BeginPrinting(QPainter& painter, QPrinter& printer);
    // Says that printing on the printer cannot start.
    void PrintingFailed(const QPrinter& printer);

    // The window the dialogs belong to: they open above it and centred on it.
    QWidget* m_pParent = nullptr;

    // While it lives, the dialogs belong to the window that asks, so that they stack over it and
    // give the focus back to it rather than to the main window.
    class CAskedBy
    {
    public:
        CAskedBy(CServices& services, QWidget* pWindow) : m_services(services), m_pOld(services.m_pParent)
        {
            m_services.m_pParent = pWindow;
        }
        ~CAskedBy() { m_services.m_pParent = m_pOld; }
        CAskedBy(const CAskedBy&) = delete;
        CAskedBy& operator=(const CAskedBy&) = delete;

    private:
        CServices& m_services;
        QWidget* m_pOld;
    };
};
