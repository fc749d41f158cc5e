#!/usr/bin/env bash
# Builds the Debian package (CPack, Release, Debian's hardening flags) and
# prints its path: BUILD_DIR/package/program_VERSION_ARCH.deb. The build
# folder (default build-package) is kept, so another run rebuilds only what
# changed. Install it with: sudo apt install ./build-package/package/program_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
./tools/install-deps.sh --tests >&2

build=$(realpath -m "${BUILD_DIR:-build-package}")
cxxflags="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
ldflags="$(dpkg-buildflags --get LDFLAGS) -Wl,-z,now"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DPROGRAM_BUILD_TESTS=OFF \
  -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" >&2
cmake --build "$build" -j"$(nproc)" >&2
rm -f "$build"/package/*.deb
(cd "$build" && cpack -G DEB) >&2
ls "$build"/package/program_*.deb
