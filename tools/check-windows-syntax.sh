#!/usr/bin/env bash
# Compiles every source of the core and of programcli for Windows, syntax
# only, with mingw-w64, so that no POSIX header or call slips past the
# operating-system seam (src/core/os) again. Left out are exactly the seam's
# POSIX half, src/core/os/posix/, which a Windows implementation beside it
# replaces, and the sources that draw with Qt (programcli-print's report),
# which need a Windows Qt.
#
#   tools/check-windows-syntax.sh [ROOT]
#
# Exit status 0 when every file compiles, 1 when one does not (the
# compiler's errors name it), 77 (skipped, as CTest takes it) when the
# cross compiler is not installed: Debian's g++-mingw-w64-x86-64-posix, which
# tools/install-deps.sh --tests installs. CXX_WINDOWS names another compiler.
set -euo pipefail

root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
compiler=${CXX_WINDOWS:-x86_64-w64-mingw32-g++-posix}
if ! command -v "$compiler" >/dev/null 2>&1; then
  echo "skipped: $compiler is not installed (Debian package g++-mingw-w64-x86-64-posix)"
  exit 77
fi

cd "$root"
sources=()
while IFS= read -r source; do
  grep -qE '^\s*#\s*include\s*[<"](Q[A-Za-z]|Qt[A-Za-z]*/|gui/)' "$source" || sources+=("$source")
done < <(find src/core src/cli -name '*.cpp' -not -path 'src/core/os/posix/*' | LC_ALL=C sort)

compile='"$0" -std=c++17 -fsyntax-only -Wall -I src -DPROGRAM_VERSION="\"0\"" "$1" ||
  { echo "check-windows-syntax: $1 does not compile for Windows" >&2; exit 1; }'
if ! printf '%s\0' "${sources[@]}" | xargs -0 -n1 -P"$(nproc)" sh -c "$compile" "$compiler"; then
  echo "check-windows-syntax: not every one of the ${#sources[@]} files compiles for Windows" >&2
  exit 1
fi
echo "check-windows-syntax: ${#sources[@]} files compile for Windows"
