# Helpers for the end-to-end tests heard through the speech daemon stand-in.
# Usage: . tmux_lib.sh; . speech_lib.sh; start_speech STANDIN; start_program ...
# Then `sente TEXT` waits until TEXT is heard after everything heard before.

start_speech() {
  "$1" "$work/ssip.address" "$work/spoken" &
  standin_pid=$!
  # The program goes first: the stand-in serves its connection until it closes.
  trap 'tmux -L "$sock" kill-server 2>/dev/null; kill "$standin_pid" 2>/dev/null; wait "$standin_pid" 2>/dev/null; cleanup' EXIT
  wait_for file_exists "$work/ssip.address" || fail "the speech stand-in did not start"
  touch "$work/spoken"
  # The tmux server started afterwards takes this environment to the program.
  SPEECHD_ADDRESS=$(cat "$work/ssip.address")
  export SPEECHD_ADDRESS
}

sentiti=0
nuova_frase() {
  local n
  n=$(tail -n +"$((sentiti + 1))" "$work/spoken" | grep -nF -m1 -- "$1" | cut -d: -f1) || return 1
  [ -n "$n" ] || return 1
  sentiti=$((sentiti + n))
}
sente() {
  wait_for nuova_frase "$1" || {
    echo "--- heard ---"
    cat "$work/spoken"
    fail "not heard: $1"
  }
}
vede() { wait_for screen_has "$1" || fail "not on the screen: $1"; }
tasto() { t send-keys -t "$session" "$@"; }
mossa() {
  t send-keys -t "$session" -l "$1"
  t send-keys -t "$session" Enter
}
