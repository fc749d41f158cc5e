#!/usr/bin/env bash
# Builds the benchmarks in Release and runs them. Extra arguments go to
# each of them (e.g. --runs 10).
set -euo pipefail
cd "$(dirname "$0")/.."
./tools/install-deps.sh

build=${BUILD_DIR:-build-bench}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DPROGRAM_BUILD_TESTS=OFF -DPROGRAM_BUILD_BENCH=ON >/dev/null
cmake --build "$build" -j2 --target bench_transfer bench_fleet bench_view_transfer bench_startup
"$build/bench/bench_transfer" "$@"
"$build/bench/bench_fleet" "$@"
"$build/bench/bench_view_transfer" "$@"
"$build/bench/bench_startup" "$@"
