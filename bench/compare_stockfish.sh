#!/usr/bin/env bash
# Perft speed against Stockfish on this machine, one thread each, in the same run: our perft 6
# from the start position (the benchmark's nps counter, CPU time) and Stockfish's
# "go perft 6" (CPU time of the run, minus the CPU time of a run that only starts and quits).
# Usage: bench/compare_stockfish.sh [build dir, default build/dev]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/dev}
stockfish=${STOCKFISH:-/usr/games/stockfish}
cmake --build "$build" --target vantorel_bench >/dev/null

# The nps counter is the last column of the csv row.
ours=$("$build/vantorel_bench" --benchmark_filter='BM_PerftInizio/6' --benchmark_repetitions=3 \
  --benchmark_report_aggregates_only=true --benchmark_format=csv 2>/dev/null |
  awk -F, '/_median/ { print $NF }')

cpu() {  # CPU seconds (user + system) of stockfish reading the given commands
  /usr/bin/time -o /tmp/vantorel-sf-time.$$ -f '%U %S' "$stockfish" >/tmp/vantorel-sf.$$ <<<"$1"
  awk '{ print $1 + $2 }' /tmp/vantorel-sf-time.$$
}
base=$(cpu $'quit')
full=$(cpu $'setoption name Threads value 1\nposition startpos\ngo perft 6\nquit')
nodes=$(awk '/^Nodes searched/ { print $3 }' /tmp/vantorel-sf.$$)
rm -f /tmp/vantorel-sf.$$ /tmp/vantorel-sf-time.$$
awk -v ours="$ours" -v nodes="$nodes" -v full="$full" -v base="$base" 'BEGIN {
  theirs = nodes / (full - base)
  printf "vantorel perft 6, start position (median of 3): %.0f nodes/s\n", ours
  printf "stockfish go perft 6, 1 thread:                 %.0f nodes/s (%d nodes, %.2f s CPU)\n", theirs, nodes, full - base
  printf "ratio vantorel / stockfish: %.2f\n", ours / theirs
}'
