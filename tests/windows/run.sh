#!/usr/bin/env bash
# The Windows build run under Wine: the core's test programs, then a
# velt1ctl.exe session on COM7, which Wine maps to a pseudo-terminal served by
# the Linux velt1-sim, and on the same line behind ser2net over the network.
# Everything lives in a throw-away folder in the build folder (the Wine
# prefix too) and is removed at the end. With ZIP, the
# session runs the velt1ctl.exe that the Windows zip ships.
#   tests/windows/run.sh [MINGW_BUILD [LINUX_BUILD [ZIP]]]   (default build-mingw build)
set -euo pipefail
cd "$(dirname "$0")/../.."
mingw=$(realpath "${1:-build-mingw}")
linux=$(realpath "${2:-build}")
zip=${3:-}
wine_run=$PWD/tests/windows/wine.sh
work=$(mktemp -d "$mingw/wine-run.XXXXXX")
exe=$mingw/tools/velt1ctl.exe
label=${exe#"$PWD"/}
if [ -n "$zip" ]; then
  unzip -q -j "$zip" '*/velt1ctl.exe' -d "$work"
  exe=$work/velt1ctl.exe
  label="velt1ctl.exe of $(basename "$zip")"
fi
sim=$linux/tools/velt1-sim
for f in "$exe" "$sim" /usr/lib/wine/wine64; do
  [ -f "$f" ] || { echo "windows: $f is missing" >&2; rm -rf "$work"; exit 1; }
done

export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
sim_pid=
ser2net_pid=
cleanup() {
  [ -z "$sim_pid" ] || kill "$sim_pid" 2>/dev/null || true
  [ -z "$ser2net_pid" ] || kill "$ser2net_pid" 2>/dev/null || true
  /usr/lib/wine/wineserver -k 2>/dev/null || true
  /usr/lib/wine/wineserver -w 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

started=$SECONDS
/usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1
echo "windows: Wine prefix ready in $((SECONDS - started)) s"

# The core's test programs, one ctest each (cmake/googletest-mingw.cmake).
ctest --test-dir "$mingw" --output-on-failure

# The simulator's pseudo-terminal becomes COM7 through Wine's own port list
# (HKLM\Software\Wine\Ports): Wine links dosdevices/com7 to it and lists it
# under HARDWARE\DEVICEMAP\SERIALCOMM, as Windows lists a real port. Wine
# reads that list when its server starts, so the server starts anew.
"$sim" --velt1 1,2 --foreign 3 >"$work/sim.out" 2>"$work/sim.err" &
sim_pid=$!
for _ in $(seq 50); do [ -s "$work/sim.out" ] && break; sleep 0.1; done
pty=$(awk '{print $1; exit}' "$work/sim.out")
[ -c "$pty" ] || { echo "windows: velt1-sim did not start" >&2; cat "$work/sim.err" >&2; exit 1; }
/usr/lib/wine/wine64 reg add 'HKLM\Software\Wine\Ports' /v COM7 /d "$pty" /f >/dev/null
/usr/lib/wine/wineserver -k
/usr/lib/wine/wineserver -w
/usr/lib/wine/wineserver -p >"$work/wineserver.log" 2>&1  # stays up between the runs below

# Every line setting that Wine asks of the pseudo-terminal (termios_log.c).
cc -shared -fPIC -O2 -o "$work/termios_log.so" tests/windows/termios_log.c -ldl
export VELT1_TERMIOS_LOG=$work/termios.log

# From here on every check counts its own failure and the run goes on.
set +e
passed=0
failed=0
elapsed_ms=0
# check NAME EXIT STDOUT STDERR ARGS...: one run of velt1ctl.exe; the texts are
# given with LF and expected with CRLF (Windows text mode); trace time stamps
# are cut off.
check() {
  local name=$1 want_rc=$2 want_out=$3 want_err=$4 rc=0 start
  shift 4
  # A pty keeps 8 data bits and no parity, and Linux refuses (EINVAL) a
  # setting that changes nothing else; of 7-O-1 it keeps only "odd". Each run
  # starts with "odd" off, so that SetCommState always changes something.
  stty -F "$pty" cs8 -parenb -parodd
  start=$(date +%s%N)
  LD_PRELOAD=$work/termios_log.so "$wine_run" "$exe" "$@" >"$work/out" 2>"$work/err" || rc=$?
  elapsed_ms=$((($(date +%s%N) - start) / 1000000))
  sed -i 's/^\[ *[0-9.]*\] //' "$work/err"
  local ok=1
  [ "$rc" -eq "$want_rc" ] || ok=0
  for stream in out err; do
    local want=$want_out
    [ "$stream" = err ] && want=$want_err
    if [ -n "$want" ]; then printf '%s\n' "$want" | sed 's/$/\r/'; fi >"$work/want.$stream"
    cmp -s "$work/want.$stream" "$work/$stream" || ok=0
  done
  if [ "$ok" -eq 1 ]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "windows: FAILED $name: velt1ctl.exe $* exited $rc (expected $want_rc)"
    for stream in out err; do
      echo "--- expected std$stream"; cat -A "$work/want.$stream"
      echo "--- got std$stream"; cat -A "$work/$stream"
    done
  fi
}
expect() {  # expect NAME CONDITION-EXIT-CODE MESSAGE
  if [ "$2" -eq 0 ]; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "windows: FAILED $1: $3"; fi
}

check id 0 "QOR-VELT1-V1.07" "" --com 7 id
check set 0 "" "" --com 7 --address 2 set anzahlzaehne 58
check get 0 "58" "" --com 7 --address 2 get anzahlzaehne
check "get, other device" 0 "60" "" --com 7 get anzahlzaehne
check "get name" 0 "Arbeitsparameter" "" --com 7 get programmname
check "frames on the wire" 0 "0x0000
Messung aktiv: aus
Remotebetrieb: aus
Speicherfehler: aus
Prüfspannungsfehler: aus" "-> 23 31 53 31 52 0D  #1S1R.
<- 06  .
<- 23 31 53 31 52 30 30 30 30 0D  #1S1R0000." --com 7 --trace get status
check "mem-write" 0 "" "" --com 7 mem-write 0x100 616263
check "mem-read" 0 "0100: 61 62 63                                         abc" \
  "-> 23 31 42 44 52 34 30 31 30 30 30 30 30 33 0D  #1BDR401000003.
<- 06  .
<- 23 31 42 44 52 34 30 31 30 30 30 30 30 33 36 31 36 32 36 33 30 31 32 37 0D  #1BDR4010000036162630127." \
  --com 7 --trace mem-read 0x100 3
check "set, out of limits" 1 "" "Fehler #500066: Parameter außerhalb der Grenzwerte" \
  --com 7 set anzahlzaehne 100000
check "NAK from a device of another kind" 1 "" "Fehler #402206: Fehlermeldung (NAK) vom Gerät erhalten" \
  --com 7 --address 3 get status
check "--device COM7" 0 "QOR-VELT1-V1.07" "" --device 'COM7' id
check "--device \\\\.\\COM7" 0 "QOR-VELT1-V1.07" "" --device '\\.\COM7' id
check "--device, no COM name" 1 "" "velt1ctl: /dev/ttyS0: COM1 bis COM256 erwartet" --device /dev/ttyS0 id
check "no such port" 1 "" "Fehler #100003: Fehler beim öffnen der seriellen Schnittstelle
COM 9 ist keinem Gerät zugeordnet." --com 9 id

# The device that is not there costs one time-out: 1.5 s, set through
# COMMTIMEOUTS (a port that never got it would wait 10 s). Starting a
# program under a running Wine server takes well under a second here, and
# Wine may end a wait a few milliseconds early.
check "no answer" 1 "" "Fehler #403012: Keine Antwort vom Gerät" --com 7 --address 5 id
[ "$elapsed_ms" -ge 1400 ] && [ "$elapsed_ms" -lt 3000 ]
expect "time-out" $? "no answer after $elapsed_ms ms, expected 1.5 s and Wine's start"
echo "windows: a device that does not answer: $elapsed_ms ms (time-out 1.5 s)"

# SetCommState asked for 9600 baud, 7 data bits, odd parity, 1 stop bit and
# no handshake: every open sets the line once (the other settings calls show
# what the pty keeps, 8-N-1) and nothing else was ever asked.
calls=$(grep -c . "$work/termios.log" || true)
seven=$(grep -cx '9600 7O1 -crtscts -ixon -ixoff' "$work/termios.log" || true)
others=$(grep -vcx '9600 [78][NO]1 -crtscts -ixon -ixoff' "$work/termios.log" || true)
[ "$seven" -eq 13 ] && [ "$others" -eq 0 ]  # the thirteen runs above that open COM7
expect "7-O-1" $? "$seven of $calls settings were 9600 7O1 without handshake, $others others:
$(sort "$work/termios.log" | uniq -c)"

# The port list is Wine's SERIALCOMM key: COM7 is there with its device name.
unset VELT1_TERMIOS_LOG
"$wine_run" "$exe" ports >"$work/out" 2>"$work/err"
tr -d '\r' <"$work/out" | grep -qxF 'COM7  \\.\COM7' && [ ! -s "$work/err" ]
expect ports $? "COM7 not listed: $(cat -A "$work/out" "$work/err")"

# The same line behind ser2net on this machine: velt1ctl.exe reaches it over
# Winsock, by address and as COM 41 named by a file in the ports folder.
net_port=$((30000 + RANDOM % 20000))
cat >"$work/ser2net.yaml" <<EOF
connection: &rfc2217
  accepter: telnet(rfc2217),tcp(nodelay),127.0.0.1,$net_port
  connector: serialdev,$pty,19200n81,local
  options:
    chardelay: false
connection: &raw
  accepter: tcp(nodelay),127.0.0.1,$((net_port + 1))
  connector: serialdev,$pty,9600o71,local
  options:
    chardelay: false
EOF
/usr/sbin/ser2net -n -u -c "$work/ser2net.yaml" -P "$work/ser2net.pid" >/dev/null 2>&1 &
ser2net_pid=$!
listening=":$(printf '%04X' "$net_port") 00000000:0000 0A"
for _ in $(seq 50); do grep -q "$listening" /proc/net/tcp && break; sleep 0.1; done
mkdir -p "$work/ports"
echo "rfc2217://127.0.0.1:$net_port" >"$work/ports/COM41"
check "--device rfc2217://" 0 "QOR-VELT1-V1.07" "" --device "rfc2217://127.0.0.1:$net_port" id
export VELT1_PORTS="Z:${work//\//\\}\\ports"
check "COM 41 over RFC 2217" 0 "60" "" --com 41 get anzahlzaehne
unset VELT1_PORTS
sleep 0.5  # ser2net lets the device go a moment after the connection ends
check "--device tcp://" 0 "Arbeitsparameter" "" --device "tcp://127.0.0.1:$((net_port + 1))" get programmname
kill "$ser2net_pid"
wait "$ser2net_pid"
ser2net_pid=
check "server gone" 1 "" "Fehler #100003: Fehler beim öffnen der seriellen Schnittstelle
COM 1 (rfc2217://127.0.0.1:$net_port): kein Gerät vorhanden." --device "rfc2217://127.0.0.1:$net_port" id

echo "windows: $label on COM7 (Wine, velt1-sim on $pty)"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
