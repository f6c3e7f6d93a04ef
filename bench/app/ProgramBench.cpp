// The desktop program's speed as a user feels it, offscreen at 1280 x 800: the view's full repaint
// (pass and blit), a mouse move during a zoom-box drag, start-up to the first painted frame with a
// 10,000-load file, and the memory that estimate takes in the program.
#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QStandardPaths>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>

#include "app/MainFrame.h"
#include "app/ScafometroApp.h"
#include "bench/ProcessRunner.h"
#include "bench/model/EstimateGenerator.h"
#include "document/ScafometroDoc.h"
#include "platform/QtServices.h"
#include "view/ScafometroView.h"

namespace
{
constexpr double kShipLength = 150;
constexpr int kWidth = 1280;
constexpr int kHeight = 800;

std::string EstimatePath(int nLoads)
{
    const std::string strPath = "/tmp/scafometro-bench-" + std::to_string(nLoads) + ".p3d";
    if (access(strPath.c_str(), R_OK) != 0)
        CEstimateGenerator::Save(strPath, nLoads, kShipLength);
    return strPath;
}

// The program started on a file, its view resized to 1280 x 800 and painted once.
struct SProgram
{
    explicit SProgram(const std::string& strFile) : app(services)
    {
        app.InitInstance(CScafometroApp::ParseCommandLine({QString::fromStdString(strFile)}));
        app.ShowMainWindow();
        CScafometroView& view = app.View();
        app.Frame().resize(app.Frame().size() + QSize(kWidth, kHeight) - view.size());
        QApplication::processEvents();
        view.repaint();
    }
    ~SProgram() { app.Document().SetModifiedFlag(false); }

    CQtServices services;
    CScafometroApp app;
};

void BM_Repaint(benchmark::State& state, int nLoads, int nMode)
{
    SProgram program(EstimatePath(nLoads));
    CScafometroView& view = program.app.View();
    view.SetMode(nMode);
    if (view.width() != kWidth || view.height() != kHeight)
        state.SkipWithError("the view did not take 1280 x 800");
    for (auto _ : state)
    {
        view.Invalidate();
        view.repaint();
    }
}

void BM_RepaintDetailed1000(benchmark::State& state)
{
    BM_Repaint(state, 1000, 1);
}
void BM_RepaintResultant10000(benchmark::State& state)
{
    BM_Repaint(state, 10000, 0);
}

void SendMove(QWidget& view, QPoint pt, Qt::MouseButton button)
{
    QMouseEvent move(QEvent::MouseMove, pt, view.mapToGlobal(pt), Qt::NoButton, button, Qt::NoModifier);
    QApplication::sendEvent(&view, &move);
}

// A move during a zoom-box drag: the box erased and drawn again, the buffer shown; no pass.
void BM_ZoomBoxMove(benchmark::State& state)
{
    SProgram program(EstimatePath(10000));
    CScafometroView& view = program.app.View();
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(100, 100), view.mapToGlobal(QPointF(100, 100)),
                      Qt::RightButton, Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(&view, &press);
    int nPasses = 0;
    QObject::connect(&view, &CScafometroView::Drawn, [&nPasses] { ++nPasses; });
    int i = 0;
    for (auto _ : state)
    {
        SendMove(view, QPoint(600 + (i++ & 63), 500), Qt::RightButton);
        view.repaint();
    }
    if (nPasses != 0)
        state.SkipWithError("a drag move ran the drawing pass");
}

// Opening the file and the first pass, in the running program.
void BM_OpenAndFirstPass10000(benchmark::State& state)
{
    const std::string strFile = EstimatePath(10000);
    for (auto _ : state)
    {
        SProgram program(strFile);
        benchmark::DoNotOptimize(program.app.View().SelectedLoad());
    }
}

// The whole process: Qt, the window, the file and the first painted frame.
void BM_StartupToFirstFrame10000(benchmark::State& state)
{
    char szSelf[4096] = {};
    if (readlink("/proc/self/exe", szSelf, sizeof szSelf - 1) <= 0)
    {
        state.SkipWithError("no path to this program");
        return;
    }
    CProcessRunner::Run(state, {szSelf, "--first-frame", EstimatePath(10000)});
}

long ResidentKilobytes()
{
    std::ifstream status("/proc/self/status");
    std::string strLine;
    while (std::getline(status, strLine))
    {
        if (strLine.compare(0, 6, "VmRSS:") == 0)
            return std::stol(strLine.substr(6));
    }
    return 0;
}

// The resident memory of a program holding the 10,000 loads, measured in a process of its own so
// that nothing else this benchmark did is counted.
void BM_Memory10000(benchmark::State& state)
{
    char szSelf[4096] = {};
    if (readlink("/proc/self/exe", szSelf, sizeof szSelf - 1) <= 0)
        return state.SkipWithError("no path to this program");
    const std::string strCommand = std::string(szSelf) + " --resident " + EstimatePath(10000);
    long nKilobytes = 0;
    for (auto _ : state)
    {
        std::FILE* pPipe = popen(strCommand.c_str(), "r");
        if (!pPipe || std::fscanf(pPipe, "%ld", &nKilobytes) != 1)
            state.SkipWithError("the measuring process failed");
        if (pPipe)
            pclose(pPipe);
    }
    state.counters["resident_MB"] = static_cast<double>(nKilobytes) / 1024;
}

// What the program does from its start to its first painted frame, then ends.
int FirstFrame(int argc, char** argv)
{
    QApplication application(argc, argv);
    CQtServices services;
    CScafometroApp app(services);
    if (!app.InitInstance(CScafometroApp::ParseCommandLine({QString::fromLocal8Bit(argv[2])})))
        return 1;
    app.ShowMainWindow();
    // The platform exposes the window when it will; the frame is painted at the first chance.
    QElapsedTimer timer;
    timer.start();
    bool bPainted = false;
    QObject::connect(&app.View(), &CScafometroView::Drawn, [&bPainted] { bPainted = true; });
    while (!bPainted && timer.elapsed() < 10000)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    if (std::strcmp(argv[1], "--resident") == 0)
        std::printf("%ld\n", ResidentKilobytes());
    app.Document().SetModifiedFlag(false);
    return bPainted ? 0 : 1;
}
} // namespace

BENCHMARK(BM_RepaintDetailed1000)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_RepaintResultant10000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_ZoomBoxMove)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_OpenAndFirstPass10000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_StartupToFirstFrame10000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_Memory10000)->Iterations(1);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 3 && (std::strcmp(argv[1], "--first-frame") == 0 || std::strcmp(argv[1], "--resident") == 0))
        return FirstFrame(argc, argv);
    QApplication application(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
