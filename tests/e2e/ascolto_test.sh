#!/usr/bin/env bash
# What a blind player hears from the real program through a speech daemon
# stand-in: the settings message at start-up, the panel rows under the
# cursor, a short game to mate (the move before the verdict) and a
# resignation in the next game.
# Usage: ascolto_test.sh VANTOREL SSIP_STANDIN DEFAULT_INI
. "$(dirname "$0")/tmux_lib.sh"
. "$(dirname "$0")/speech_lib.sh"

# The speaking channel chosen, and one value out of range.
sed -e 's/^\$\tAssistanceType\t0/$\tAssistanceType\t2/' -e 's/^\$\tMDV\t1/$\tMDV\t7/' "$3" \
  >"$work/vantorel.ini"
grep -qP '^\$\tMDV\t7' "$work/vantorel.ini" || fail "could not spoil the settings"
start_speech "$(realpath "$2")"
start_program "$(realpath "$1")"

sente "Attention! Error found in vantorel.ini: - invalid parameter for"
vede "invalid parameter"
tasto Enter
sente "Vantorel2.65 - CHESS CLOCK"
vede "Move or value =>"

# The panel rows, read as the cursor reaches them.
tasto Up
sente "Black: 02:00:00"
tasto Up
sente "White: 02:00:00"
tasto Up
sente "Move 1, white's turn, clock stopped"
tasto End
sente "edit"

# Fool's mate: the move is heard, then the verdict.
mossa f3
sente "white 1:"
mossa e5
mossa g4
mossa Qh4
sente "black 2:  queen to Hotel 4 check"
sente "Checkmate, game adjudicated ( 0-1 )."
tasto Enter
vede "Checkmate, game adjudicated ( 0-1 )"

# A new game (Alt+N; the mated game is not saved), then white resigns (F8).
tasto M-n
sente "Save current game? Yes, No, Cancel"
tasto n
sente "New game"
mossa e4
sente "white 1:  pawn to Echo 4"
tasto F8
sente "White resins, adjudicate the game (0-1)? Yes, No"
tasto y
sente "white resins, game adjudicated ( 0-1 )."
vede "White resins, game adjudicated ( 0-1 )"

quit_without_saving
echo "PASS"
