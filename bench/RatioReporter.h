// A console reporter that also prints, at the end, how many times faster each benchmark is
// than the literal algorithm run beside it on the same data.
#pragma once

#include <benchmark/benchmark.h>
#include <map>
#include <string>
#include <utility>
#include <vector>

class CRatioReporter : public benchmark::ConsoleReporter
{
public:
    // Each pair names a benchmark and the literal one it is compared with.
    explicit CRatioReporter(std::vector<std::pair<std::string, std::string>> pairs);

    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

    // Initialises the library, runs every benchmark with this reporter, and shuts down.
    static int Main(int argc, char** argv, std::vector<std::pair<std::string, std::string>> pairs);

private:
    std::vector<std::pair<std::string, std::string>> m_pairs;
    // Median real time in nanoseconds, by benchmark name without its repetition suffix.
    std::map<std::string, double> m_medians;
};
