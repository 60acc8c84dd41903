#!/usr/bin/env bash
# Installs the Debian packages the project needs, only those that are missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  libcli11-dev nlohmann-json3-dev
  qt6-base-dev qt6-qpa-plugins fonts-dejavu-core
  g++-mingw-w64-x86-64-posix googletest wine64
  dpkg-dev desktop-file-utils unzip
  xvfb xauth
  acl util-linux passwd
  clang libfuzzer-14-dev
  ser2net
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The tests run as an ordinary user in the group dialout (scripts/as-operator.sh).
operator=${VELT1_OPERATOR:-velt1-test}
if [ "$(id -u)" -eq 0 ] && ! id "$operator" >/dev/null 2>&1; then
  echo "setup: adding user $operator (group dialout) for the tests"
  useradd --create-home --shell /bin/bash --groups dialout "$operator"
fi
