#!/usr/bin/env bash
# Installs what is missing (the tests' tools too), builds with
# AddressSanitizer and UndefinedBehaviorSanitizer, runs every test. The exit
# status is the verdict. Extra arguments go to ctest.
#
# The tests that draw random numbers take their seed from PROGRAM_TEST_SEED:
# a fixed one unless given, printed, so that a failure can be replayed with
#   PROGRAM_TEST_SEED=N ./test.sh
set -euo pipefail
cd "$(dirname "$0")"

seed=${PROGRAM_TEST_SEED:-1}
if ! [[ "$seed" =~ ^[0-9]{1,10}$ ]] || (( 10#$seed > 4294967295 )); then
  echo "PROGRAM_TEST_SEED='$seed' is no seed: give a whole number from 0 to 4294967295" >&2
  exit 2
fi
export PROGRAM_TEST_SEED=$((10#$seed))

./tools/install-deps.sh --tests

build=${BUILD_DIR:-build-test}
jobs=$(nproc)
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DPROGRAM_SANITIZE=ON -DPROGRAM_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j"$jobs"
# programcli for Windows, which the wine tests run beside this build's.
tools/build-windows.sh "$build/windows-out"
echo "Random tests use seed $PROGRAM_TEST_SEED; PROGRAM_TEST_SEED=$PROGRAM_TEST_SEED ./test.sh replays them."
ctest --test-dir "$build" --output-on-failure -j"$jobs" "$@"

# The build without the window, as the Windows one is made: programcli must
# stand whole without it. No sanitizer (the build above runs the same core
# under them) and the same ccache, so it costs little beside the first.
nogui=${NOGUI_BUILD_DIR:-build-nogui}
launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S . -B "$nogui" -DCMAKE_BUILD_TYPE=Debug -DPROGRAM_BUILD_GUI=OFF -DPROGRAM_BUILD_BENCH=OFF "${launcher[@]}" >/dev/null
cmake --build "$nogui" -j"$jobs"
echo "The build without the window: its core and programcli tests."
ctest --test-dir "$nogui" --output-on-failure -j"$jobs" -LE package "$@"
