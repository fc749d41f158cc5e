#!/usr/bin/env bash
# Runs each libFuzzer target for SECONDS seconds (default 60), starting from
# its seed corpus under tests/fuzz/corpus/. Installs clang when it is missing.
# Exits non-zero when a target finds a crash; the input that crashed is left
# in fuzz-out/<target>/ (copy it into the corpus once fixed, so the normal
# test run replays it).
#
#   tools/fuzz.sh [SECONDS] [TARGET...]     targets: datafile profile csv clonelink
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
[[ "$seconds" =~ ^[0-9]+$ ]] || { echo "usage: tools/fuzz.sh [SECONDS] [TARGET...]" >&2; exit 2; }
shift || true
targets=("$@")
[[ ${#targets[@]} -gt 0 ]] || targets=(datafile profile csv clonelink)

./tools/install-deps.sh clang libclang-rt-dev

build=${FUZZ_BUILD_DIR:-build-fuzz}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DPROGRAM_FUZZ=ON -DPROGRAM_BUILD_GUI=OFF -DPROGRAM_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target "${targets[@]/#/fuzz_}"

status=0
for t in "${targets[@]}"; do
  out="fuzz-out/$t"
  work="$out/corpus"  # grows as the fuzzer finds new paths; the seeds stay as they are
  mkdir -p "$work"
  echo "== fuzz_$t for ${seconds}s" >&2
  if ! "$build/fuzz/fuzz_$t" "$work" "tests/fuzz/corpus/$t" \
      -max_total_time="$seconds" -timeout=10 -artifact_prefix="$out/" -print_final_stats=1 \
      2> >(tee "$out/log.txt" >&2); then
    echo "fuzz_$t: found a failing input, see $out/" >&2
    status=1
  fi
done
exit $status
