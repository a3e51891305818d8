#!/usr/bin/env bash
# The menus in the real program, heard through a speech daemon stand-in
# (assistance type 2): the Menu key opens the main menu; the clock menu, the
# alarms menu and value entry set the first alarm to 5; ESC walks back out;
# the settings file keeps the new value. Every step is spoken.
# Usage: menu_test.sh VANTOREL SSIP_STANDIN DEFAULT_INI
. "$(dirname "$0")/tmux_lib.sh"
programma=$(realpath "$1")
standin=$(realpath "$2")

# The settings of a first run, with the speaking channel chosen.
sed 's/^\$\tAssistanceType\t0/$\tAssistanceType\t2/' "$3" >"$work/vantorel.ini"
grep -qP '^\$\tAssistanceType\t2' "$work/vantorel.ini" || fail "could not choose the channel"

"$standin" "$work/ssip.address" "$work/spoken" &
standin_pid=$!
trap 'kill "$standin_pid" 2>/dev/null; wait "$standin_pid" 2>/dev/null; cleanup' EXIT
wait_for file_exists "$work/ssip.address" || fail "the speech stand-in did not start"
touch "$work/spoken"
# The tmux server started below takes this environment to the program.
SPEECHD_ADDRESS=$(cat "$work/ssip.address")
export SPEECHD_ADDRESS
start_program "$programma"

vede() { wait_for screen_has "$1" || fail "not on the screen: $1"; }
tasto() { t send-keys -t "$session" "$@"; }
ini_ha() { grep -qP "$1" "$work/vantorel.ini"; }

# What was heard: each step must be heard after the previous one.
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

vede "Move or value =>"
# The Menu key as xterm sends it (CSI 29 ~).
tasto -H 1b 5b 32 39 7e
vede "Main menu (opened)"
sente "Main menu (opened) APPS"
tasto Down
sente "Clock (closed) ALT+O"
tasto Right
vede "Alarms (closed)"
sente "Clock (opened) ALT+O"
tasto Down
sente "Start the clock CTRL+ENTER"
tasto Down
sente "Time control (closed) ALT+C"
tasto Down
sente "Alarms (closed) ALT+(1-5)"
tasto Enter
vede "60 minutes left"
sente "Alarms (opened) ALT+(1-5)"
tasto Down
sente "First alarm 60 minutes left"
tasto Enter
wait_for screen_lacks "60 minutes left" || fail "the field was not cleared"
wait_for pane_is '#{cursor_x}' 44 || fail "value entry not at column 44"
sente "edit"
tasto -l 5
tasto Enter
vede "Set first alarm to 5 minutes left?"
sente "Set first alarm to 5 minutes left?"
tasto y
vede "5 minutes left"
sente "Alarms"
wait_for ini_ha '^\$\ta1\t5\r?$' || fail "vantorel.ini does not hold the new alarm"

# ESC back to the clock menu on its alarms item, to the main menu, then out.
tasto Escape
sente "Clock, Alarms (closed) ALT+(1-5)"
tasto Escape
sente "Main menu, Clock (closed) ALT+O"
tasto Escape
sente "Menu closed"
wait_for screen_lacks "Main menu (opened)" || fail "the menus stayed open"
screen_has "CHESS CLOCK" || fail "the header is not back in view"
ini_ha '^\$\ta1\t5\r?$' || fail "the alarm was lost"

# Alt+F4 as xterm sends it; nothing to save.
tasto -H 1b 5b 31 3b 33 53
vede "Are you sure you want to quit"
tasto y
expect_restored
[ "$(cat "$work/rc")" = 0 ] || fail "exit status $(cat "$work/rc")"
echo "PASS"
