// The program as a test meets it.
#include "AppFixture.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

#include "app/MainFrame.h"
#include "document/ScafometroDoc.h"
#include "view/ScafometroView.h"

void CAppFixture::SetUp()
{
    // The recent-file list goes to a settings folder of the test's own.
    QStandardPaths::setTestModeEnabled(true);
    QSettings(QStringLiteral("Ventaglio"), QStringLiteral("Scafometro")).clear();
}

void CAppFixture::TearDown()
{
    if (m_pApp)
        m_pApp->Document().SetModifiedFlag(false);
    m_pApp.reset();
}

void CAppFixture::Start(const std::string& strFile)
{
    m_pApp = std::make_unique<CScafometroApp>(m_services);
    QStringList arguments;
    if (!strFile.empty())
        arguments << QString::fromStdString(strFile);
    ASSERT_TRUE(m_pApp->InitInstance(CScafometroApp::ParseCommandLine(arguments)));
    m_pApp->Frame().resize(1000, 700);
    m_pApp->ShowMainWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_pApp->Frame()));
}

bool CAppFixture::Run(int nId)
{
    QAction* pAction = m_pApp->Frame().Action(nId);
    if (!pAction)
        return m_pApp->Frame().RouteCommand(nId);
    m_pApp->Frame().UpdateCommandStates();
    if (!pAction->isEnabled())
        return false;
    pAction->trigger();
    return true;
}

QImage CAppFixture::Painted()
{
    CScafometroView& view = View();
    view.repaint();
    return view.grab().toImage();
}

std::string CAppFixture::Example()
{
    if (m_strExample.empty())
    {
        m_strExample = m_scratch.Path("motonave.p3d");
        testsupport::WriteBytes(m_strExample, testsupport::ReadBytes(SCAFOMETRO_EXAMPLES "/motonave.p3d"));
    }
    return m_strExample;
}

CScafometroView& CAppFixture::View()
{
    return m_pApp->View();
}

void CAppFixture::Drag(Qt::MouseButton button, QPoint from, QPoint to)
{
    CScafometroView& view = View();
    QTest::mousePress(&view, button, Qt::NoModifier, from);
    const QPoint middle = (from + to) / 2;
    for (const QPoint& pt : {middle, to})
    {
        QMouseEvent move(QEvent::MouseMove, pt, view.mapToGlobal(pt), Qt::NoButton, button, Qt::NoModifier);
        QApplication::sendEvent(&view, &move);
    }
    QTest::mouseRelease(&view, button, Qt::NoModifier, to);
}

int CAppFixture::RunCli(const std::vector<std::string>& args)
{
    QStringList arguments;
    for (const std::string& strArg : args)
        arguments << QString::fromStdString(strArg);
    QProcess process;
    process.start(QStringLiteral(SCAFOMETRO_CLI), arguments);
    if (!process.waitForFinished(60000))
        return -1;
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}
