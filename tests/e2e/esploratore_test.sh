#!/usr/bin/env bash
# The board explorer in the real program, heard through a speech daemon
# stand-in: open it, walk a few squares, review two moves, leave it; the game
# is as it was.
# Usage: esploratore_test.sh VANTOREL SSIP_STANDIN DEFAULT_INI
. "$(dirname "$0")/tmux_lib.sh"
. "$(dirname "$0")/speech_lib.sh"

sed 's/^\$\tAssistanceType\t0/$\tAssistanceType\t2/' "$3" >"$work/vantorel.ini"
start_speech "$(realpath "$2")"
start_program "$(realpath "$1")"
vede "Move or value =>"
sente "Vantorel2.65"

mossa e4
mossa e5
mossa Nf3
sente "white 2:  knight to Foxtrot 3"
vede "Plies: last Nf3, reversible 1, total 3"

tasto Space
sente "Chess board overview activated."
sente "a1"
sente "white rook"
tasto Up
sente "a2"
sente "white pawn"
tasto Right
sente "b2"
tasto Up
sente "b3"
sente "empty square"

tasto M-Left
sente "black 1:  pawn to Echo 5"
vede "3   -  -  -  -  -  -  -  -"
tasto M-Left
sente "white 1:  pawn to Echo 4"
vede "5   -  -  -  -  -  -  -  -"
tasto M-Right
sente "black 1:  pawn to Echo 5"
tasto Escape
sente "Chess board overview deactivated."
vede "3   -  -  -  -  -  N  -  -"

# The game goes on from where it was.
mossa Nc6
sente "black 2:  knight to Charlie 6"
vede "Plies: last Nc6, reversible 2, total 4"

quit_without_saving
echo "PASS"
