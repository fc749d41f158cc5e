# Sourced by the wine tests, with $out the Windows build's folder: checks
# that wine and the build are there (else exit 77, skipped) and readies a
# wine prefix of that build's own whose COM1 is the link $wine_com1, which a
# test points at a simulated radio. The prefix is made once: that takes
# wine some seconds.
command -v wine >/dev/null 2>&1 || { echo "wine is not installed"; exit 77; }
[ -f "$out/programcli.exe" ] || { echo "no $out/programcli.exe: run tools/build-windows.sh $out"; exit 77; }
# wine takes only an absolute prefix.
out=$(cd "$out" && pwd)
export WINEPREFIX="${WINE_TEST_PREFIX:-$out/wineprefix}" WINEDEBUG=-all LC_ALL=C.UTF-8
wine_com1=$out/com1
if [ "$(cat "$WINEPREFIX/com1-link" 2>/dev/null)" != "$wine_com1" ]; then
  { [ -d "$WINEPREFIX" ] || wineboot -i; } >/dev/null 2>&1
  # wine makes its COM devices anew from this key each time it starts: a link
  # put into dosdevices by hand would not last.
  wine reg add 'HKLM\Software\Wine\Ports' /v COM1 /d "$wine_com1" /f >/dev/null 2>&1 ||
    { echo "wine could not map COM1"; exit 1; }
  wineserver -k
  echo "$wine_com1" >"$WINEPREFIX/com1-link"
fi
# The server and wine's own services, started here apart from any test's
# output: started by a program under test they would hold its output open
# for seconds after it ended.
wineserver -p10 </dev/null >/dev/null 2>&1
wineboot </dev/null >/dev/null 2>&1
