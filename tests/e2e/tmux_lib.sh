# Helpers for driving the real program in a private tmux server.
# Usage: . tmux_lib.sh; start_program BINARY   (sets $work, uses session "e2e")
set -euo pipefail

session=e2e
sock="vantorel-e2e-$$-$RANDOM"
work=$(mktemp -d)
xvfb_pid=
cleanup() {
  tmux -L "$sock" kill-server 2>/dev/null || true
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

t() { tmux -L "$sock" -f /dev/null "$@"; }

fail() {
  echo "FAIL: $*"
  echo "--- screen ---"
  t capture-pane -p -t "$session" 2>/dev/null || true
  exit 1
}

# A private X display for the clipboard, stopped at exit with the rest.
start_display() {
  Xvfb -displayfd 3 -nolisten tcp -screen 0 320x240x24 3>"$work/display" >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  wait_for file_exists "$work/display" || fail "Xvfb did not start"
  export DISPLAY=":$(head -n1 "$work/display")"
  unset WAYLAND_DISPLAY
}

# Retries a check until it holds, for up to 10 s (the program answers in
# milliseconds; the margin is for a loaded machine).
wait_for() {
  local i
  for i in $(seq 400); do
    if "$@"; then return 0; fi
    sleep 0.025
  done
  return 1
}

screen_has() { t capture-pane -p -t "$session" | grep -qF -- "$1"; }
screen_lacks() { ! screen_has "$1"; }
pane() { t display -p -t "$session" "$1"; }
pane_is() { [ "$(pane "$1")" = "$2" ]; }
file_exists() { [ -s "$1" ]; }

# Starts the program in an 80 x 44 pane from an empty working directory. The
# shell around it records the terminal settings before and after, the
# program's pid and its exit code, and keeps the pane open afterwards.
start_program() {
  local bin=$1
  t new-session -d -s "$session" -x 80 -y 44 \
    "cd '$work' && stty -g > before && sh -c 'echo \$\$ > pid; exec \"$bin\"'; echo \$? > rc; stty -g > after; exec sleep 600"
  wait_for file_exists "$work/pid" || fail "the program did not start"
}

# The terminal is as it was: same settings, main screen back.
expect_restored() {
  wait_for file_exists "$work/after" || fail "the program did not end"
  cmp -s "$work/before" "$work/after" || fail "terminal settings not restored"
  pane_is '#{alternate_on}' 0 || fail "still on the alternate screen"
}

# An information dialog with this text is shown, and Enter closes it.
close_dialog() {
  wait_for screen_has "$1" || fail "no dialog: $1"
  t send-keys -t "$session" Enter
  wait_for screen_lacks "$1" || fail "the dialog stayed: $1"
}

# Alt+F4 as xterm sends it; "No" to saving the unsaved game; the program ends
# with code 0 and the terminal as it was.
quit_without_saving() {
  t send-keys -t "$session" -H 1b 5b 31 3b 33 53
  wait_for screen_has "before closing the app?" || fail "no save question at exit"
  t send-keys -t "$session" n
  expect_restored
  [ "$(cat "$work/rc")" = 0 ] || fail "exit status $(cat "$work/rc")"
}
