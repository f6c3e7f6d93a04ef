// The estimate summed by group: 10,000 loads with coded names, at the shallowest, a middle and the
// deepest level, beside the totals of the same list.
#include <benchmark/benchmark.h>
#include <string>

#include "bench/RatioReporter.h"
#include "bench/model/EstimateGenerator.h"
#include "model/LoadList.h"
#include "model/WeightGroups.h"

namespace
{
constexpr int kLoads = 10000;
constexpr double kShipLength = 150;

void FillCoded(CLoadList& list)
{
    CEstimateGenerator::Fill(list, kLoads, kShipLength);
    CEstimateGenerator::AddGroupCodes(list);
}

void BM_Groups(benchmark::State& state)
{
    CLoadList list;
    FillCoded(list);
    CWeightGroups groups;
    for (auto _ : state)
    {
        groups.Compute(list, static_cast<int>(state.range(0)));
        benchmark::DoNotOptimize(groups.m_total.m_dXg);
    }
    state.counters["groups"] = static_cast<double>(groups.m_groups.size());
}
BENCHMARK(BM_Groups)
    ->Arg(1)
    ->Arg(3)
    ->Arg(9)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The totals of the same list, which the total row gives again.
void BM_Totals(benchmark::State& state)
{
    CLoadList list;
    FillCoded(list);
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(list.TotalWeight());
        benchmark::DoNotOptimize(list.Xg());
        benchmark::DoNotOptimize(list.Yg());
        benchmark::DoNotOptimize(list.Zg());
    }
}
BENCHMARK(BM_Totals)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
} // namespace

int main(int argc, char** argv)
{
    return CRatioReporter::Main(argc, argv, {});
}
