#!/bin/sh
# wine_cli_test.sh LINUX_PROGRAMCLI WINDOWS_OUT_DIR
# The Windows programcli (tools/build-windows.sh WINDOWS_OUT_DIR) run under
# wine must answer new, set, show and diff on a data file with a Chinese name
# as the Linux build does: the same files byte for byte (one holding every
# byte value), the same text once the CRs of the Windows console are taken
# out. It must refuse to write over a device or a folder. Exit 77 (skipped)
# without wine or without the Windows build.
set -u
linux=$1
out=$2
. "$(dirname "$0")/wine_prefix.sh"
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT
mkdir "$work/linux" "$work/windows"
# A data file holding every byte value, 0x1A and CR LF among them: a file
# read or written as text would lose or change some.
"$linux" new -o "$work/new.dat" >/dev/null
{ head -c 16 "$work/new.dat"; i=0; while [ $i -lt 4 ]; do printf "$(printf '\\%03o' $(seq 0 255))"; i=$((i + 1)); done; } >"$work/bytes.dat"
cp "$work/bytes.dat" "$work/linux/"
cp "$work/bytes.dat" "$work/windows/"

name=测试.dat
failed=0
# Each step: its arguments, run in each build's own folder on its own files.
while IFS='|' read -r step args; do
  for side in linux windows; do
    (
      cd "$work/$side" || exit 1
      # shellcheck disable=SC2086 # the arguments are words of the table
      if [ $side = linux ]; then "$linux" $args; else wine "$out/programcli.exe" $args; fi
      echo "exit $?"
    ) >"$work/$side.$step.txt" 2>&1
    tr -d '\r' <"$work/$side.$step.txt" >"$work/$side.$step.out"
  done
  if ! cmp -s "$work/linux.$step.out" "$work/windows.$step.out"; then
    echo "FAIL $step: the Windows build answered otherwise"
    diff "$work/linux.$step.out" "$work/windows.$step.out" | head -20
    failed=1
  fi
  if ! diff -r "$work/linux" "$work/windows" >/dev/null; then
    echo "FAIL $step: the builds left other files"
    failed=1
  fi
done <<STEPS
new|new -o $name
set|set $name squelch=5 voice=english vox=on
show|show $name
show-chinese|show $name --lang Chinese
set-refused|set $name squelch=12
every-byte|set bytes.dat squelch=5
show-every-byte|show bytes.dat
other|new -o other.dat
diff|diff other.dat $name
STEPS
# Names Windows keeps for devices, in any folder, and a folder: refused.
for target in NUL COM1 aux.dat 'C:\windows'; do
  said=$(cd "$work/windows" && wine "$out/programcli.exe" new -o "$target" 2>&1)
  status=$?
  case "$status $said" in
    "3 programcli new: cannot write '$target': not a regular file"*) ;;
    *) echo "FAIL new -o $target: exit $status, $said"; failed=1 ;;
  esac
done
[ $failed = 0 ] && echo "wine: new, set, show and diff match the Linux build"
exit $failed
