#!/usr/bin/env bash
# Runs a Windows program of the cross build under Wine, in the prefix that
# tests/windows/run.sh made; never in the user's own ~/.wine.
set -euo pipefail
if [ -z "${WINEPREFIX:-}" ]; then
  echo "wine.sh: WINEPREFIX is not set (tests/windows/run.sh sets up a prefix)" >&2
  exit 125
fi
export WINEDEBUG=${WINEDEBUG:--all}
exec /usr/lib/wine/wine64 "$@"
