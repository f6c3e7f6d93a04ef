// Timing a whole process of the batch tool, start to exit, once per benchmark iteration.
#pragma once

#include <benchmark/benchmark.h>
#include <string>
#include <vector>

class CProcessRunner
{
public:
    // Runs args[0] with the other words as its arguments, its standard output thrown away, once
    // per iteration; a start that fails or an exit status other than 0 ends the benchmark with
    // an error.
    static void Run(benchmark::State& state, const std::vector<std::string>& args);
};
