#!/usr/bin/env bash
# Times programcli print writing a three-page PDF (nine channels in use) next
# to programcli show of the same file, in one hyperfine run. Builds programcli
# in Release (with the GUI libraries, which print needs). Extra arguments go
# to hyperfine (e.g. --runs 50 --export-markdown out.md).
set -euo pipefail
cd "$(dirname "$0")/.."
./tools/install-deps.sh hyperfine

build=${BUILD_DIR:-build-bench-print}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DPROGRAM_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target programcli
cli="$build/bin/programcli"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$cli" new -o "$work/nine.dat"
# Channels 1-9: 446.n0625 MHz both ways (packed decimal, least significant pair first).
for n in 1 2 3 4 5 6 7 8 9; do
  printf "\\x25\\x06\\x6$n\\x44\\x25\\x06\\x6$n\\x44" |
    dd of="$work/nine.dat" bs=1 seek=$((16 + 16 * n)) conv=notrunc status=none
done
"$cli" print "$work/nine.dat" -o "$work/nine.pdf"
pages=$(grep -a -c '/Type /Page$' "$work/nine.pdf" || true)
echo "the PDF has $pages pages"

hyperfine -N --warmup 3 "$@" \
  "$cli show $work/nine.dat" \
  "$cli print $work/nine.dat -o $work/nine.pdf"
