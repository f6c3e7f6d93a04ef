// Scafometro, the desktop program: starts the application on the command line's file and runs it.
#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/ScafometroApp.h"
#include "platform/QtServices.h"

namespace
{
// While the application starts, Qt finds out whether there is a screen to show on; without one it
// explains at length and aborts, where a user of the shell wants one line and an exit status.
void StartupMessage(QtMsgType type, const QMessageLogContext&, const QString&)
{
    if (type != QtFatalMsg)
        return;
    std::fprintf(stderr,
                 "scafometro: nessuno schermo disponibile (DISPLAY e WAYLAND_DISPLAY non impostati)\n");
    std::fflush(stderr);
    std::_Exit(2);
}
} // namespace

int main(int argc, char* argv[])
{
    // Beyond a file-size limit a write must fail and be reported, not end the program half way.
    std::signal(SIGXFSZ, SIG_IGN);
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0)
    {
        std::printf("Scafometro %s\n", SCAFOMETRO_VERSION);
        return 0;
    }
    const QtMessageHandler previousHandler = qInstallMessageHandler(StartupMessage);
    QApplication application(argc, argv);
    qInstallMessageHandler(previousHandler);
    QApplication::setOrganizationName(QStringLiteral("Ventaglio"));
    QApplication::setApplicationName(QStringLiteral("Scafometro"));
    QApplication::setApplicationVersion(QStringLiteral(SCAFOMETRO_VERSION));
    // The framework's own buttons and dialogs speak Italian like the rest of the program.
    QTranslator translator;
    if (translator.load(QStringLiteral("qtbase_it"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&translator);

    CQtServices services;
    CScafometroApp app(services);
    if (!app.InitInstance(CScafometroApp::ParseCommandLine(QApplication::arguments().mid(1))))
        return 1;
    if (app.m_bQuitAfterStart)
        return app.m_nExitCode;
    app.ShowMainWindow();
    return QApplication::exec();
}
