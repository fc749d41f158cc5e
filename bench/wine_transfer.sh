#!/usr/bin/env bash
# Times programcli read and write at 9600 baud against the simulated radio:
# the Linux build beside the Windows one under wine (COM1 mapped as in the
# wine tests), against the wire's own limit, 1765 ms for a read and 1349 ms
# for a write. Each run gives the transfer's time from its trace (open to
# the last byte on the wire) and the whole run's; wine's start-up is timed
# apart (programcli.exe --version). Medians of RUNS runs (default 5).
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${RUNS:-5}
build=${BUILD_DIR:-build-bench-wine}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DPROGRAM_BUILD_GUI=OFF -DPROGRAM_BUILD_TESTS=OFF \
  -DPROGRAM_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j2 --target programcli radiosim >/dev/null
out=$build/windows-out
tools/build-windows.sh "$out" >/dev/null
. tests/windows/wine_prefix.sh
bin=$build/bin

work=$(mktemp -d)
trap 'kill $(cat "$work/sim.pid" 2>/dev/null) 2>/dev/null; rm -rf "$work"' EXIT
"$bin/programcli" new -o "$work/plan.dat" >/dev/null
"$bin/radiosim" --memory "$work/plan.dat" --link "$wine_com1" >"$work/sim.out" &
echo $! >"$work/sim.pid"
until [ -s "$work/sim.out" ] && [ -e "$wine_com1" ]; do sleep 0.05; done

now_ms() { echo $(($(date +%s%N) / 1000000)); }
median() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }

# one SIDE ARGS...: prints "WALL TRANSFER" in ms for one run.
one() {
  local side=$1 start
  shift
  start=$(now_ms)
  if [ "$side" = linux ]; then
    PROGRAM_PORT_COM1=$wine_com1 XDG_DATA_HOME=$work/data "$bin/programcli" "$@" --trace "$work/trace.txt"
  else
    wine "$out/programcli.exe" "$@" --trace "$work/trace.txt"
  fi >"$work/output.txt" 2>&1
  echo "$(($(now_ms) - start)) $(awk 'END {printf "%d", $1}' "$work/trace.txt")"
}

startup=$(for _ in $(seq "$runs"); do
  s=$(now_ms)
  wine "$out/programcli.exe" --version >/dev/null
  echo $(($(now_ms) - s))
done | median)
echo "wine start-up (programcli.exe --version): $startup ms"
printf '%-6s %-8s %10s %10s %10s %8s\n' verb build wall_ms transfer wire_ms over
for verb in read write; do
  wire=1765
  args=(read --port COM1 -o "$work/got.dat")
  if [ $verb = write ]; then
    wire=1349
    args=(write --port COM1 "$work/plan.dat")
  fi
  for side in linux windows; do
    for _ in $(seq "$runs"); do one $side "${args[@]}"; done >"$work/times"
    wall=$(cut -d' ' -f1 "$work/times" | median)
    transfer=$(cut -d' ' -f2 "$work/times" | median)
    over=$(awk -v t="$transfer" -v w="$wire" 'BEGIN {printf "%+.1f%%", (t - w) * 100 / w}')
    printf '%-6s %-8s %10s %10s %10s %8s\n' $verb $side "$wall" "$transfer" $wire "$over"
  done
done
