// The application: start-up, command line, settings and the application's commands.
#include "app/ScafometroApp.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QPrinterInfo>
#include <QSettings>

#include "app/AboutDlg.h"
#include "app/CommandTable.h"
#include "app/MainFrame.h"
#include "document/ScafometroDoc.h"
#include "platform/Services.h"
#include "view/ScafometroView.h"

namespace
{
const char* const kCompany = "Ventaglio";
const char* const kApplication = "Scafometro";
const char* const kRecentGroup = "Recent File List";

std::string ToPath(const QString& strPath)
{
    return QFile::encodeName(strPath).toStdString();
}
} // namespace

CScafometroApp::CScafometroApp(CServices& services)
    : m_services(services), m_printer(QPrinter::HighResolution)
{
    OnCommand(ID_FILE_NEW, [this] { OnFileNew(); });
    OnCommand(ID_FILE_OPEN, [this] { OnFileOpen(); });
    OnCommand(ID_FILE_PRINT_SETUP, [this] { OnFilePrintSetup(); });
    OnCommand(ID_APP_EXIT, [this] { OnAppExit(); });
    OnCommand(ID_APP_ABOUT, [this] { OnAppAbout(); });
}

CScafometroApp::~CScafometroApp()
{
    // The frame's widgets go before the document they show.
    m_pFrame.reset();
    m_pDocument.reset();
}

CScafometroApp::SCommandLine CScafometroApp::ParseCommandLine(const QStringList& arguments)
{
    SCommandLine line;
    if (arguments.isEmpty())
        return line;
    const QString strFirst = arguments[0].toLower();
    if (strFirst == "/p" || strFirst == "-p")
    {
        if (arguments.size() != 2)
            line.nShell = SCommandLine::invalid;
        else
            line = SCommandLine{SCommandLine::filePrint, ToPath(arguments[1]), ""};
        return line;
    }
    if (strFirst == "/pt" || strFirst == "-pt")
    {
        if (arguments.size() != 3)
            line.nShell = SCommandLine::invalid;
        else
            line = SCommandLine{SCommandLine::filePrintTo, ToPath(arguments[1]), arguments[2].toStdString()};
        return line;
    }
    // A file manager may pass several files: the first is opened and the others are ignored.
    return SCommandLine{SCommandLine::fileOpen, ToPath(arguments[0]), ""};
}

bool CScafometroApp::InitInstance(const SCommandLine& commandLine)
{
    if (commandLine.nShell == SCommandLine::invalid)
        return false;
    m_pDocument = std::make_unique<CScafometroDoc>(m_services);
    m_pFrame = std::make_unique<CMainFrame>();
    m_pView = new CScafometroView(*m_pDocument, m_printer);
    m_pFrame->setCentralWidget(m_pView);
    m_pFrame->SetRoute(m_pView, m_pDocument.get(), this);
    m_pFrame->m_canClose = [this] { return m_pDocument->SaveModified(); };
    m_services.m_pParent = m_pFrame.get();
    CMainFrame* pFrame = m_pFrame.get();
    QObject::connect(m_pDocument.get(), &CDocument::TitleChanged, pFrame, [this] { UpdateFrameTitle(); });
    QObject::connect(m_pDocument.get(), &CDocument::FileUsed, pFrame,
                     [this](const std::string& strPath) { AddToRecentFileList(strPath); });
    // The toolbar follows what undo, redo, copy and paste can do now.
    QObject::connect(m_pDocument.get(), &CDocument::Update, pFrame, &CMainFrame::UpdateCommandStates);
    QObject::connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, m_pFrame.get(),
                     [this] { m_pFrame->UpdateCommandStates(); });
    switch (commandLine.nShell)
    {
    case SCommandLine::fileNew:
        m_pDocument->OnNewDocument();
        m_pDocument->UpdateAllViews();
        return true;
    case SCommandLine::fileOpen:
        return OpenDocumentFile(commandLine.strFile);
    case SCommandLine::filePrint:
    case SCommandLine::filePrintTo:
        m_bQuitAfterStart = true;
        m_nExitCode = PrintFile(commandLine) ? 0 : 1;
        return true;
    case SCommandLine::invalid:
        break;
    }
    return false;
}

void CScafometroApp::ShowMainWindow()
{
    m_pFrame->show();
    // Lay the window out and paint it as soon as the platform has exposed it.
    QCoreApplication::processEvents();
    m_pFrame->repaint();
}

bool CScafometroApp::OpenDocumentFile(const std::string& strPath)
{
    if (!m_pDocument->OnOpenDocument(strPath))
        return false;
    m_pDocument->UpdateAllViews();
    return true;
}

bool CScafometroApp::PrintFile(const SCommandLine& commandLine)
{
    m_pDocument->OnNewDocument();
    if (!m_pDocument->OnOpenDocument(commandLine.strFile))
        return false;
    QPrinter printer(QPrinter::HighResolution);
    const QString strPrinter = QString::fromStdString(commandLine.strPrinter);
    if (strPrinter.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(strPrinter);
    }
    else if (!strPrinter.isEmpty())
        printer.setPrinterName(strPrinter);
    else if (QPrinterInfo::defaultPrinter().isNull())
    {
        m_services.MessageBox("Nessuna stampante predefinita: impossibile stampare «" + commandLine.strFile +
                                  "».",
                              CServices::MB_OK);
        return false;
    }
    return m_pView->PrintTo(printer);
}

QStringList CScafometroApp::RecentFiles() const
{
    QSettings settings(kCompany, kApplication);
    settings.beginGroup(kRecentGroup);
    QStringList files;
    for (int i = 1; i <= kRecentFiles; ++i)
    {
        const QString strFile = settings.value(QStringLiteral("File%1").arg(i)).toString();
        if (!strFile.isEmpty())
            files << strFile;
    }
    return files;
}

void CScafometroApp::AddToRecentFileList(const std::string& strPath)
{
    QStringList files = RecentFiles();
    const QString strFile = QFile::decodeName(strPath.c_str());
    files.removeAll(strFile);
    files.prepend(strFile);
    QSettings settings(kCompany, kApplication);
    settings.beginGroup(kRecentGroup);
    for (int i = 1; i <= kRecentFiles; ++i)
        settings.setValue(QStringLiteral("File%1").arg(i), i <= files.size() ? files[i - 1] : QString());
}

void CScafometroApp::OnFileNew()
{
    if (!m_pDocument->SaveModified())
        return;
    m_pDocument->OnNewDocument();
    m_pDocument->UpdateAllViews();
}

void CScafometroApp::OnFileOpen()
{
    std::string strPath;
    if (!m_services.GetOpenFileName(m_pDocument->m_fileType, strPath))
        return;
    if (!m_pDocument->SaveModified())
        return;
    OpenDocumentFile(strPath);
}

void CScafometroApp::OnFilePrintSetup()
{
    m_services.PageSetupDialog(m_printer);
}

void CScafometroApp::OnAppExit()
{
    m_pFrame->close();
}

void CScafometroApp::OnAppAbout()
{
    CAboutDlg dialog(m_pFrame.get());
    dialog.exec();
}

void CScafometroApp::UpdateFrameTitle()
{
    m_pFrame->UpdateTitle(m_pDocument->GetTitle(), m_pDocument->IsModified());
}
