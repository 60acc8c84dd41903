#!/usr/bin/env bash
# Runs a command as the ordinary user the tests run as, so that permission
# rules hold as they do for an operator: root opens an exclusive port twice
# and writes read-only files. Started by root, it runs the command as
# $VELT1_OPERATOR (default velt1-test, made by scripts/setup.sh, member of
# dialout) with read and write access to this checkout; started by anyone
# else, it runs the command as that user.
#   scripts/as-operator.sh COMMAND [ARGS...]
set -euo pipefail
cd "$(dirname "$0")/.."
[ "$(id -u)" -eq 0 ] || exec "$@"

user=${VELT1_OPERATOR:-velt1-test}
if ! id "$user" >/dev/null 2>&1; then
  echo "as-operator: no user $user; scripts/setup.sh makes it" >&2
  exit 1
fi
# The user passes through every folder above the checkout and may read and
# write inside it (the builds write their folders here), whoever made the
# files; new files inherit that through the default entries.
# Where the file system keeps no access lists, the checkout becomes the
# user's and the folders above it searchable.
# Only folders the user cannot pass get an entry: an entry for the user
# replaces what "others" may do there (in /tmp, writing).
checkout=$(pwd -P)
folder=
for part in $(dirname "$checkout" | tr / ' '); do
  folder=$folder/$part
  runuser -u "$user" -- test -x "$folder" && continue
  setfacl -m "u:$user:x" "$folder" 2>/dev/null || chmod a+x "$folder"
done
if ! setfacl -R -m "u:$user:rwX" -m "d:u:$user:rwX" "$checkout" 2>/dev/null; then
  chown -R "$user:" "$checkout"
fi
# Build folders made by root become the user's: CMake sets the modes of the
# files it writes there, which only their owner may.
for build in build build-*; do
  [ -d "$build" ] && chown -R "$user:" "$build"
done

# Root's own folders mean nothing to the user; runuser sets HOME and USER.
unset XDG_CONFIG_HOME XDG_RUNTIME_DIR XDG_CACHE_HOME XDG_DATA_HOME TMPDIR CCACHE_DIR
exec runuser -u "$user" -- "$@"
