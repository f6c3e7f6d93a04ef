// Floating an estimate on a hull table and integrating its shear force and bending moment: the
// cost at 1k, 10k and 100k loads, the resultant's pieces against the stacked sums that evaluate
// every load at every abscissa, and the batch tool's whole strength process.
#include <benchmark/benchmark.h>
#include <cstdio>
#include <string>
#include <unistd.h>

#include "bench/ProcessRunner.h"
#include "bench/RatioReporter.h"
#include "bench/model/EstimateGenerator.h"
#include "document/File.h"
#include "document/HullTableFile.h"
#include "model/HullGirder.h"
#include "model/HullTable.h"
#include "model/LoadList.h"
#include "model/NumberFormat.h"
#include "model/ResultantLimits.h"
#include "model/ResultantPieces.h"

namespace
{
constexpr int kLoads = 10000;
constexpr double kShipLength = 150;
constexpr int kStations = 100;
constexpr int kDrafts = 20;

// The benchmarks' hull, on which the list floats at about half its depth.
CHullTable Hull(CLoadList& list)
{
    return CEstimateGenerator::Hull(kShipLength, kStations, kDrafts, list.TotalWeight());
}

void BM_Strength(benchmark::State& state)
{
    CLoadList list;
    CEstimateGenerator::Fill(list, static_cast<int>(state.range(0)), kShipLength);
    const CHullTable hull = Hull(list);
    CLoad* pEdited = list.Loads()[list.Loads().size() / 2];
    double dStep = 0.001;
    int nIterations = 0;
    for (auto _ : state)
    {
        // An edit before each round, as between two recomputations in a window, so that the
        // rebuild of the abscissae has its work to do.
        pEdited->m_dX2 += dStep;
        dStep = -dStep;
        const CStrengthResult result = CHullGirder(hull).Compute(list);
        if (!result.m_bFloats)
        {
            state.SkipWithError(result.m_strRefusal.c_str());
            break;
        }
        nIterations = result.m_nIterations;
        benchmark::DoNotOptimize(result.m_dMaxMoment);
    }
    state.SetComplexityN(state.range(0));
    state.counters["newton"] = nIterations;
}
BENCHMARK(BM_Strength)
    ->Arg(1000)
    ->Arg(kLoads)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

// The weight curve's pieces from the sweep over the loads' ends.
void BM_WeightPieces(benchmark::State& state)
{
    CLoadList list;
    CEstimateGenerator::Fill(list, kLoads, kShipLength);
    const std::vector<double> stations = Hull(list).m_stations;
    for (auto _ : state)
        benchmark::DoNotOptimize(CResultantPieces(list, stations).m_rights.data());
}
BENCHMARK(BM_WeightPieces)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);

// The same limits from the stacked sums, every load added at every abscissa it covers.
void BM_WeightStackedSums(benchmark::State& state)
{
    CLoadList list;
    CEstimateGenerator::Fill(list, kLoads, kShipLength);
    list.RebuildAbscissae();
    for (auto _ : state)
        benchmark::DoNotOptimize(CResultantLimits(list).m_rights.data());
}
BENCHMARK(BM_WeightStackedSums)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);

struct SFiles
{
    std::string strEstimate;
    std::string strHull;
};

const SFiles& Files()
{
    static const SFiles files = [] {
        SFiles made;
        const std::string strStem = "/tmp/scafometro-bench-strength-" + std::to_string(getpid());
        made.strEstimate = strStem + ".p3d";
        made.strHull = strStem + ".csv";
        CEstimateGenerator::Save(made.strEstimate, kLoads, kShipLength);
        CLoadList list;
        CEstimateGenerator::Fill(list, kLoads, kShipLength);
        const CHullTable hull = Hull(list);
        std::string strText = "x";
        for (double T : hull.m_drafts)
            strText += "," + CNumberFormat::Format("%.17G", T);
        for (size_t i = 0; i < hull.StationCount(); ++i)
        {
            strText += "\n" + CNumberFormat::Format("%.17G", hull.m_stations[i]);
            for (size_t j = 0; j < hull.DraftCount(); ++j)
                strText += "," + CNumberFormat::Format("%.17G", hull.Area(i, j));
        }
        CFile file(made.strHull, CFile::modeCreateWrite);
        file.Write(strText + "\n");
        file.Close();
        return made;
    }();
    return files;
}

// The whole batch tool: start, read both files, float, integrate, print, exit.
void BM_CliStrengthProcess(benchmark::State& state)
{
    CProcessRunner::Run(state, {SCAFOMETRO_CLI, "strength", Files().strEstimate, Files().strHull});
}
BENCHMARK(BM_CliStrengthProcess)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The same work in-process, with the loads evaluated by the stacked sums at every abscissa.
void BM_ReadAndStrengthStackedSums(benchmark::State& state)
{
    for (auto _ : state)
    {
        CLoadList list;
        CFile file(Files().strEstimate, CFile::modeRead);
        list.ReadFrom(file);
        CHullTable hull;
        CHullTableFile::Read(Files().strHull, hull);
        benchmark::DoNotOptimize(CHullGirder(hull).Compute(list).m_dMaxMoment);
        list.RebuildAbscissae();
        benchmark::DoNotOptimize(CResultantLimits(list).m_rights.data());
    }
}
BENCHMARK(BM_ReadAndStrengthStackedSums)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
} // namespace

int main(int argc, char** argv)
{
    const int nResult = CRatioReporter::Main(argc, argv,
                                             {{"BM_WeightPieces", "BM_WeightStackedSums"},
                                              {"BM_CliStrengthProcess", "BM_ReadAndStrengthStackedSums"}});
    unlink(Files().strEstimate.c_str());
    unlink(Files().strHull.c_str());
    return nResult;
}
