#!/usr/bin/env bash
# Builds the Debian package tagforge_<version>_amd64.deb into build/package/.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
# Debian's own compiler and linker flags, all hardening included, as its packages are built with.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S . -B build/package -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" \
  -DTAGFORGE_BUILD_TESTS=OFF -DTAGFORGE_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build build/package -j "$(nproc)"
(cd build/package && cpack -G DEB >/dev/null)
ls build/package/tagforge_*.deb
