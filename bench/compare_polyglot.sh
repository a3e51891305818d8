#!/usr/bin/env bash
# The book builder against Debian's polyglot make-book on the same corpora, in
# one run: games per second of processor time (user + system) for each, and
# the ratio. Default filters, lines of at most 40 plies.
# Usage: bench/compare_polyglot.sh [build dir]   (default build/dev)
set -euo pipefail
src="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$src/build/dev}"
bench="$build/vantorel_bench"
polyglot=/usr/games/polyglot
[ -x "$bench" ] || { echo "build vantorel_bench first"; exit 2; }
[ -x "$polyglot" ] || { echo "install the Debian package polyglot"; exit 2; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# The larger corpus: the fixture ten times over, 20,000 games.
for i in $(seq 10); do cat "$src/tests/fixtures/corpus-2k.pgn"; done > "$tmp/corpus-20k.pgn"

# Best of three runs of polyglot, in processor seconds.
polyglot_seconds() {
  local best="" t
  for _ in 1 2 3; do
    t=$( { TIMEFORMAT='%U %S'; time (cd "$tmp" && "$polyglot" make-book -pgn "$1" \
           -bin "$tmp/p.bin" -max-ply 40 >/dev/null 2>&1); } 2>&1 | awk '{print $1 + $2}')
    if [ -z "$best" ] || awk "BEGIN{exit !($t < $best)}"; then best=$t; fi
  done
  echo "$best"
}

echo "load: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) processors"
printf '%-16s %8s %16s %16s %8s\n' corpus games polyglot/s vantorel/s ratio
for corpus in "$src/tests/fixtures/corpus-2k.pgn" "$tmp/corpus-20k.pgn"; do
  games=$(grep -c '^\[Event ' "$corpus")
  secs=$(polyglot_seconds "$corpus")
  ours=$(VANTOREL_CORPUS="$corpus" "$bench" --benchmark_filter=BM_CostruisciLibro \
           --benchmark_format=csv 2>/dev/null | awk -F, '/BM_CostruisciLibro/ {print $7}')
  awk -v n="$(basename "$corpus")" -v g="$games" -v s="$secs" -v o="$ours" 'BEGIN {
    p = g / s; printf "%-16s %8d %16.0f %16.0f %7.2fx\n", n, g, p, o, o / p }'
done
