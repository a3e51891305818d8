#!/usr/bin/env bash
# Runs a command (a build with test discovery, ctest) with Wine set up for
# the Windows tests: a private prefix inside the build folder with the crash
# dialog off, an Xvfb display with openbox for message boxes (the same
# DISPLAY for every Wine process of the run), and one Wine server kept alive
# for the whole run instead of one per test.
#   tests/win32/with_wine.sh <build dir> <command> [args...]
set -euo pipefail
build=$(realpath "$1"); shift
export WINEPREFIX="$build/wineprefix" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
run=$(mktemp -d)
pids=()
cleanup() {
  wineserver -k 2>/dev/null || true
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  for p in "${pids[@]}"; do wait "$p" 2>/dev/null || true; done
  rm -rf "$run"
}
trap cleanup EXIT

exec 3>"$run/display"
Xvfb -displayfd 3 -nolisten tcp -screen 0 1024x768x24 >"$run/xvfb.log" 2>&1 &
pids+=($!)
exec 3>&-
for _ in $(seq 400); do [ -s "$run/display" ] && break; sleep 0.025; done
[ -s "$run/display" ] || { cat "$run/xvfb.log"; echo "Xvfb did not start"; exit 1; }
export DISPLAY=":$(head -n1 "$run/display")"
unset WAYLAND_DISPLAY
openbox --sm-disable >"$run/openbox.log" 2>&1 &
pids+=($!)

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  wineboot -i >/dev/null 2>&1
  wineserver -w
  # A crashing test must fail at once, not wait for its timeout behind a dialog.
  wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
  wineserver -w
fi
wineserver -p
wine cmd /c exit >/dev/null 2>&1
"$@"
