#!/usr/bin/env bash
# Kills a loop of saves with SIGKILL at random moments, COUNT times, and checks
# after every kill that each file on disk is a whole version: the PGN accepted
# by pgn-extract, the log validated, the settings read, the book opened.
# usage: sigkill_test.sh DRIVER [COUNT]   (DRIVER: the ciclo_salvataggi binary)
set -euo pipefail
driver=$1
count=${2:-100}
pgn_extract=/usr/games/pgn-extract
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

"$driver" scrivi "$dir/w" 1 # every file exists before the first kill
last=""
moved=0
start=$(date +%s%N)
for ((i = 1; i <= count; i++)); do
  "$driver" scrivi "$dir/w" 0 &
  pid=$!
  # Anywhere from the start-up to a few dozen saves in.
  sleep "$(printf '0.%03d' $((RANDOM % 250)))"
  kill -KILL "$pid"
  wait "$pid" 2>/dev/null && { echo "kill $i: the loop ended by itself"; exit 1; }
  if ! versions=$("$driver" verifica "$dir/w" 2>"$dir/err"); then
    echo "kill $i: $(cat "$dir/err")"
    exit 1
  fi
  if [ -x "$pgn_extract" ]; then
    "$pgn_extract" -s -o /dev/null "$dir/w/pgn/ciclo.pgn" 2>"$dir/err" || true
    if [ -s "$dir/err" ]; then
      echo "kill $i: pgn-extract: $(cat "$dir/err")"
      exit 1
    fi
  fi
  [ "$versions" != "$last" ] && moved=$((moved + 1))
  last=$versions
done
ms=$((($(date +%s%N) - start) / 1000000))
echo "$count kills in $((ms / 1000)).$(printf '%03d' $((ms % 1000))) s; files changed between $moved of them; last versions: $last"
# Kills that all landed before the first save would prove nothing.
[ "$moved" -ge $((count / 4)) ] || { echo "too few kills landed during the saves"; exit 1; }
