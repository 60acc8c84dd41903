#!/usr/bin/env bash
# Installs what is missing, builds, and starts VELT-1 Steuerung with the
# simulator as its device: velt1-sim serves two VELT-1 (addresses 1 and 2) and
# a device of another kind (address 3) as COM 20, and the program runs in a
# working directory of its own, build/run, whose configuration file names
# that port.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh release

run_dir=$PWD/build/run
export VELT1_PORTS=$run_dir/ports
mkdir -p "$run_dir" "$VELT1_PORTS"
com=20

sim_out=$(mktemp)
build/tools/velt1-sim --com "$com" --velt1 1,2 --foreign 3 >"$sim_out" &
sim_pid=$!
trap 'kill "$sim_pid" 2>/dev/null; wait "$sim_pid" 2>/dev/null; rm -f "$sim_out"' EXIT
for _ in $(seq 100); do
  [ -s "$sim_out" ] && break
  kill -0 "$sim_pid" 2>/dev/null || { echo "run: velt1-sim did not start" >&2; exit 1; }
  sleep 0.1
done
echo "run: simulator on COM $com ($(head -n1 "$sim_out"))"

ini=$run_dir/velt1Steuerung.ini
# The simulator's port opens at start unless the file names another open port;
# the last port and the address stay as the previous run left them.
if ! grep -Eqi '^com *= *[1-9]' "$ini" 2>/dev/null; then
  if grep -Eqi '^com *=' "$ini" 2>/dev/null; then
    sed -i -E "s/^com *=.*/com = $com\r/I" "$ini"
  else
    printf '[com]\r\nadresse = 49\r\ncom = %d\r\nlcom = 0\r\n\r\n' "$com" >"$ini"
  fi
fi

cd "$run_dir"
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ "${QT_QPA_PLATFORM:-}" = "" ]; then
  echo "run: no display found, starting under xvfb-run" >&2
  xvfb-run -a "$OLDPWD/build/app/velt1-steuerung"
else
  "$OLDPWD/build/app/velt1-steuerung"
fi
