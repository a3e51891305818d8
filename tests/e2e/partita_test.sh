#!/usr/bin/env bash
# The real program in a terminal: a few moves typed, among them a capture and
# a check; the board and the status rows follow each one; quitting without
# saving ends with code 0.
. "$(dirname "$0")/tmux_lib.sh"
start_program "$(realpath "$1")"

mossa() {
  t send-keys -t "$session" -l "$1"
  t send-keys -t "$session" Enter
}
vede() { wait_for screen_has "$1" || fail "not on the screen: $1"; }

# A first run in an empty directory says the settings file was not found.
vede "not found"
t send-keys -t "$session" Enter
vede "Move or value =>"
vede "The current position is the initial one"
vede "1   R  N  B  Q  K  B  N  R"

mossa e4
vede "Plies: last e4, reversible 0, total 1"
vede "4   -  -  -  -  P  -  -  -"
vede "2   P  P  P  P  -  P  P  P"
mossa d5
mossa exd5
vede "Plies: last exd5, reversible 0, total 3"
vede "5   -  -  -  P  -  -  -  -"
mossa Qxd5
mossa Nc3
mossa Qe5
vede "Plies: last Qe5+, reversible 2, total 6"
vede "Move 4, white's turn, clock stopped"
vede "5   -  -  -  -  q  -  -  -"
vede "3   -  -  N  -  -  -  -  -"

# An illegal move is refused in a dialog and changes nothing.
mossa Ke2
close_dialog "'Ke2' - is not a legal move."
screen_has "Plies: last Qe5+, reversible 2, total 6" || fail "the refusal changed the game"

# Alt+F4: the unsaved game is not saved ("No"), the program ends.
quit_without_saving
echo "PASS"
