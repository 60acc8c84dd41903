#!/usr/bin/env bash
# The packages as a user gets them: the Debian package unpacked into a
# temporary root (dpkg -x) and its programs run from there; the Windows zip's
# contents and the DLLs its velt1ctl.exe needs.
#   tests/package/run.sh [PACKAGE_FOLDER]   (default build/packages)
set -euo pipefail
cd "$(dirname "$0")/../.."
folder=$(realpath "${1:-build/packages}")
deb=$(ls "$folder"/velt1-steuerung_*_amd64.deb)
zip=$(ls "$folder"/velt1ctl-*-win64.zip)

root=$(mktemp -d)
sim_pid=
cleanup() {
  [ -z "$sim_pid" ] || kill "$sim_pid" 2>/dev/null || true
  rm -rf "$root"
}
trap cleanup EXIT

# From here on every check counts its own failure and the run goes on.
set +e
passed=0
failed=0
expect() {  # expect NAME EXIT-CODE-OF-THE-CHECK MESSAGE
  if [ "$2" -eq 0 ]; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "package: FAILED $1: $3"; fi
}

# The control fields.
[ "$(dpkg-deb -f "$deb" Package)" = velt1-steuerung ]
expect name $? "$(dpkg-deb -f "$deb" Package)"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in qt6-qpa-plugins libqt6widgets6 libc6; do
  [[ ", $depends," == *", $needed"[\ ,]* ]]
  expect "depends on $needed" $? "Depends: $depends"
done

# Every file where it belongs.
dpkg -x "$deb" "$root"
for file in usr/bin/velt1-steuerung usr/bin/velt1ctl usr/bin/velt1-sim \
  usr/share/applications/velt1-steuerung.desktop \
  usr/share/icons/hicolor/scalable/apps/velt1-steuerung.svg \
  usr/share/man/man1/velt1ctl.1.gz usr/share/man/man1/velt1-sim.1.gz; do
  [ -s "$root/$file" ]
  expect "$file" $? "missing from $deb"
done
desktop-file-validate "$root/usr/share/applications/velt1-steuerung.desktop"
expect "desktop entry" $? "desktop-file-validate refused it"
gzip -t "$root"/usr/share/man/man1/*.gz
expect "manual pages" $? "not gzip files"

# The programs run from the unpacked root.
for program in velt1ctl velt1-sim; do
  rc=0
  "$root/usr/bin/$program" --help >"$root/help" 2>&1 || rc=$?
  [ "$rc" -eq 0 ] && grep -q -- "--com" "$root/help"
  expect "$program --help" $? "exit $rc: $(head -3 "$root/help")"
done
# The desktop program starts on an X display (Qt's xcb plugin, from the
# dependencies) and is still running when it is stopped after 2 s.
rc=0
(cd "$root" && env -u QT_QPA_PLATFORM xvfb-run -a timeout 2 "$root/usr/bin/velt1-steuerung" >"$root/gui.log" 2>&1) || rc=$?
[ "$rc" -eq 124 ]
expect "velt1-steuerung starts" $? "exit $rc: $(tail -3 "$root/gui.log")"
"$root/usr/bin/velt1-sim" >"$root/sim.out" 2>/dev/null &
sim_pid=$!
for _ in $(seq 50); do [ -s "$root/sim.out" ] && break; sleep 0.1; done
pty=$(awk '{print $1; exit}' "$root/sim.out")
id=$("$root/usr/bin/velt1ctl" --device "$pty" id 2>&1) || true
[ "$id" = "QOR-VELT1-V1.07" ]
expect "velt1ctl id against velt1-sim" $? "got: $id"

# The zip: velt1ctl.exe and its README, and no DLL beyond Windows' own.
listing=$(unzip -Z1 "$zip" | sort | tr '\n' ' ')
base=$(basename "$zip" .zip)
[ "$listing" = "$base/README.txt $base/velt1ctl.exe " ]
expect "zip contents" $? "$listing"
unzip -q "$zip" -d "$root"
dlls=$(x86_64-w64-mingw32-objdump -p "$root/$base/velt1ctl.exe" | awk '/DLL Name:/ {print toupper($3)}' | sort | tr '\n' ' ')
[ "$dlls" = "ADVAPI32.DLL KERNEL32.DLL MSVCRT.DLL WS2_32.DLL " ]  # WS2_32: network ports
expect "velt1ctl.exe needs only system DLLs" $? "$dlls"

echo "package: $(basename "$deb"), $(basename "$zip")"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
