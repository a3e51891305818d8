#!/usr/bin/env bash
# Runs one driver script against vantorel.exe in a fresh working directory
# and answers the message boxes the script announces: a step "signal
# box-<key>" makes this script wait for the box, press <key> in it with
# xdotool and write "box-answered". A script with a "# viewer" line gets the
# stand-in viewer registered as the program that opens ".pgn" files.
#   run.sh <steps> <vantorel.exe> <driver.exe> <nvda.dll> <viewer.exe>
set -euo pipefail
steps=$(realpath "$1") program=$(realpath "$2") driver=$(realpath "$3") nvda=$(realpath "$4")
viewer=$(realpath "$5")
defaults=$(realpath "$(dirname "$0")/../../fixtures/ini/default_en.ini")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
# The default settings with those the script asks for in its "# set:" lines.
cp "$defaults" vantorel.ini
while read -r key value; do
  sed -i "s/^\\\$\t$key\t.*/\$\t$key\t$value/" vantorel.ini
done < <(sed -n 's/^# set: //p' "$steps")
if grep -q '^# nvda' "$steps"; then cp "$nvda" nvda.dll; fi
if grep -q '^# viewer' "$steps"; then
  # Only the machine-wide classes take effect for ShellExecute under Wine.
  wine reg add 'HKLM\Software\Classes\.pgn' /ve /d vantorel.test.pgn /f >/dev/null 2>&1
  wine reg add 'HKLM\Software\Classes\vantorel.test.pgn\shell\open\command' /ve \
    /d "\"$(winepath -w "$viewer")\" \"%1\"" /f >/dev/null 2>&1
fi
cp "$steps" steps.txt

wine "$driver" "$(winepath -w "$program")" steps.txt </dev/null >driver.log 2>&1 &
driver_pid=$!

boxes() { xdotool search --name '^Attention!$' 2>/dev/null || true; }

answer_box() {  # key
  local id="" try
  # Polled rather than "search --sync": that one dies when another window
  # goes away during its search (the viewer's, for one).
  for _ in $(seq 600); do
    id=$(boxes | head -n1)
    [ -n "$id" ] && break
    sleep 0.05
  done
  [ -n "$id" ] || return 1
  # A box that has only just appeared may miss the key: press it again while
  # that same box is still there.
  for try in $(seq 10); do
    xdotool windowactivate --sync "$id" >/dev/null 2>&1 || true
    xdotool key "$1"
    for _ in $(seq 60); do
      boxes | grep -qx "$id" || break 2
      sleep 0.05
    done
  done
  rm -f "box-$1"
  echo 1 >box-answered.tmp && mv box-answered.tmp box-answered
}

status=0
while kill -0 "$driver_pid" 2>/dev/null; do
  for f in box-*; do
    [ -e "$f" ] && [ "$f" != box-answered ] || continue
    rm -f box-answered
    answer_box "${f#box-}" || { echo "no message box appeared for $f"; status=1; }
  done
  sleep 0.05
done
wait "$driver_pid" || status=$?
cat driver.log
[ -f nvda.log ] && { echo "--- nvda.log"; cat nvda.log; }
exit "$status"
