#!/usr/bin/env bash
# Makes the memory of a fresh simulated radio, OUT.dat: the first model and
# band of Program.ini with the sample channel plan res/sample-channels.csv,
# built by the programcli in BIN_DIR, so that a first Read fills the table.
# OUT.dat is private to its owner. When OUT.dat exists (a file, a link, or
# anything else) it is kept as it is.
#
#   tools/sample-radio.sh BIN_DIR OUT.dat
set -euo pipefail
[[ $# -eq 2 ]] || { echo "usage: tools/sample-radio.sh BIN_DIR OUT.dat" >&2; exit 2; }
bin=$1
out=$2
[[ -e "$out" || -L "$out" ]] && exit 0
plan="$(cd "$(dirname "$0")/.." && pwd)/res/sample-channels.csv"

umask 077
# Beside OUT.dat, so that the finished memory is renamed into place whole.
work=$(mktemp -d "$(dirname "$out")/.sample-radio.XXXXXX")
trap 'rm -rf "$work"' EXIT
"$bin/programcli" new -o "$work/blank.dat"
"$bin/programcli" set "$work/blank.dat" model=1 band=1 >/dev/null
# The report of a good import is only noise here; a refused line is a fault
# of the sample, and then no half-filled radio stays behind.
if ! report=$("$bin/programcli" import-csv "$work/blank.dat" "$plan" -o "$work/sample.dat" 2>&1); then
  echo "$report" >&2
  exit 1
fi
# -n: a file that appeared meanwhile is not replaced.
mv -n "$work/sample.dat" "$out"
