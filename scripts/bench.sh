#!/usr/bin/env bash
# Builds the benchmarks in a Release build of their own (build/bench) and runs them for both
# builds: the cost of a tick beside its memory bound, and of the saver's start. Extra arguments
# go to both benchmark programs (e.g. --benchmark_filter=Tick).
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${GLACIMO_BENCH_DIR:-build/bench}
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DGLACIMO_BENCH=ON -DGLACIMO_TESTS=OFF \
    -DGLACIMO_BACKENDS=headless >/dev/null
cmake --build "$dir" --target glacimo_bench1 glacimo_bench2
for build in 1 2; do
    echo "=== build $build"
    "$dir/bench/glacimo_bench$build" --benchmark_counters_tabular=true "$@"
done
