// The program as a test meets it.
#include "AppFixture.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QWheelEvent>
#include <set>

#include "app/MainFrame.h"
#include "document/ScafometroDoc.h"

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

bool CAppFixture::RunMenuItem(const QString& strText)
{
    m_pApp->Frame().UpdateCommandStates();
    QList<QAction*> actions = m_pApp->Frame().menuBar()->actions();
    while (!actions.isEmpty())
    {
        QAction* pAction = actions.takeFirst();
        if (pAction->menu())
            actions += pAction->menu()->actions();
        else if (pAction->text() == strText && pAction->isEnabled())
        {
            pAction->trigger();
            return true;
        }
    }
    return false;
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
    QTest::mousePress(&View(), button, Qt::NoModifier, from);
    MoveHolding(button, (from + to) / 2);
    MoveHolding(button, to);
    QTest::mouseRelease(&View(), button, Qt::NoModifier, to);
}

void CAppFixture::MoveHolding(Qt::MouseButton button, QPoint pt)
{
    QMouseEvent move(QEvent::MouseMove, pt, View().mapToGlobal(pt), Qt::NoButton, button, Qt::NoModifier);
    QApplication::sendEvent(&View(), &move);
}

void CAppFixture::Wheel(QPoint pt, int nDelta)
{
    QWheelEvent event(pt, View().mapToGlobal(pt), QPoint(), QPoint(0, nDelta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(&View(), &event);
}

int CAppFixture::RunCli(const std::vector<std::string>& args, std::string* pOut, std::string* pErr)
{
    QStringList arguments;
    for (const std::string& strArg : args)
        arguments << QString::fromStdString(strArg);
    QProcess process;
    process.start(QStringLiteral(SCAFOMETRO_CLI), arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return -1;
    if (pOut)
        *pOut = process.readAllStandardOutput().toStdString();
    if (pErr)
        *pErr = process.readAllStandardError().toStdString();
    return process.exitCode();
}

int CAppFixture::CountColour(const QImage& image, QRgb colour, QPoint pt, int nRadius)
{
    int nCount = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            nCount += (nRadius < 0 || (std::abs(x - pt.x()) <= nRadius && std::abs(y - pt.y()) <= nRadius)) &&
                      (image.pixel(x, y) & 0xffffff) == (colour & 0xffffff);
    return nCount;
}

QRgb CAppFixture::Rgb(std::uint32_t crColour)
{
    return qRgb(GetRValue(crColour), GetGValue(crColour), GetBValue(crColour));
}

QImage CAppFixture::PdfPage(const std::string& strPdf)
{
    const QString strStem = QString::fromStdString(strPdf);
    QProcess::execute("pdftoppm",
                      {"-png", "-r", "40", "-aa", "no", "-aaVector", "no", "-singlefile", strStem, strStem});
    return QImage(strStem + ".png");
}

void CAppFixture::ExpectNoOverlaps(QWidget& window)
{
    std::set<QWidget*> named;
    for (QLabel* pLabel : window.findChildren<QLabel*>())
        named.insert(pLabel->buddy());
    // A spin box's label names the box that holds the field.
    for (QLineEdit* pEdit : window.findChildren<QLineEdit*>())
        EXPECT_TRUE(named.count(pEdit) || named.count(pEdit->parentWidget())) << pEdit->text().toStdString();
    std::vector<std::pair<QWidget*, QRect>> controls;
    for (QWidget* pWidget : window.findChildren<QWidget*>())
    {
        if (pWidget->isVisible() &&
            (qobject_cast<QLabel*>(pWidget) || qobject_cast<QLineEdit*>(pWidget) ||
             qobject_cast<QAbstractButton*>(pWidget) || qobject_cast<QAbstractItemView*>(pWidget)))
            controls.emplace_back(pWidget, QRect(pWidget->mapTo(&window, QPoint()), pWidget->size()));
    }
    for (size_t i = 0; i < controls.size(); ++i)
    {
        // A list's or table's headers and corner button lie inside it.
        for (size_t j = i + 1; j < controls.size(); ++j)
            EXPECT_FALSE(controls[i].second.intersects(controls[j].second) &&
                         !controls[i].first->isAncestorOf(controls[j].first) &&
                         !controls[j].first->isAncestorOf(controls[i].first))
                << controls[i].first->metaObject()->className() << " «"
                << controls[i].first->property("text").toString().toStdString() << "» and "
                << controls[j].first->metaObject()->className() << " «"
                << controls[j].first->property("text").toString().toStdString() << "»";
    }
}

void CAppFixture::Choose(QAbstractButton* pButton, const std::string& strPath)
{
    m_services.m_paths = {strPath};
    EXPECT_TRUE(pButton->isVisible());
    QTest::mouseClick(pButton, Qt::LeftButton);
}

void CAppFixture::ExpectExportIsBatchTools(QAbstractButton* pExport, std::vector<std::string> args, int nExit)
{
    const std::string strShown = m_scratch.Path("window.csv"), strBatch = m_scratch.Path("batch.csv");
    Choose(pExport, strShown);
    std::replace(args.begin(), args.end(), std::string("OUT"), strBatch);
    EXPECT_EQ(RunCli(args), nExit);
    EXPECT_TRUE(testsupport::SameBytes(testsupport::ReadBytes(strShown), testsupport::ReadBytes(strBatch)));
    EXPECT_GT(testsupport::ReadBytes(strShown).size(), 100u);
}

std::string CAppFixture::Printed(QAbstractButton* pPrint)
{
    m_services.m_strPrintPdf = m_scratch.Path("printed.pdf");
    QTest::mouseClick(pPrint, Qt::LeftButton);
    EXPECT_EQ(testsupport::ReadBytes(m_services.m_strPrintPdf).substr(0, 5), "%PDF-");
    return m_services.m_strPrintPdf;
}

void CAppFixture::ExpectGrowsWithWindow(QWidget& window, QWidget& panel, QSize growth)
{
    window.resize(900, 600);
    QTest::qWait(20);
    const QSize small = panel.size();
    window.resize(1400, 950);
    QTest::qWait(20);
    EXPECT_GT(panel.width(), small.width() + growth.width());
    EXPECT_GT(panel.height(), small.height() + growth.height());
}

void CAppFixture::Retype(QLineEdit* pEdit, const QString& strText)
{
    QTest::keyClick(pEdit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(pEdit, Qt::Key_Delete);
    QTest::keyClicks(pEdit, strText);
}

std::string CAppFixture::MessageOfClick(QAbstractButton* pButton)
{
    m_services.m_asked.clear();
    QTest::mouseClick(pButton, Qt::LeftButton);
    const std::vector<std::string> messages = m_services.Messages();
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(m_services.m_asked.back().pParent, pButton->window());
    return messages.empty() ? std::string() : messages[0];
}
