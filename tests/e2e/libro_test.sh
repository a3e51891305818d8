#!/usr/bin/env bash
# Opening books in the real program, heard through a speech daemon stand-in
# (assistance type 2) and with the clipboard of a private Xvfb display: the
# book explorer walks three nodes of a book, copies the line, and leaves with
# the board as it was.
# Usage: libro_test.sh VANTOREL SSIP_STANDIN DEFAULT_INI ECO_BIN
. "$(dirname "$0")/tmux_lib.sh"
. "$(dirname "$0")/speech_lib.sh"
programma=$(realpath "$1")
standin=$(realpath "$2")
command -v Xvfb >/dev/null && command -v xclip >/dev/null || { echo "SKIP: no Xvfb or xclip"; exit 0; }

sed 's/^\$\tAssistanceType\t0/$\tAssistanceType\t2/' "$3" >"$work/vantorel.ini"
grep -qP '^\$\tAssistanceType\t2' "$work/vantorel.ini" || fail "could not choose the channel"
cp "$4" "$work/eco.bin"

# A private display for the clipboard.
exec 3>"$work/display"
Xvfb -displayfd 3 -nolisten tcp -screen 0 320x240x24 >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
exec 3>&-
"$standin" "$work/ssip.address" "$work/spoken" &
standin_pid=$!
# The program first (it holds the stand-in's connection), then the services.
trap 'cleanup; kill "$standin_pid" "$xvfb_pid" 2>/dev/null; wait "$standin_pid" "$xvfb_pid" 2>/dev/null' EXIT
wait_for file_exists "$work/display" || fail "Xvfb did not start"
wait_for file_exists "$work/ssip.address" || fail "the speech stand-in did not start"
touch "$work/spoken"
DISPLAY=":$(head -n1 "$work/display")"
SPEECHD_ADDRESS=$(cat "$work/ssip.address")
export DISPLAY SPEECHD_ADDRESS
unset WAYLAND_DISPLAY

# The book: 1. e4 (3 lines: 1...e5 2. Nf3 Nc6, 1...c5 twice counted), 1. d4.
python3 - "$work/book.vobf" <<'BOOK'
import struct, sys
def m(a, b, k): return a | (b << 6) | (k << 12)
e4, d4, e5, c5 = m(52, 36, 3), m(51, 35, 3), m(12, 28, 3), m(10, 26, 3)
nf3, nc6 = m(62, 45, 5), m(1, 18, 5)
nodi = [(e4, 32, 16, 3), (d4, 0, 0, 1), (e5, 64, 48, 1), (c5, 0, 0, 2), (nf3, 80, 0, 1),
        (nc6, 0, 0, 1)]
open(sys.argv[1], 'wb').write(b''.join(struct.pack('<4I', *n) for n in nodi))
BOOK

start_program "$programma"
appunti() { [ "$(xclip -selection clipboard -o 2>/dev/null | tr -d '\r')" = "$1" ]; }

vede "Move or value =>"

# A PGN file copied in a stand-in file manager becomes the book to build.
cat >"$work/partite.pgn" <<'PGN'
[Event "a"]
1. e4 e5 2. Nf3 Nc6 3. Bb5 a6 4. Ba4 Nf6 *

[Event "b"]
1. d4 d5 2. c4 e6 3. Nc3 Nf6 4. Bg5 Be7 1-0
PGN
printf 'copy\nfile://%s' "$work/partite.pgn" |
  xclip -selection clipboard -t x-special/gnome-copied-files -i
tasto C-b
sente "Games that meet the specified criteria: 2."
vede "New lines inserted in the book: 2."
tasto Enter
[ "$(od -An -tu4 -w16 -N16 "$work/my_book.vobf" | tr -s ' ')" = " 14644 16 128 1" ] ||
  fail "the built book: $(od -An -tu4 -w16 "$work/my_book.vobf" | head -3)"

tasto C-e
sente "Book explorer activated. white 1:  pawn to Echo 4 -> (3 lines). B00, King's pawn opening. 1 of 2"
vede "Current node: 1. e4 - (3 lines) - 1 of 2"
tasto Right
sente "-> (a line). C20, King's pawn game. 1 of 2"
vede "Current node: 1... e5 - (a line) - 1 of 2"
tasto Down
sente "-> (terminal node). B20, Sicilian defence. 2 of 2"
tasto Up
sente "-> (a line). C20, King's pawn game. 1 of 2"
tasto Right
sente "-> (a line). C40, King's knight opening. 1 of 1"
vede "Current node: 2. Nf3 - (a line) - 1 of 1"
tasto C-c
sente "Line copied to clipboard."
wait_for appunti $'[ECO "C40"]\n[Opening "King\'s knight opening"]\n\n 1. e4 e5 2. Nf3\n*' ||
  fail "clipboard: $(xclip -selection clipboard -o 2>&1)"
tasto Escape
sente "Book explorer disabled"
wait_for screen_lacks "Current node" || fail "the explorer's rows stayed"
# The game is where it was: the first move is still white's.
tasto -l e4
tasto Enter
sente "white 1:  pawn to Echo 4"
echo "PASS"
