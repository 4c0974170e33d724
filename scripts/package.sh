#!/usr/bin/env bash
# Makes the Debian package trelvist_<version>_<arch>.deb and prints its path.
#
#   scripts/package.sh               a Release build without tests in build-release/
#   scripts/package.sh <build-dir>   from that build folder, brought up to date first
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)

if [ $# -eq 0 ]; then
  "$top/scripts/setup.sh" >&2
  build="$top/build-release"
  cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DTRELVIST_TESTS=OFF -DTRELVIST_BENCH=OFF >/dev/null
else
  build=$(realpath "$1")
fi
cmake --build "$build" -j "$(nproc)" >&2
rm -f "$build"/trelvist_*.deb  # so that only this version's package is left to find
(cd "$build" && cpack -G DEB >&2)
ls "$build"/trelvist_*.deb
