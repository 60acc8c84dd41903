#!/usr/bin/env bash
# Installs what is missing, builds every flavour and runs all tests.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
# Everything else as an ordinary user: nothing here needs root.
if [ "$(id -u)" -eq 0 ]; then exec scripts/as-operator.sh scripts/test.sh; fi
jobs=$(nproc 2>/dev/null || echo 2)

scripts/build.sh release
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j "$jobs"

scripts/build.sh sanitize
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 QT_QPA_PLATFORM=offscreen \
  ctest --test-dir build-sanitize --output-on-failure -j "$jobs"

# Every fuzz target for a short, fixed time on its seeds; scripts/fuzz.sh
# SECONDS runs them longer.
scripts/fuzz.sh 15

# The packages, unpacked and run; then the Windows build and the velt1ctl.exe
# of the zip under Wine.
scripts/package.sh
tests/package/run.sh build/packages
tests/windows/run.sh build-mingw build build/packages/velt1ctl-*-win64.zip
