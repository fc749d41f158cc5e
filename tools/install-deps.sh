#!/usr/bin/env bash
# Installs the Debian packages that are missing, and only those.
#
#   tools/install-deps.sh [--tests] [PACKAGE...]
#
# Without --tests: what building and running the program need (./run.sh).
# With --tests: that, and what the tests use as well (./test.sh). Extra
# package names may be given as arguments (e.g. hyperfine for bench/print.sh).
set -euo pipefail

# Building and running the program.
build_packages=(
  cmake
  make
  g++
  pkg-config
  qt6-base-dev
  qt6-tools-dev
  qt6-tools-dev-tools
  qt6-l10n-tools
  # Qt's own dialog texts and message box buttons in Chinese.
  qt6-translations-l10n
  libgl-dev
  # Metric-compatible stand-ins for the printout's fonts, and a CJK font.
  fonts-liberation
  fonts-wqy-microhei
)

# The tests, on top of the above.
test_packages=(
  # tools/check-layers, the screen reader test.
  python3
  libgtest-dev
  libgmock-dev
  googletest
  # PDF printouts read back as text.
  poppler-utils
  # Screenshots (tools/screenshot.sh): a virtual display, its tools, import.
  xvfb
  xauth
  x11-apps
  x11-utils
  imagemagick
  # The package test: building the package and checking it.
  dpkg-dev
  desktop-file-utils
  appstream
  lintian
  man-db
  # The screen reader test: the accessibility bus, a session bus, AT-SPI from
  # Python, and a window manager that activates dialogs as a desktop does.
  at-spi2-core
  dbus
  python3-pyatspi
  openbox
  # What a blind technician hears: the real Orca, speech-dispatcher with an
  # output module that writes to a file, and keys pressed through X.
  orca
  speech-dispatcher
  speech-dispatcher-audio-plugins
  libao4
  xdotool
  # The core and programcli compiled for Windows, syntax only
  # (tools/check-windows-syntax.sh): nothing of the system may pass the seam.
  g++-mingw-w64-x86-64-posix
  # programcli.exe (tools/build-windows.sh) run against the simulated radio.
  wine
  wine64
  # Numbers written and read the same under a comma-decimal locale: the test
  # runs under de_DE.UTF-8 and en_US.UTF-8, which it generates.
  locales
)
test_locales=(de_DE en_US)

packages=("${build_packages[@]}")
tests=false
if [[ "${1:-}" == --tests ]]; then
  packages+=("${test_packages[@]}")
  tests=true
  shift
fi
packages+=("$@")

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
if [[ ${#missing[@]} -gt 0 ]]; then
  echo "Installing: ${missing[*]}" >&2
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get update -qq
  "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Only the locales that are missing are generated ("locale -a" names them
# de_DE.utf8).
if $tests; then
  for l in "${test_locales[@]}"; do
    locale -a 2>/dev/null | grep -qx "$l.utf8" && continue
    echo "Generating the locale $l.UTF-8" >&2
    "${sudo[@]}" localedef -i "$l" -f UTF-8 "$l.UTF-8"
  done
fi
