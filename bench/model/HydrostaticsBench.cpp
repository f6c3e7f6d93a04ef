// The curves of form of a 100-station, 20-draft hull table at 200 drafts, in-process and through
// the batch tool; and what the stability lines add to the strength calculation, the stability
// at the equilibrium's waterline timed beside the whole calculation on the same estimate (the
// ratio printed is how many times the stability's share goes into the whole).
#include <benchmark/benchmark.h>
#include <string>
#include <unistd.h>

#include "bench/ProcessRunner.h"
#include "bench/RatioReporter.h"
#include "bench/model/EstimateGenerator.h"
#include "document/File.h"
#include "model/CentreTerms.h"
#include "model/CurvesOfForm.h"
#include "model/HullGirder.h"
#include "model/HullTable.h"
#include "model/Hydrostatics.h"
#include "model/LoadList.h"
#include "model/NumberFormat.h"

namespace
{
constexpr double kShipLength = 150;
constexpr int kStations = 100;
constexpr int kDrafts = 20;
constexpr int kCurveDrafts = 200;
constexpr int kLoads = 10000;

// The benchmarks' hull, on which dWeight tonnes float at about half its depth.
CHullTable Hull(double dWeight)
{
    return CEstimateGenerator::Hull(kShipLength, kStations, kDrafts, dWeight);
}

const double kStep = (kDrafts - 1.0) / (kCurveDrafts - 1);

void BM_CurvesOfForm(benchmark::State& state)
{
    const CHullTable hull = Hull(10000);
    for (auto _ : state)
    {
        CCurvesOfForm curves;
        curves.Compute(hull, CHullGirder::kSeaWater, 0, kDrafts - 1, kStep);
        if (curves.m_rows.size() != kCurveDrafts)
        {
            state.SkipWithError("not 200 drafts");
            break;
        }
        benchmark::DoNotOptimize(curves.m_rows.back().hydrostatics.dKmt);
    }
}
BENCHMARK(BM_CurvesOfForm)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The table as a file for the batch tool, written once and removed at the end.
const std::string& HullFile()
{
    static const std::string strHull = [] {
        const std::string strPath = "/tmp/scafometro-bench-hydrostatics-" + std::to_string(getpid()) + ".csv";
        const CHullTable hull = Hull(10000);
        std::string strText = "x";
        for (double T : hull.m_drafts)
            strText += "," + CNumberFormat::Format("%.17G", T);
        for (size_t i = 0; i < hull.StationCount(); ++i)
        {
            strText += "\n" + CNumberFormat::Format("%.17G", hull.m_stations[i]);
            for (size_t j = 0; j < hull.DraftCount(); ++j)
                strText += "," + CNumberFormat::Format("%.17G", hull.Area(i, j));
        }
        CFile file(strPath, CFile::modeCreateWrite);
        file.Write(strText + "\n");
        file.Close();
        return strPath;
    }();
    return strHull;
}

// The whole batch tool: start, read the table, 200 drafts, write the CSV, exit.
void BM_CliHydrostaticsProcess(benchmark::State& state)
{
    const std::string& strHull = HullFile();
    CProcessRunner::Run(state, {SCAFOMETRO_CLI, "hydrostatics", strHull, "-", "--drafts",
                                "0:19:" + CNumberFormat::Format("%.17G", kStep)});
}
BENCHMARK(BM_CliHydrostaticsProcess)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The stability lines' share: the hydrostatics at the equilibrium's trimmed waterline, built
// from the table as the strength calculation builds it, against that whole calculation.
struct SFloated
{
    CLoadList list;
    CHullTable hull;
    CStrengthResult result;
};

SFloated& Floated(int nLoads)
{
    static SFloated floated[2];
    SFloated& f = floated[nLoads == kLoads];
    if (f.hull.m_stations.empty())
    {
        CEstimateGenerator::Fill(f.list, nLoads, kShipLength);
        f.hull = Hull(f.list.TotalWeight());
        f.result = CHullGirder(f.hull).Compute(f.list);
    }
    return f;
}

// What Compute adds for the stability lines: the estimate's ZG summed as the totals sum it, and the
// hydrostatics at the waterline found.
void Stability(benchmark::State& state, int nLoads)
{
    SFloated& f = Floated(nLoads);
    const double W = f.list.TotalWeight();
    for (auto _ : state)
    {
        double dKg = 0;
        f.list.First();
        do
            dKg += CCentreTerms::Z(*f.list.m_pCurrent, W);
        while (f.list.Next());
        const SHydrostatics h = CHydrostatics(f.hull).At(f.result.m_dAftDraft, f.result.m_dFwdDraft);
        benchmark::DoNotOptimize(h.dKmt - dKg);
    }
}

void Strength(benchmark::State& state, int nLoads)
{
    SFloated& f = Floated(nLoads);
    for (auto _ : state)
        benchmark::DoNotOptimize(CHullGirder(f.hull).Compute(f.list).m_dGmt);
}

void BM_StabilityOf1kLoads(benchmark::State& state)
{
    Stability(state, 1000);
}
void BM_StrengthOf1kLoads(benchmark::State& state)
{
    Strength(state, 1000);
}
void BM_StabilityOf10kLoads(benchmark::State& state)
{
    Stability(state, kLoads);
}
void BM_StrengthOf10kLoads(benchmark::State& state)
{
    Strength(state, kLoads);
}
BENCHMARK(BM_StabilityOf1kLoads)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_StrengthOf1kLoads)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_StabilityOf10kLoads)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_StrengthOf10kLoads)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
} // namespace

int main(int argc, char** argv)
{
    const int nResult = CRatioReporter::Main(argc, argv,
                                             {{"BM_StabilityOf1kLoads", "BM_StrengthOf1kLoads"},
                                              {"BM_StabilityOf10kLoads", "BM_StrengthOf10kLoads"},
                                              {"BM_CurvesOfForm", "BM_CliHydrostaticsProcess"}});
    unlink(HullFile().c_str());
    return nResult;
}
