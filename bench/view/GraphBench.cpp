// The view's whole drawing pass into a 1280 x 800 back buffer: the detailed graph of 1,000 loads
// and the resultant of 10,000, each against the pass as first written out on the same data.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include "bench/RatioReporter.h"
#include "bench/model/EstimateGenerator.h"
#include "bench/view/LiteralGraph.h"
#include "model/LoadList.h"
#include "platform/QtSurface.h"
#include "view/GraphPass.h"
#include "view/Viewport.h"

namespace
{
constexpr double kShipLength = 150;
constexpr int kWidth = 1280;
constexpr int kHeight = 800;

enum EPass
{
    passFast,
    passSegments,
    passLiteral,
};

void RunPass(benchmark::State& state, int nLoads, int nMode, EPass pass)
{
    CLoadList list;
    CEstimateGenerator::Fill(list, nLoads, kShipLength);
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    CViewport viewport;
    viewport.m_rcDevice = SRect{0, 0, kWidth, kHeight};
    for (auto _ : state)
    {
        image.fill(Qt::white);
        QPainter painter(&image);
        if (pass == passLiteral)
        {
            CSegmentQtSurface surface(painter, 96);
            DrawLiteralPass(list, viewport, surface, nMode);
        }
        else if (pass == passSegments)
        {
            // The fast sums, but every line drawn on its own.
            CSegmentQtSurface surface(painter, 96);
            int nPassMode = nMode;
            CGraphPass(list, viewport).Draw(surface, nPassMode, 0, true);
        }
        else
        {
            CQtSurface surface(painter, 96);
            int nPassMode = nMode;
            CGraphPass(list, viewport).Draw(surface, nPassMode, 0, true);
        }
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["abscissae"] = list.m_abscissae.m_nCount;
}

void BM_DetailedPass(benchmark::State& state)
{
    RunPass(state, 1000, CGraphPass::modeDetailed, passFast);
}
void BM_DetailedPassSegments(benchmark::State& state)
{
    RunPass(state, 1000, CGraphPass::modeDetailed, passSegments);
}
void BM_DetailedPassLiteral(benchmark::State& state)
{
    RunPass(state, 1000, CGraphPass::modeDetailed, passLiteral);
}
void BM_ResultantPass(benchmark::State& state)
{
    RunPass(state, 10000, CGraphPass::modeResultant, passFast);
}
void BM_ResultantPassLiteral(benchmark::State& state)
{
    RunPass(state, 10000, CGraphPass::modeResultant, passLiteral);
}

BENCHMARK(BM_DetailedPass)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK(BM_DetailedPassSegments)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(BM_DetailedPassLiteral)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_ResultantPass)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK(BM_ResultantPassLiteral)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int nQtArgc = 1;
    QGuiApplication application(nQtArgc, argv);
    return CRatioReporter::Main(argc, argv,
                                {{"BM_DetailedPass", "BM_DetailedPassLiteral"},
                                 {"BM_DetailedPass", "BM_DetailedPassSegments"},
                                 {"BM_ResultantPass", "BM_ResultantPassLiteral"}});
}
