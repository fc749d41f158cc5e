#!/usr/bin/env bash
# Installs what is missing, builds in Release and starts the program with a
# simulated radio attached as COM1, so reading and writing need no hardware.
# Arguments go to the program (a data file to open, for example).
set -euo pipefail
cd "$(dirname "$0")"
./tools/install-deps.sh

build=${BUILD_DIR:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DPROGRAM_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target Program programcli radiosim program_folder_files
bin="$build/bin"

# Earlier versions of this script attached the radio by appending these two
# lines to the build's Program.ini; take them out again.
ini="$bin/Program.ini"
old_ports=$(printf '[Ports]\nCOM1=%s' "${XDG_RUNTIME_DIR:-/tmp}/program-radio-$(id -u)")
if [[ -f "$ini" && "$(tail -n 2 "$ini")" == "$old_ports" ]]; then
  head -n -2 "$ini" > "$ini.new" && mv "$ini.new" "$ini"
fi

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "No display: showing a new document's channel table instead of the window."
  doc=$(mktemp --suffix=.dat)
  "$bin/programcli" new -o "$doc"
  "$bin/programcli" show "$doc"
  rm -f "$doc"
  exit 0
fi

# The radio's memory is kept between runs in the build folder; a fresh radio
# holds a sample channel plan.
memory="$bin/radiosim-memory.dat"
./tools/sample-radio.sh "$bin" "$memory"
# Each run has a simulated radio and a link of its own, in a folder that goes
# with it.
run_dir=$(mktemp -d "${XDG_RUNTIME_DIR:-/tmp}/program-radio.XXXXXX")
link="$run_dir/radio"
"$bin/radiosim" --memory "$memory" --save "$memory" --link "$link" >/dev/null &
sim=$!
trap 'kill "$sim" 2>/dev/null; wait "$sim" 2>/dev/null || true; rm -rf "$run_dir"' EXIT
for _ in $(seq 50); do [[ -e "$link" ]] && break; sleep 0.1; done

if [[ -e "$link" ]]; then
  # COM1 is the simulated radio for this run only: the environment says so,
  # no file is written.
  export PROGRAM_PORT_COM1="$link"
  echo "Simulated radio on COM1 ($link) while the program runs; its memory is kept in $memory."
  echo "From another shell meanwhile: $bin/programcli read --port $link -o radio.dat"
else
  echo "The simulated radio did not start; COM1 is the first USB serial cable." >&2
fi
"$bin/Program" "$@"
