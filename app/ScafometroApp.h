// The application: start-up, the one document, frame and view, the command line, the settings with
// the recent-file list, and the commands the application carries (new, open, printer set-up, exit,
// About).
#pragma once

#include <QPrinter>
#include <QStringList>
#include <memory>
#include <string>

#include "platform/CmdTarget.h"

class CMainFrame;
class CScafometroDoc;
class CScafometroView;
class CServices;

class CScafometroApp : public CCmdTarget
{
public:
    // What the command line asks for.
    struct SCommandLine
    {
        enum EShell
        {
            fileNew,
            fileOpen,
            filePrint,
            filePrintTo,
            // Not a valid command line: start-up fails.
            invalid,
        };
        EShell nShell = fileNew;
        std::string strFile;
        std::string strPrinter;
    };

    static constexpr int kRecentFiles = 3;

    explicit CScafometroApp(CServices& services);
    ~CScafometroApp() override;

    // The arguments after the program's name: optional ".p3d" paths, of which the first is opened
    // and the others ignored, as a file manager may pass several; "/p FILE" prints on the
    // default printer and "/pt FILE PRINTER" on the printer named (also "-p", "-pt", since a
    // leading "/" is a path here). A PRINTER ending in ".pdf" is a PDF file.
    static SCommandLine ParseCommandLine(const QStringList& arguments);
    // Creates the document, the frame and the view and does what the command line asks. False
    // when start-up fails; m_bQuitAfterStart when the program must end after it (printing).
    bool InitInstance(const SCommandLine& commandLine);
    void ShowMainWindow();

    // The recent-file list in the settings, most recent first.
    QStringList RecentFiles() const;

    void OnFileNew();
    void OnFileOpen();
    void OnFilePrintSetup();
    void OnAppExit();
    void OnAppAbout();

    CMainFrame& Frame() { return *m_pFrame; }
    CScafometroDoc& Document() { return *m_pDocument; }
    CScafometroView& View() { return *m_pView; }
    QPrinter& Printer() { return m_printer; }

    bool m_bQuitAfterStart = false;
    // The status the program ends with after printing.
    int m_nExitCode = 0;

private:
    void AddToRecentFileList(const std::string& strPath);
    bool OpenDocumentFile(const std::string& strPath);
    bool PrintFile(const SCommandLine& commandLine);
    void UpdateFrameTitle();

    CServices& m_services;
    QPrinter m_printer;
    std::unique_ptr<CScafometroDoc> m_pDocument;
    // The frame owns the view as its central widget.
    std::unique_ptr<CMainFrame> m_pFrame;
    CScafometroView* m_pView = nullptr;
};
