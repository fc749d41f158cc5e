#!/usr/bin/env bash
# Starts the program under a virtual X server with the given "Program.ini"
# and saves a PNG of the whole screen: what a user would see.
#
#   tools/screenshot.sh PROFILE OUT.png [DATAFILE]
#
# The program folder is copied from $PROGRAM_BIN_DIR (default build/bin) to
# a temporary folder, so the profile under test never touches the build.
# SCREEN_SIZE (default 1280x800) and SETTLE_SECONDS (default 2) may be set.
set -euo pipefail

if [[ $# -lt 2 ]]; then
  echo "usage: $0 PROFILE OUT.png [DATAFILE]" >&2
  exit 2
fi
profile=$1
out=$2
datafile=${3:-}
here=$(cd "$(dirname "$0")/.." && pwd)
bin=${PROGRAM_BIN_DIR:-$here/build/bin}
size=${SCREEN_SIZE:-1280x800}
settle=${SETTLE_SECONDS:-2}

for tool in Xvfb xwininfo; do
  command -v "$tool" >/dev/null || { echo "$0: $tool is missing (tools/install-deps.sh --tests installs it)" >&2; exit 1; }
done
# ImageMagick's own import, not whatever else is first on the PATH. (xwd
# shows a message box or dialog as a black rectangle on Xvfb; import reads
# what is drawn.)
import=/usr/bin/import
[[ -x $import ]] || import=$(command -v import) || { echo "$0: import is missing (imagemagick)" >&2; exit 1; }
[[ -x $bin/Program ]] || { echo "$0: no program at $bin/Program; build the Program target first" >&2; exit 1; }
[[ -f $profile ]] || { echo "$0: no profile file $profile" >&2; exit 1; }

work=$(mktemp -d)
xvfb_pid=
program_pid=
cleanup() {
  [[ -n $program_pid ]] && kill "$program_pid" 2>/dev/null || true
  [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

mkdir "$work/folder"
for file in "$bin"/Program "$bin"/*.qm "$bin"/*.html "$bin"/title.ico "$bin"/background.bmp "$bin"/Default.dat; do
  [[ -e $file ]] && cp "$file" "$work/folder/"
done
cp "$profile" "$work/folder/Program.ini"

# The first free display number from 90 on.
display=90
while [[ -e /tmp/.X11-unix/X$display || -e /tmp/.X$display-lock ]]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 "${size}x24" -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do
  [[ -e /tmp/.X11-unix/X$display ]] && break
  sleep 0.1
done

args=()
[[ -n $datafile ]] && args+=("$(realpath "$datafile")")
(cd "$work" && DISPLAY=":$display" QT_QPA_PLATFORM=xcb ASAN_OPTIONS=detect_leaks=0 \
  XDG_CONFIG_HOME="$work/config" "$work/folder/Program" "${args[@]}" >"$work/program.log" 2>&1) &
program_pid=$!

# Wait for a mapped top-level window, then give it time to paint.
for _ in $(seq 100); do
  if ! kill -0 "$program_pid" 2>/dev/null; then
    echo "$0: the program ended before showing a window:" >&2
    cat "$work/program.log" >&2
    break
  fi
  if DISPLAY=":$display" xwininfo -root -children 2>/dev/null | grep -q '"'; then break; fi
  sleep 0.2
done
sleep "$settle"

DISPLAY=":$display" "$import" -window root "$out"
echo "$out"
