#!/usr/bin/env bash
# Runs the fuzz targets one after another, each for SECONDS (default 60), from the seed corpus in
# fuzz/corpus plus what earlier runs in BUILD found. Fails on the first finding, whose input is
# left in BUILD/fuzz/findings. Usage: fuzz/run.sh [SECONDS] [BUILD] [TARGET...]
# BUILD (default build-fuzz) is configured and built when missing:
#     CXX=clang++ cmake -S . -B BUILD -DSCAFOMETRO_FUZZ=ON -DSCAFOMETRO_GUI=OFF -DSCAFOMETRO_BENCH=OFF
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
build=${2:-build-fuzz}
shift $(( $# > 2 ? 2 : $# ))
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(weight-file old-file table exports limits)

if [ ! -f "$build/CMakeCache.txt" ]; then
    CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSCAFOMETRO_FUZZ=ON \
        -DSCAFOMETRO_GUI=OFF -DSCAFOMETRO_BENCH=OFF >/dev/null
fi
cmake --build "$build" -j2 >/dev/null

mkdir -p "$build/fuzz/findings"
for target in "${targets[@]}"; do
    corpus="$build/fuzz/corpus/$target"
    mkdir -p "$corpus"
    echo "fuzz-$target: $seconds s"
    log="$build/fuzz/fuzz-$target.log"
    seeds=()
    for folder in "fuzz/corpus/$target" "fuzz/regressions/$target"; do
        [ -d "$folder" ] && seeds+=("$folder")
    done
    # One input taking over 10 s is a hang; leaks count as findings (ASan's leak check is on).
    if ! "$build/fuzz/fuzz-$target" "$corpus" "${seeds[@]}" \
        -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=8192 -print_final_stats=1 \
        -artifact_prefix="$build/fuzz/findings/$target-" >"$log" 2>&1; then
        tail -n 40 "$log" >&2
        echo "fuzz-$target found a fault; the input is in $build/fuzz/findings" >&2
        exit 1
    fi
    grep -E '^(#[0-9]+.*DONE|stat::number_of_executed_units)' "$log"
done
