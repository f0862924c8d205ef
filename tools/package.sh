#!/usr/bin/env bash
# Builds the game's Debian package with CPack and prints its path:
#   bash tools/package.sh [build folder]      (default: build-package)
# A build of its own: Debian's compiler and linker flags (dpkg-buildflags: hardening, no
# build paths in the binary), the prefix /usr, the executable in /usr/games and the data in
# /usr/share/games/reversi, as Debian lays games out; dpkg-shlibdeps writes the Depends line.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath -m "${1:-build-package}")
# Every hardening feature, bindnow included (read-only relocations after start).
export DEB_BUILD_MAINT_OPTIONS=hardening=+all

cmake -S . -B "$build" -DREVERSI_TESTS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_INSTALL_PREFIX=/usr -DREVERSI_INSTALL_BINDIR=games \
  -DREVERSI_INSTALL_DATADIR=share/games/reversi -DREVERSI_DEBIAN_PACKAGE=ON \
  -DCMAKE_C_FLAGS="$(dpkg-buildflags --get CFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build "$build" -j"$(nproc)" --target reversi >/dev/null

rm -f "$build"/*.deb
if ! (cd "$build" && cpack -G DEB >"$build/cpack.log" 2>&1); then
  cat "$build/cpack.log" >&2
  exit 1
fi
ls "$build"/*.deb
