#!/usr/bin/env bash
# Sets everything up, builds the game and runs the whole test suite: every test, then the
# engine and settings tests again under AddressSanitizer and UndefinedBehaviorSanitizer,
# then the real program end to end under Xvfb, then the Debian package made from the build,
# installed, run and removed.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)
"$top/scripts/setup.sh"

echo "== build"
"$top/scripts/build.sh"
echo "== tests"
(cd "$top/build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs")

echo "== sanitizers"
cmake -S "$top" -B "$top/build-sanitize" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTRELVIST_WITH_QT=OFF -DTRELVIST_BENCH=OFF -DTRELVIST_SANITIZE=ON >/dev/null
cmake --build "$top/build-sanitize" -j "$jobs"
(cd "$top/build-sanitize" && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j "$jobs")

if [ -x "$top/scripts/e2e.sh" ]; then
  echo "== end to end"
  "$top/scripts/e2e.sh" "$top/build"
fi
echo "== package"
"$top/scripts/package-check.sh" "$top/build"
echo "== all tests passed"
