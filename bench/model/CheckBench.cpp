// Checking loading conditions against the permissible limits: 20 conditions of 2,000 loads each
// over a 100-station hull with 40 read-out points, in-process from loaded estimates, with the files
// read, and as the batch tool's whole check process.
#include <benchmark/benchmark.h>
#include <string>
#include <unistd.h>
#include <vector>

#include "bench/ProcessRunner.h"
#include "bench/RatioReporter.h"
#include "bench/model/EstimateGenerator.h"
#include "document/File.h"
#include "document/HullTableFile.h"
#include "document/LimitsFile.h"
#include "document/LoadingCondition.h"
#include "model/HullTable.h"
#include "model/LoadList.h"
#include "model/LoadingCheck.h"
#include "model/NumberFormat.h"
#include "model/WaveLoads.h"

namespace
{
constexpr int kConditions = 20;
constexpr int kLoads = 2000;
constexpr double kShipLength = 150;
constexpr int kStations = 100;
constexpr int kDrafts = 20;
constexpr int kPoints = 40;

std::string Number(double dValue)
{
    return CNumberFormat::Format("%.17G", dValue);
}

// A hull over the ship's length on which the first condition floats at about half its depth.
CHullTable Hull()
{
    CLoadList list;
    CEstimateGenerator::Fill(list, kLoads, kShipLength, 1);
    return CEstimateGenerator::Hull(kShipLength, kStations, kDrafts, list.TotalWeight());
}

// Limits no condition comes near, so that the batch tool ends with status 0.
std::vector<SLimitPoint> Limits()
{
    std::vector<SLimitPoint> limits;
    for (int i = 0; i < kPoints; ++i)
        limits.push_back(SLimitPoint{kShipLength * (i + 0.5) / kPoints, 1e9, -1e9, 1e12, -1e12});
    return limits;
}

struct SFiles
{
    std::string strHull;
    std::string strLimits;
    std::vector<std::string> conditions;
};

const SFiles& Files()
{
    static const SFiles files = [] {
        SFiles made;
        const std::string strStem = "/tmp/scafometro-bench-check-" + std::to_string(getpid());
        made.strHull = strStem + "-hull.csv";
        made.strLimits = strStem + "-limits.csv";
        const CHullTable hull = Hull();
        std::string strText = "x";
        for (double T : hull.m_drafts)
            strText += "," + Number(T);
        for (size_t i = 0; i < hull.StationCount(); ++i)
        {
            strText += "\n" + Number(hull.m_stations[i]);
            for (size_t j = 0; j < hull.DraftCount(); ++j)
                strText += "," + Number(hull.Area(i, j));
        }
        CFile file(made.strHull, CFile::modeCreateWrite);
        file.Write(strText + "\n");
        file.Close();
        strText = "x,SF_max,SF_min,BM_hog,BM_sag\n";
        for (const SLimitPoint& limit : Limits())
            strText += Number(limit.x) + ",1e9,-1e9,1e12,-1e12\n";
        CFile limits(made.strLimits, CFile::modeCreateWrite);
        limits.Write(strText);
        limits.Close();
        for (int n = 0; n < kConditions; ++n)
        {
            made.conditions.push_back(strStem + "-" + std::to_string(n) + ".p3d");
            CEstimateGenerator::Save(made.conditions.back(), kLoads, kShipLength, 1 + n);
        }
        return made;
    }();
    return files;
}

void Check(benchmark::State& state, const CHullTable& hull, const std::vector<SLimitPoint>& limits,
           std::vector<CLoadList>& lists, const CWaveLoads& wave)
{
    CLoadingCheck check(hull, limits, CHullGirder::kSeaWater, &wave);
    std::string strRefusal;
    for (size_t n = 0; n < lists.size(); ++n)
    {
        if (!check.Add(std::to_string(n), lists[n], strRefusal))
        {
            state.SkipWithError(strRefusal.c_str());
            return;
        }
    }
    benchmark::DoNotOptimize(check.m_momentSag.dValue);
}

// Every condition floated, integrated and checked at the read-out points, the envelope gathered.
void BM_CheckConditions(benchmark::State& state)
{
    const CHullTable hull = Hull();
    const std::vector<SLimitPoint> limits = Limits();
    const CWaveLoads wave(kShipLength, 24, 0.75);
    std::vector<CLoadList> lists(kConditions);
    for (int n = 0; n < kConditions; ++n)
        CEstimateGenerator::Fill(lists[static_cast<size_t>(n)], kLoads, kShipLength, 1 + n);
    for (auto _ : state)
        Check(state, hull, limits, lists, wave);
}
BENCHMARK(BM_CheckConditions)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);

// The same with the hull table, the limits and the twenty estimates read from their files.
void BM_ReadAndCheckConditions(benchmark::State& state)
{
    const CWaveLoads wave(kShipLength, 24, 0.75);
    for (auto _ : state)
    {
        CHullTable hull;
        CHullTableFile::Read(Files().strHull, hull);
        std::vector<SLimitPoint> limits;
        CLimitsFile::Read(Files().strLimits, limits);
        std::vector<CLoadList> lists(kConditions);
        for (int n = 0; n < kConditions; ++n)
            CLoadingCondition::Read({Files().conditions[static_cast<size_t>(n)]},
                                    lists[static_cast<size_t>(n)]);
        Check(state, hull, limits, lists, wave);
    }
}
BENCHMARK(BM_ReadAndCheckConditions)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

// The whole batch tool: start, read every file, check, print, exit.
void BM_CliCheckProcess(benchmark::State& state)
{
    std::vector<std::string> args{SCAFOMETRO_CLI, "check", Files().strHull, Files().strLimits};
    args.insert(args.end(), Files().conditions.begin(), Files().conditions.end());
    args.insert(args.end(), {"--wave", "150,24,0.75"});
    CProcessRunner::Run(state, args);
}
BENCHMARK(BM_CliCheckProcess)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
} // namespace

int main(int argc, char** argv)
{
    const int nResult = CRatioReporter::Main(argc, argv, {});
    unlink(Files().strHull.c_str());
    unlink(Files().strLimits.c_str());
    for (const std::string& strPath : Files().conditions)
        unlink(strPath.c_str());
    return nResult;
}
