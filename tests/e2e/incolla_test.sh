#!/usr/bin/env bash
# The real program in a terminal with a private X display: a PGN game put on
# the clipboard with xclip and pasted with Ctrl+V shows its board, its status
# rows and its clock; a text that is no game is refused and the game stays.
. "$(dirname "$0")/tmux_lib.sh"
if ! command -v Xvfb >/dev/null || ! command -v xclip >/dev/null; then
  echo "SKIP: Xvfb or xclip not installed"
  exit 77
fi

start_display

# xclip keeps the selection until another owner takes it; it takes it a moment
# after it starts.
appunti_sono() { [ "$(xclip -selection clipboard -o 2>/dev/null)" = "$(printf "%s" "$1")" ]; }
clipboard() {
  printf "%s" "$1" | xclip -selection clipboard -i 2>/dev/null
  wait_for appunti_sono "$1" || fail "xclip did not take the text"
}

start_program "$(realpath "$1")"
vede() { wait_for screen_has "$1" || fail "not on the screen: $1"; }
vede "not found"
t send-keys -t "$session" Enter
vede "Move or value =>"

clipboard '[Event "Club night"]
[White "Rossi, Mario"]
[Black "Verdi, Anna"]
[Result "*"]
[TimeControl "40/5400+30"]
[WhiteTimeLeft "5000"]
[BlackTimeLeft "4321"]

1. e4 e5 2. Nf3 Nc6 3. Bb5 a6 {a comment} 4. Ba4 (4. Bxc6 dxc6) Nf6 5. 0-0 Be7 *
'
t send-keys -t "$session" C-v
vede "Plies: last Be7, reversible 4, total 10"
vede "Move 6, white's turn, clock stopped"
vede "1   R  N  B  Q  -  R  K  -"
vede "8   r  -  b  q  k  -  -  r"
vede "01:23:20"
vede "01:12:01"
vede "40/5400+30"

# Text without a game is refused in a dialog; the pasted game stays.
clipboard 'hello'
t send-keys -t "$session" C-v
close_dialog "'hello' - is not a correct move record."
screen_has "Plies: last Be7, reversible 4, total 10" || fail "the refusal changed the game"

# Quitting asks about the unsaved pasted game; "No" ends the program.
quit_without_saving
echo "PASS"
