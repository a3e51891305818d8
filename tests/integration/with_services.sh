#!/usr/bin/env bash
# Starts, on private sockets, the real components the integration tests
# drive — a PulseAudio server with a null sink, an Xvfb display, a logging
# stand-in for xdg-open first in PATH — runs the tests, and stops them.
# A component that is not installed is left out and its tests skip; one
# that is installed but does not start fails the run.
set -euo pipefail
tests=$(realpath "$1")
run=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  for p in "${pids[@]}"; do wait "$p" 2>/dev/null || true; done
  rm -rf "$run"
}
trap cleanup EXIT

wait_for_file() {  # path: up to 10 s
  for _ in $(seq 400); do [ -e "$1" ] && return 0; sleep 0.025; done
  return 1
}

if command -v pulseaudio >/dev/null && command -v parec >/dev/null; then
  mkdir -p "$run/pulse"
  HOME="$run/pulse" XDG_RUNTIME_DIR="$run/pulse" XDG_CONFIG_HOME="$run/pulse" \
    pulseaudio --daemonize=no --exit-idle-time=-1 -n --use-pid-file=no --disable-shm=yes \
    --load="module-null-sink sink_name=ci_sink rate=44100 norewinds=1" \
    --load="module-native-protocol-unix socket=$run/pulse.sock auth-anonymous=1" \
    >"$run/pulse.log" 2>&1 &
  pids+=($!)
  wait_for_file "$run/pulse.sock" || { cat "$run/pulse.log"; echo "PulseAudio did not start"; exit 1; }
  export PULSE_SERVER="unix:$run/pulse.sock" VANTOREL_TEST_SINK=ci_sink
else
  echo "note: pulseaudio/parec not installed, tone device tests skip"
fi

if command -v Xvfb >/dev/null && command -v xclip >/dev/null; then
  exec 3>"$run/display"
  Xvfb -displayfd 3 -nolisten tcp -screen 0 320x240x24 >"$run/xvfb.log" 2>&1 &
  pids+=($!)
  exec 3>&-
  for _ in $(seq 400); do [ -s "$run/display" ] && break; sleep 0.025; done
  [ -s "$run/display" ] || { cat "$run/xvfb.log"; echo "Xvfb did not start"; exit 1; }
  export DISPLAY=":$(head -n1 "$run/display")"
  unset WAYLAND_DISPLAY
else
  echo "note: Xvfb/xclip not installed, clipboard tests skip"
fi

# The stand-in viewer logs its arguments, then stays until released, so a
# caller that waited for it would hang.
mkdir -p "$run/bin"
cat >"$run/bin/xdg-open" <<'VIEWER'
#!/bin/sh
log="$VANTOREL_TEST_VIEWER_LOG"
{ echo "argc=$#"; for a in "$@"; do printf 'arg=%s\n' "$a"; done; } >"$log.tmp"
mv "$log.tmp" "$log"
while [ ! -e "$log.release" ]; do sleep 0.05; done
VIEWER
chmod +x "$run/bin/xdg-open"
export PATH="$run/bin:$PATH" VANTOREL_TEST_VIEWER_LOG="$run/viewer.log"

cd "$run"
"$tests"
