#!/usr/bin/env bash
# Runs every fuzz target for N seconds from its seeds: fuzz/run.sh [seconds] [build dir]
# The seeds in the repository are left as they are; new inputs go to a scratch corpus.
# A crash fails the run and leaves its input in <build dir>/fuzz/artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
dir=${2:-build/fuzz}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=0
artifacts="$dir/fuzz/artifacts"
mkdir -p "$artifacts"
while read -r name; do
  [ -n "$name" ] || continue
  mkdir -p "$scratch/$name/corpus"
  echo "fuzz_$name: $seconds s"
  if ! "$dir/fuzz/fuzz_$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$artifacts/$name-" \
      "$scratch/$name/corpus" "fuzz/seeds/$name" >"$scratch/$name/log" 2>&1; then
    tail -n 60 "$scratch/$name/log"
    for crash in "$artifacts/$name"-*; do
      [ -e "$crash" ] && { echo "input ($crash):"; od -c "$crash" | head -20; }
    done
    failed=1
  else
    grep -E '^stat::number_of_executed_units' "$scratch/$name/log" || true
  fi
done <"$dir/fuzz/targets.txt"
exit $failed
