#!/usr/bin/env bash
# Configures and builds one flavour of the project.
#   scripts/build.sh [release|sanitize|fuzz|mingw]
set -euo pipefail
cd "$(dirname "$0")/.."
flavour=${1:-release}
jobs=$(nproc 2>/dev/null || echo 2)

case "$flavour" in
  release)
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELT1_WERROR=ON >/dev/null
    cmake --build build -j "$jobs"
    ;;
  sanitize)
    # The whole program and its tests under AddressSanitizer and UndefinedBehaviorSanitizer.
    cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELT1_GUI=ON \
      -DVELT1_BENCH=OFF -DVELT1_SANITIZE=ON -DVELT1_WERROR=ON >/dev/null
    cmake --build build-sanitize -j "$jobs"
    ;;
  fuzz)
    # The libFuzzer targets, with clang, under AddressSanitizer and UndefinedBehaviorSanitizer.
    CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DVELT1_GUI=OFF -DVELT1_TESTS=OFF -DVELT1_BENCH=OFF -DVELT1_FUZZ=ON >/dev/null
    cmake --build build-fuzz -j "$jobs"
    ;;
  mingw)
    # The Windows build of the core, velt1ctl.exe and the core's tests with
    # MinGW-w64; tests/windows/run.sh runs them under Wine.
    cmake -S . -B build-mingw -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
      -DCMAKE_BUILD_TYPE=Release -DVELT1_GUI=OFF -DVELT1_TESTS=ON -DVELT1_BENCH=OFF \
      -DVELT1_WERROR=ON >/dev/null
    cmake --build build-mingw -j "$jobs" --target velt1_windows_check
    ;;
  *)
    echo "usage: $0 [release|sanitize|fuzz|mingw]" >&2
    exit 2
    ;;
esac
