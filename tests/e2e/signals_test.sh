#!/usr/bin/env bash
# A signal that ends the program (SIGTERM, SIGHUP, a crash) still gives the
# terminal back as it was.
. "$(dirname "$0")/tmux_lib.sh"
bin=$(realpath "$1")
for sig in TERM HUP SEGV; do
  rm -f "$work"/{pid,rc,before,after}
  session="e2e_$sig"
  start_program "$bin"
  wait_for pane_is '#{alternate_on}' 1 || fail "$sig: not on the alternate screen"
  kill -s "$sig" "$(cat "$work/pid")"
  expect_restored
  rc=$(cat "$work/rc")
  [ "$rc" -gt 128 ] || fail "$sig: exit code $rc, expected death by the signal"
done
echo "PASS: signals"
