#!/bin/sh
# wine_link_test.sh LINUX_BIN_DIR WINDOWS_OUT_DIR
# The Windows programcli under wine, through COM1, against a simulated radio
# (LINUX_BIN_DIR/radiosim) must do what the Linux build does against one of
# its own: a read gives the same file byte for byte, a write leaves the same
# memory in the radio, a silent radio gets the same message and exit status
# in about the same time; a second program is refused the port while one
# has it, and Ctrl+C ends a wait as cancelled. Both builds run each step side by side. Exit 77 (skipped) without
# wine or without the Windows build.
set -u
bin=$1
out=$2
. "$(dirname "$0")/wine_prefix.sh"
work=$(mktemp -d) || exit 1
trap 'kill $(cat "$work"/*.pid 2>/dev/null) 2>/dev/null; rm -rf "$work"' EXIT
# wine's start-up comes on top of the Linux build's time; a wait cut short
# by a time-out that does not hold would come in under it.
slack_ms=1500
early_ms=300
failed=0

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# start_radio SIDE RADIOSIM-ARGS...: a radio on SIDE's device, its wire on SIDE.wire.
start_radio() {
  side=$1
  shift
  link=$work/linux.port
  [ "$side" = windows ] && link=$wine_com1
  "$bin/radiosim" --link "$link" --baud 0 --trace "$@" >"$work/$side.sim" 2>"$work/$side.wire" &
  echo $! >"$work/$side.pid"
  until [ -s "$work/$side.sim" ] && [ -e "$link" ]; do sleep 0.05; done
}

stop_radio() {
  kill -TERM "$(cat "$work/$1.pid")" 2>/dev/null
  while kill -0 "$(cat "$work/$1.pid")" 2>/dev/null; do sleep 0.05; done
  rm -f "$work/$1.pid"
}

# cli SIDE NAME ARGS...: one build's programcli in SIDE's folder; its text in
# SIDE.NAME.out with the exit status last, its time in ms in SIDE.NAME.ms.
cli() {
  side=$1
  name=$2
  shift 2
  start=$(now_ms)
  (
    cd "$work/$side" || exit 1
    if [ "$side" = linux ]; then
      PROGRAM_PORT_COM1=$work/linux.port XDG_DATA_HOME=$work/linux-data "$bin/programcli" "$@" &
    else
      timeout 60 wine "$out/programcli.exe" "$@" &
    fi
    echo $! >"$work/$side.$name.pid"
    wait $!
    echo "exit $?"
  ) 2>&1 | tr -d '\r' >"$work/$side.$name.out"
  echo $(($(now_ms) - start)) >"$work/$side.$name.ms"
}

# same NAME FILE: both builds answered alike and left the same FILE (or none).
same() {
  if ! cmp -s "$work/linux.$1.out" "$work/windows.$1.out"; then
    echo "FAIL $1: the Windows build answered otherwise"
    diff "$work/linux.$1.out" "$work/windows.$1.out" | head -20
    failed=1
  fi
  if [ -e "$work/linux/$2" ] || [ -e "$work/windows/$2" ]; then
    cmp "$work/linux/$2" "$work/windows/$2" || { echo "FAIL $1: $2 differs"; failed=1; }
  fi
}

mkdir "$work/linux" "$work/windows"
plan=$work/plan.dat
changed=$work/changed.dat
"$bin/programcli" new -o "$plan" >/dev/null
"$bin/programcli" set "$plan" squelch=3 voice=english >/dev/null
cp "$plan" "$changed"
"$bin/programcli" set "$changed" squelch=7 vox=on beep=off >/dev/null

# Each step: the radio's arguments, programcli's, the file the step leaves.
while IFS='|' read -r step radio args file; do
  for side in linux windows; do
    # shellcheck disable=SC2086 # the arguments are words of the table
    start_radio $side $(echo "$radio" | sed "s|RADIO|$work/$side/radio.dat|; s|PLAN|$plan|")
  done
  runs=""
  for side in linux windows; do
    # shellcheck disable=SC2086
    cli $side $step $(echo "$args" | sed "s|CHANGED|$changed|") &
    runs="$runs $!"
  done
  if [ "$step" = hold ]; then
    # While the first read waits for the silent radio, a second one asks for
    # the same port; then Ctrl+C ends the first.
    for side in linux windows; do
      until [ -s "$work/$side.wire" ]; do sleep 0.05; done
      cli $side busy read --port COM1 -o busy.dat &
      runs="$runs $!"
    done
    until [ -s "$work/linux.busy.out" ] && [ -e "$work/windows.busy.pid" ]; do sleep 0.05; done
    for side in linux windows; do kill -INT "$(cat "$work/$side.hold.pid")"; done
  fi
  # shellcheck disable=SC2086 # the radios run on until stopped
  wait $runs
  for side in linux windows; do stop_radio $side; done
  echo "$step: linux $(cat "$work/linux.$step.ms") ms, windows $(cat "$work/windows.$step.ms") ms"
  same "$step" "$file"
done <<STEPS
read|--memory PLAN|read --port COM1 -o got.dat|got.dat
write|--memory PLAN --save RADIO --save-when exit|write --port COM1 CHANGED|radio.dat
silent|--fault silent|read --port COM1 -o none.dat|none.dat
hold|--fault silent|read --port COM1 -o held.dat|held.dat
STEPS

for file in got.dat radio.dat; do
  [ -f "$work/windows/$file" ] || { echo "FAIL: the Windows build left no $file"; failed=1; }
done
# Beside the Linux build's, the radio itself: what was read is its memory
# (0x3FB-0x3FF, never read, are 0xFF there too), and the write changed it
# (the channels go as the channel table sends them, so not byte for byte).
cmp "$plan" "$work/windows/got.dat" || { echo "FAIL read: got.dat is not the radio's memory"; failed=1; }
"$bin/programcli" diff "$plan" "$work/windows/radio.dat" >/dev/null
[ $? = 1 ] || { echo "FAIL write: the radio's memory is as it was"; failed=1; }
linux_ms=$(cat "$work/linux.silent.ms")
windows_ms=$(cat "$work/windows.silent.ms")
if [ "$windows_ms" -gt $((linux_ms + slack_ms)) ] || [ "$windows_ms" -lt $((linux_ms - early_ms)) ]; then
  echo "FAIL silent: gave up after $windows_ms ms, the Linux build after $linux_ms ms"
  failed=1
fi
# wine lets a second process open a serial port that Windows would refuse it.
if grep -q "^exit 6" "$work/windows.busy.out"; then
  same busy busy.dat
else
  echo "SKIP busy: wine gave COM1 to a second program, which Windows refuses"
fi
[ $failed = 0 ] && echo "wine: read, write, a silent radio and Ctrl+C match the Linux build ($windows_ms ms against $linux_ms ms)"
exit $failed
