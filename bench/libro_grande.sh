#!/usr/bin/env bash
# The book builder on big PGN files: bench/libro_grande.sh [build dir] [megabytes...]
# Each file is made here from tests/fixtures/corpus-2k.pgn, copied over and over with its
# headers changed (event, round, a comment per copy) and every other copy in reverse game
# order, until it reaches the size; it is removed afterwards. For each size the builder's
# benchmark reads it once; printed are the build's time, the CPU time of the whole process
# (counting the games included) and its peak resident size. Memory that does not grow with
# the file is the builder streaming its input.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build/dev}
shift || true
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(10 100)
bench="$dir/vantorel_bench"
[ -x "$bench" ] || { echo "build $bench first (cmake --build $dir --target vantorel_bench)"; exit 1; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
corpus=tests/fixtures/corpus-2k.pgn
# The corpus reversed game by game, once.
awk 'BEGIN{RS="\n\n\\[Event "} NR>1{$0="[Event " $0} {g[NR]=$0} END{for(i=NR;i>=1;--i) printf "%s\n\n", g[i]}' \
  "$corpus" >"$scratch/reversed.pgn"

printf '%8s %10s %12s %12s %12s\n' "MB" "games" "seconds" "CPU seconds" "peak RSS KB"
for mb in "${sizes[@]}"; do
  pgn="$scratch/$mb.pgn"
  target=$((mb * 1024 * 1024))
  copy=0
  : >"$pgn"
  while [ "$(stat -c %s "$pgn")" -lt "$target" ]; do
    copy=$((copy + 1))
    source=$corpus
    [ $((copy % 2)) -eq 0 ] && source="$scratch/reversed.pgn"
    awk -v k="$copy" '
      /^\[Event "/ { sub(/"\]$/, " - copy " k "\"]"); print; next }
      /^\[Round "/ { print "[Round \"" k "." substr($0, 9); next }
      /^1\. / { print "{copy " k "} " $0; next }
      { print }' "$source" >>"$pgn"
  done
  games=$(grep -c '^\[Event ' "$pgn")
  VANTOREL_CORPUS="$pgn" /usr/bin/time -v -o "$scratch/time" "$bench" \
    --benchmark_filter='^BM_CostruisciLibro$' --benchmark_min_time=0.01 >"$scratch/out" 2>&1 ||
    { cat "$scratch/out"; exit 1; }
  rss=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$scratch/time")
  secs=$(awk '/^BM_CostruisciLibro/ {print $2 / 1000}' "$scratch/out")
  cpu=$(awk -F': ' '/User time|System time/ {s += $2} END {print s}' "$scratch/time")
  printf '%8s %10s %12s %12s %12s\n' "$(($(stat -c %s "$pgn") / 1048576))" "$games" "$secs" "$cpu" \
    "$rss"
done
