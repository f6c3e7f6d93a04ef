// The program's tests run headless: Qt draws offscreen unless told otherwise. Each test process
// keeps its settings in a home of its own, so that tests run side by side never share them.
#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    if (home.isValid())
    {
        qputenv("HOME", home.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", (home.path() + "/.config").toLocal8Bit());
    }
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Ventaglio"));
    QApplication::setApplicationName(QStringLiteral("Scafometro"));
    return RUN_ALL_TESTS();
}
