#!/usr/bin/env bash
# The menus in the real program: the Menu key opens the main menu; the clock
# menu, the alarms menu and value entry set the first alarm to 5; ESC walks
# back out; the settings file keeps the new value.
. "$(dirname "$0")/tmux_lib.sh"
start_program "$(realpath "$1")"

vede() { wait_for screen_has "$1" || fail "not on the screen: $1"; }
# The line under the terminal cursor, the one a screen reader reads.
riga_cursore() { t capture-pane -p -t "$session" | sed -n "$(($(pane '#{cursor_y}') + 1))p"; }
riga_cursore_ha() { riga_cursore | grep -qF -- "$1"; }
sotto_cursore() { wait_for riga_cursore_ha "$1" || fail "not under the cursor: $1 (but: $(riga_cursore))"; }
tasto() { t send-keys -t "$session" "$@"; }
ini_ha() { grep -qP "$1" "$work/vantorel.ini"; }

vede "not found"
tasto Enter
vede "Move or value =>"

# The Menu key as xterm sends it (CSI 29 ~).
tasto -H 1b 5b 32 39 7e
vede "Main menu (opened)"
sotto_cursore "Main menu (opened)"
tasto Down
sotto_cursore "Clock (closed)"
tasto Right
vede "Clock (opened)"
vede "Alarms (closed)"
tasto Down Down Down
sotto_cursore "Alarms (closed)"
tasto Enter
vede "Alarms (opened)"
vede "60 minutes left"
tasto Down
sotto_cursore "First alarm"
tasto Enter
wait_for screen_lacks "60 minutes left" || fail "the field was not cleared"
wait_for pane_is '#{cursor_x}' 44 || fail "value entry not at column 44"
tasto -l 5
tasto Enter
vede "Set first alarm to 5 minutes left?"
tasto y
vede "5 minutes left"
wait_for ini_ha '^\$\ta1\t5\r?$' || fail "vantorel.ini does not hold the new alarm"
sotto_cursore "5 minutes left"

# ESC back to the clock menu on its alarms item, to the main menu, then out.
tasto Escape
vede "Clock (opened)"
sotto_cursore "Alarms (closed)"
tasto Escape
vede "Main menu (opened)"
sotto_cursore "Clock (closed)"
tasto Escape
wait_for screen_lacks "Main menu (opened)" || fail "the menus stayed open"
sotto_cursore "Move or value =>"
screen_has "CHESS CLOCK" || fail "the header is not back in view"
ini_ha '^\$\ta1\t5\r?$' || fail "the alarm was lost"

# Alt+F4 as xterm sends it; nothing to save.
tasto -H 1b 5b 31 3b 33 53
vede "Are you sure you want to quit"
tasto y
expect_restored
[ "$(cat "$work/rc")" = 0 ] || fail "exit status $(cat "$work/rc")"
echo "PASS"
