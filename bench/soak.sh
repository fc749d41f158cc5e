#!/usr/bin/env bash
# Builds in Release and runs the soak: 1,000 transfers in a row against
# radiosim at full speed with a random fault each, through programcli and
# through the link code in-process. Extra arguments go to bench_soak
# (--transfers N, --seed S; the seed is printed either way). Exits non-zero
# when an outcome or a memory was wrong, or descriptors or memory grew.
set -euo pipefail
cd "$(dirname "$0")/.."
./tools/install-deps.sh

build=${BUILD_DIR:-build-bench}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DPROGRAM_BUILD_GUI=OFF -DPROGRAM_BUILD_TESTS=OFF -DPROGRAM_BUILD_BENCH=ON >/dev/null
cmake --build "$build" -j2 --target bench_soak
"$build/bench/bench_soak" "$@"
