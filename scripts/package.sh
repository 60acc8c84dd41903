#!/usr/bin/env bash
# Builds the packages into build/packages: the Debian package velt1-steuerung
# (from the release build) and the Windows zip of velt1ctl.exe (from the
# MinGW-w64 build).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh release
scripts/build.sh mingw
rm -f build/packages/*.deb build/packages/*.zip
cpack --config build/CPackConfig.cmake -B build/packages >/dev/null
cpack --config build-mingw/CPackConfig.cmake -B build/packages >/dev/null
rm -rf build/packages/_CPack_Packages
ls build/packages/*.deb build/packages/*.zip
