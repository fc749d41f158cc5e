#!/usr/bin/env bash
# Installs what is missing, builds in Release and shows a new document's
# channel table and options.
set -euo pipefail
cd "$(dirname "$0")"
./tools/install-deps.sh

build=${BUILD_DIR:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)" --target programcli

doc=$(mktemp --suffix=.dat)
trap 'rm -f "$doc"' EXIT
"$build/bin/programcli" new -o "$doc"
"$build/bin/programcli" show "$doc" "$@"
