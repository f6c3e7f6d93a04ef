// A console reporter that also prints the speed-up of each benchmark over its literal twin.
#include "bench/RatioReporter.h"

#include <cstdio>

CRatioReporter::CRatioReporter(std::vector<std::pair<std::string, std::string>> pairs)
    : m_pairs(std::move(pairs))
{
}

void CRatioReporter::ReportRuns(const std::vector<Run>& runs)
{
    for (const Run& run : runs)
    {
        // Without repetitions there is no median: the one measurement stands for it.
        const bool bMedian = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        if (!bMedian && run.run_type == Run::RT_Aggregate)
            continue;
        const std::string strName = run.run_name.function_name;
        if (bMedian || !m_medians.count(strName))
            m_medians[strName] =
                run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e9;
    }
    ConsoleReporter::ReportRuns(runs);
}

void CRatioReporter::Finalize()
{
    ConsoleReporter::Finalize();
    for (const auto& pair : m_pairs)
    {
        const auto fast = m_medians.find(pair.first);
        const auto literal = m_medians.find(pair.second);
        if (fast == m_medians.end() || literal == m_medians.end() || fast->second <= 0)
            continue;
        std::printf("ratio %s / %s: %.1f times faster (%.3f ms against %.3f ms)\n", pair.second.c_str(),
                    pair.first.c_str(), literal->second / fast->second, fast->second / 1e6,
                    literal->second / 1e6);
    }
}

int CRatioReporter::Main(int argc, char** argv, std::vector<std::pair<std::string, std::string>> pairs)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    CRatioReporter reporter(std::move(pairs));
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
