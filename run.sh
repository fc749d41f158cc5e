#!/usr/bin/env bash
# Installs what is missing, builds in Release and starts the program with a
# simulated radio attached as COM1, so reading and writing need no hardware.
# Arguments go to the program (a data file to open, for example).
set -euo pipefail
cd "$(dirname "$0")"
./tools/install-deps.sh

build=${BUILD_DIR:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)" --target Program programcli radiosim program_folder_files
bin="$build/bin"

# The simulated radio keeps its memory between runs in the build folder.
state="${XDG_RUNTIME_DIR:-/tmp}/program-radio-$(id -u)"
memory="$bin/radiosim-memory.dat"
[[ -f "$memory" ]] || "$bin/programcli" new -o "$memory"
"$bin/radiosim" --memory "$memory" --save "$memory" --link "$state" >/dev/null &
sim=$!
trap 'kill "$sim" 2>/dev/null; wait "$sim" 2>/dev/null || true' EXIT
for _ in $(seq 50); do [[ -e "$state" ]] && break; sleep 0.1; done

# COM1 is the simulated radio: a [Ports] section in the build's own
# Program.ini (the shipped file has none) says so.
ini="$bin/Program.ini"
awk '/^\[/{skip = ($0 == "[Ports]")} !skip' "$ini" > "$ini.new"
printf '[Ports]\nCOM1=%s\n' "$state" >> "$ini.new"
mv "$ini.new" "$ini"

echo "Simulated radio on COM1 ($state); its memory is kept in $memory."
echo "From a shell: $bin/programcli read --port COM1 -o radio.dat"

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "No display: showing a new document's channel table instead of the window."
  doc=$(mktemp --suffix=.dat)
  "$bin/programcli" new -o "$doc"
  "$bin/programcli" show "$doc"
  rm -f "$doc"
  exit 0
fi
"$bin/Program" "$@"
