// The resultant table, the DXF drawings and their coordinates: the sweeps against the literal sums
// on the same estimate, the coordinates against printf, and the batch tool's whole process.
#include <benchmark/benchmark.h>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

#include "LiteralExports.h"
#include "bench/ProcessRunner.h"
#include "bench/RatioReporter.h"
#include "bench/model/EstimateGenerator.h"
#include "document/DxfFile.h"
#include "model/LoadList.h"
#include "model/NumberFormat.h"

namespace
{
constexpr int kDrawingLoads = 1000;
constexpr int kTableLoads = 10000;
constexpr double kShipLength = 150;

std::string ScratchPath(const char* pszName)
{
    return "/tmp/scafometro-bench-" + std::to_string(getpid()) + "-" + pszName;
}

template <class TFile, class TWrite> void WriteOnce(const std::string& strPath, TWrite write)
{
    TFile file;
    file.Open(strPath, CFile::modeCreateWrite);
    write(file);
    file.Close();
}

template <class TFile, class TWrite> void Measure(benchmark::State& state, int nLoads, TWrite write)
{
    CLoadList list;
    CEstimateGenerator::Fill(list, nLoads, kShipLength);
    const std::string strPath = ScratchPath("out");
    for (auto _ : state)
        WriteOnce<TFile>(strPath, [&](TFile& file) { write(list, file); });
    state.counters["abscissae"] = list.m_abscissae.m_nCount;
    unlink(strPath.c_str());
}

void BM_DetailedDxf(benchmark::State& state)
{
    Measure<CDxfFile>(state, kDrawingLoads,
                      [](CLoadList& list, CDxfFile& file) { list.ExportDetailedDxf(file); });
}
BENCHMARK(BM_DetailedDxf)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_DetailedDxfLiteral(benchmark::State& state)
{
    Measure<CDxfFile>(state, kDrawingLoads,
                      [](CLoadList& list, CDxfFile& file) { CLiteralExports::DetailedDxf(list, file); });
}
BENCHMARK(BM_DetailedDxfLiteral)->Unit(benchmark::kMillisecond)->Iterations(1);

// Coordinates as a drawing has them: a third are the z of 0, the rest metres and tonnes per metre.
std::vector<double> Coordinates()
{
    std::mt19937_64 random(1);
    std::uniform_real_distribution<double> value(-100, 160);
    std::vector<double> values(1 << 16);
    for (size_t i = 0; i < values.size(); ++i)
        values[i] = i % 3 == 2 ? 0.0 : value(random);
    return values;
}

void BM_Coordinates(benchmark::State& state)
{
    const std::vector<double> values = Coordinates();
    std::vector<char> text(values.size() * CNumberFormat::kFixed8Room);
    for (auto _ : state)
    {
        char* p = text.data();
        for (double dValue : values)
            p = CNumberFormat::WriteFixed8(p, dValue);
        benchmark::DoNotOptimize(p);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(values.size()));
}
BENCHMARK(BM_Coordinates)->Unit(benchmark::kMillisecond);

void BM_CoordinatesPrintf(benchmark::State& state)
{
    const std::vector<double> values = Coordinates();
    for (auto _ : state)
    {
        for (double dValue : values)
            benchmark::DoNotOptimize(CNumberFormat::Format("%.8f", dValue));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(values.size()));
}
BENCHMARK(BM_CoordinatesPrintf)->Unit(benchmark::kMillisecond);

void BM_ResultantCsv(benchmark::State& state)
{
    Measure<CFile>(state, kTableLoads,
                   [](CLoadList& list, CFile& file) { list.ExportResultantTable(file, ','); });
}
BENCHMARK(BM_ResultantCsv)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_ResultantCsvLiteral(benchmark::State& state)
{
    Measure<CFile>(state, kTableLoads,
                   [](CLoadList& list, CFile& file) { CLiteralExports::ResultantTable(list, file, ','); });
}
BENCHMARK(BM_ResultantCsvLiteral)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_ResultantDxf(benchmark::State& state)
{
    Measure<CDxfFile>(state, kTableLoads,
                      [](CLoadList& list, CDxfFile& file) { list.ExportResultantDxf(file); });
}
BENCHMARK(BM_ResultantDxf)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_ResultantDxfLiteral(benchmark::State& state)
{
    Measure<CDxfFile>(state, kTableLoads,
                      [](CLoadList& list, CDxfFile& file) { CLiteralExports::ResultantDxf(list, file); });
}
BENCHMARK(BM_ResultantDxfLiteral)->Unit(benchmark::kMillisecond)->Iterations(2);

// The estimate files of the whole-process runs, made once.
std::string EstimateFile(int nLoads)
{
    static const std::string strDrawing = [] {
        const std::string strPath = ScratchPath("1000.p3d");
        CEstimateGenerator::Save(strPath, kDrawingLoads, kShipLength);
        return strPath;
    }();
    static const std::string strTable = [] {
        const std::string strPath = ScratchPath("10000.p3d");
        CEstimateGenerator::Save(strPath, kTableLoads, kShipLength);
        return strPath;
    }();
    return nLoads == kDrawingLoads ? strDrawing : strTable;
}

// The whole batch tool: start, read, export, exit.
void RunCli(benchmark::State& state, const char* pszCommand, int nLoads)
{
    const std::string strOut = ScratchPath("cli-out");
    CProcessRunner::Run(state, {SCAFOMETRO_CLI, pszCommand, EstimateFile(nLoads), strOut});
    unlink(strOut.c_str());
}

void BM_CliDetailedDxfProcess(benchmark::State& state)
{
    RunCli(state, "export-detailed-dxf", kDrawingLoads);
}
BENCHMARK(BM_CliDetailedDxfProcess)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_CliCsvProcess(benchmark::State& state)
{
    RunCli(state, "export-csv", kTableLoads);
}
BENCHMARK(BM_CliCsvProcess)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
} // namespace

int main(int argc, char** argv)
{
    const int nResult = CRatioReporter::Main(argc, argv,
                                             {{"BM_DetailedDxf", "BM_DetailedDxfLiteral"},
                                              {"BM_Coordinates", "BM_CoordinatesPrintf"},
                                              {"BM_ResultantCsv", "BM_ResultantCsvLiteral"},
                                              {"BM_ResultantDxf", "BM_ResultantDxfLiteral"},
                                              {"BM_CliDetailedDxfProcess", "BM_DetailedDxfLiteral"},
                                              {"BM_CliCsvProcess", "BM_ResultantCsvLiteral"}});
    unlink(EstimateFile(kDrawingLoads).c_str());
    unlink(EstimateFile(kTableLoads).c_str());
    return nResult;
}
