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
bool HasDisplay()
{
    return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY") || std::getenv("QT_QPA_PLATFORM");
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
    if (!HasDisplay())
    {
        std::fprintf(stderr,
                     "scafometro: nessuno schermo disponibile (DISPLAY e WAYLAND_DISPLAY non impostati)\n");
        return 2;
    }
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Ventaglio"));
    QApplication::setApplicationName(QStringLiteral("Scafometro"));
    QApplication::setApplicationVersion(QStringLiteral("2.1"));
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
