#!/usr/bin/env bash
# The menus in the real program, heard through a speech daemon stand-in
# (assistance type 2): the Menu key opens the main menu; the clock menu, the
# alarms menu and value entry set the first alarm to 5; ESC walks back out;
# the settings file keeps the new value. Every step is spoken.
# Usage: menu_test.sh VANTOREL SSIP_STANDIN DEFAULT_INI
. "$(dirname "$0")/tmux_lib.sh"
. "$(dirname "$0")/speech_lib.sh"
programma=$(realpath "$1")
standin=$(realpath "$2")

# The settings of a first run, with the speaking channel chosen.
sed 's/^\$\tAssistanceType\t0/$\tAssistanceType\t2/' "$3" >"$work/vantorel.ini"
grep -qP '^\$\tAssistanceType\t2' "$work/vantorel.ini" || fail "could not choose the channel"

start_speech "$standin"
start_program "$programma"

ini_ha() { grep -qP "$1" "$work/vantorel.ini"; }


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
