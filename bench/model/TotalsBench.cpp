// Rebuilding the abscissae and computing the totals: the sorted build against the walk from the
// cursor, and the batch tool's whole process.
#include <benchmark/benchmark.h>
#include <string>
#include <unistd.h>

#include "bench/ProcessRunner.h"
#include "bench/RatioReporter.h"
#include "bench/model/EstimateGenerator.h"
#include "document/File.h"
#include "model/LoadList.h"

namespace
{
constexpr int kLoads = 10000;
constexpr double kShipLength = 150;

// The rebuild as one insertion at a time, each walking from where the last one stopped.
void RebuildOneAtATime(CLoadList& list)
{
    list.m_abscissae.Clear();
    for (CLoad* pLoad : list.Loads())
    {
        pLoad->Normalize();
        list.m_abscissae.Insert(pLoad->m_dX1);
        list.m_abscissae.Insert(pLoad->m_dX2);
    }
}

double WeightedSum(CLoadList& list, double (*pTerm)(const CLoad&))
{
    RebuildOneAtATime(list);
    const double dWeight = list.TotalWeight();
    double dSum = 0;
    for (const CLoad* pLoad : list.Loads())
        dSum += pTerm(*pLoad) / dWeight;
    return dSum;
}

// The rebuild of a redraw, then the total weight and the three centres of gravity, each of
// which rebuilds again.
void TotalsOneAtATime(CLoadList& list)
{
    RebuildOneAtATime(list);
    benchmark::DoNotOptimize(list.TotalWeight());
    benchmark::DoNotOptimize(
        WeightedSum(list, [](const CLoad& l) { return (l.m_dX1 + l.m_dXgRel) * l.m_dWeight; }));
    benchmark::DoNotOptimize(WeightedSum(list, [](const CLoad& l) { return l.m_dWeight * l.m_dYg; }));
    benchmark::DoNotOptimize(WeightedSum(list, [](const CLoad& l) { return l.m_dWeight * l.m_dZg; }));
}

void BM_RebuildAndTotals(benchmark::State& state)
{
    CLoadList list;
    CEstimateGenerator::Fill(list, kLoads, kShipLength);
    CLoad* pEdited = list.Loads()[kLoads / 2];
    double dStep = 0.001;
    for (auto _ : state)
    {
        // An edit before each round, as the loads list makes between two redraws, so that the
        // first rebuild of the round has real work to do.
        pEdited->m_dX2 += dStep;
        dStep = -dStep;
        list.RebuildAbscissae();
        benchmark::DoNotOptimize(list.TotalWeight());
        benchmark::DoNotOptimize(list.Xg());
        benchmark::DoNotOptimize(list.Yg());
        benchmark::DoNotOptimize(list.Zg());
    }
    state.counters["abscissae"] = list.m_abscissae.m_nCount;
}
BENCHMARK(BM_RebuildAndTotals)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_RebuildAndTotalsOneAtATime(benchmark::State& state)
{
    CLoadList list;
    CEstimateGenerator::Fill(list, kLoads, kShipLength);
    for (auto _ : state)
    {
        TotalsOneAtATime(list);
    }
    state.counters["abscissae"] = list.m_abscissae.m_nCount;
}
BENCHMARK(BM_RebuildAndTotalsOneAtATime)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

std::string EstimateFile()
{
    static const std::string strPath = [] {
        const std::string strFile = "/tmp/scafometro-bench-" + std::to_string(getpid()) + ".p3d";
        CEstimateGenerator::Save(strFile, kLoads, kShipLength);
        return strFile;
    }();
    return strPath;
}

// The whole batch tool: start, read the file, rebuild, print the totals, exit.
void BM_CliTotalsProcess(benchmark::State& state)
{
    CProcessRunner::Run(state, {SCAFOMETRO_CLI, "totals", EstimateFile()});
}
BENCHMARK(BM_CliTotalsProcess)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The same work in-process, with the rebuild walking one insertion at a time.
void BM_ReadAndTotalsOneAtATime(benchmark::State& state)
{
    const std::string strFile = EstimateFile();
    for (auto _ : state)
    {
        CLoadList list;
        CFile file(strFile, CFile::modeRead);
        list.ReadFrom(file);
        TotalsOneAtATime(list);
    }
}
BENCHMARK(BM_ReadAndTotalsOneAtATime)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
} // namespace

int main(int argc, char** argv)
{
    const int nResult = CRatioReporter::Main(argc, argv,
                                             {{"BM_RebuildAndTotals", "BM_RebuildAndTotalsOneAtATime"},
                                              {"BM_CliTotalsProcess", "BM_ReadAndTotalsOneAtATime"}});
    unlink(EstimateFile().c_str());
    return nResult;
}
