#!/usr/bin/env bash
# Closing the terminal window (SIGHUP) or ending the session (SIGTERM) while a
# game with moves is unsaved: the program cannot ask, so it saves the game's
# files before it ends.
# Usage: chiusura_test.sh VANTOREL DEFAULT_INI
. "$(dirname "$0")/tmux_lib.sh"
bin=$(realpath "$1")
for sig in HUP TERM; do
  rm -rf "$work"/{pid,rc,before,after,pgn,log,html,MoveList.txt}
  cp "$2" "$work/vantorel.ini"  # automatic saving off
  session="e2e_$sig"
  start_program "$bin"
  wait_for screen_has "Move or value =>" || fail "$sig: the program did not start"
  t send-keys -t "$session" e4 Enter
  wait_for screen_has "Plies: last e4," || fail "$sig: e4 not played"
  [ -e "$work/pgn" ] && [ -n "$(ls "$work/pgn")" ] && fail "$sig: saved with saving off"
  kill -s "$sig" "$(cat "$work/pid")"
  expect_restored
  pgn=("$work"/pgn/*.pgn)
  [ -s "${pgn[0]}" ] || fail "$sig: no PGN after the signal"
  tr -d '\r' <"${pgn[0]}" | grep -qF "1. e4" || fail "$sig: the PGN lacks 1. e4"
  [ -s "$work/MoveList.txt" ] || fail "$sig: no move list after the signal"
done
echo "PASS"
