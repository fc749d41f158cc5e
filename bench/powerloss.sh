#!/usr/bin/env bash
# The long power-loss run: a child saves data files and "Program.ini" through
# the real save code while it is killed with SIGKILL at random moments,
# KILLS times per kind of file (default 300). ./test.sh runs the same test
# with a few dozen kills. PROGRAM_TEST_SEED repeats a run.
set -euo pipefail
cd "$(dirname "$0")/.."
./tools/install-deps.sh --tests

build=${BUILD_DIR:-build-test}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DPROGRAM_SANITIZE=ON >/dev/null
cmake --build "$build" -j2 --target files_tests
PROGRAM_POWERLOSS_KILLS=${KILLS:-300} "$build/tests/files_tests" --gtest_filter='PowerLoss.*'
