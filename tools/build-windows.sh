#!/usr/bin/env bash
# Builds programcli for Windows with mingw-w64 (no window, no tests) and
# leaves OUT_DIR/programcli.exe with the files it reads beside it.
#
#   tools/build-windows.sh OUT_DIR
set -euo pipefail
if [[ $# -ne 1 ]]; then
  echo "usage: tools/build-windows.sh OUT_DIR" >&2
  exit 2
fi
root=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$1"
out=$(cd "$1" && pwd)
build=${WINDOWS_BUILD_DIR:-$root/build-windows}
launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DPROGRAM_BUILD_GUI=OFF -DPROGRAM_BUILD_TESTS=OFF -DPROGRAM_BUILD_BENCH=OFF \
  "${launcher[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)" --target programcli program_folder_files
cp "$build/bin/programcli.exe" "$build/bin/Program.ini" "$out/"
echo "$out/programcli.exe"
