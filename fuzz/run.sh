#!/usr/bin/env bash
# Runs the fuzz targets from their seeds:
#   fuzz/run.sh [seconds] [build dir] [executions] [target...]
# Each target runs for the seconds given, or until it has made the executions given (0 or
# none: no count), whichever comes first; the targets named, else every one. The seeds in
# the repository are left as they are; new inputs go to a scratch corpus (kept in
# $FUZZ_CORPUS/<target> when that is set, so that a later run goes on from it).
# A crash fails the run and leaves its input in <build dir>/fuzz/artifacts/.
# Each target's last line tells its executions, coverage (cov) and features (ft).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
dir=${2:-build/fuzz}
runs=${3:-0}
shift $(($# < 3 ? $# : 3))
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=0
artifacts="$dir/fuzz/artifacts"
mkdir -p "$artifacts"
targets=("$@")
[ ${#targets[@]} -gt 0 ] || mapfile -t targets <"$dir/fuzz/targets.txt"
for name in "${targets[@]}"; do
  [ -n "$name" ] || continue
  corpus="${FUZZ_CORPUS:-$scratch}/$name"
  mkdir -p "$corpus" "$scratch/$name"
  limit=()
  [ "$runs" -gt 0 ] && limit=(-runs="$runs")
  echo "fuzz_$name: $seconds s${limit:+, at most $runs executions}"
  # Inputs no longer than the target reads (it skips longer ones): libFuzzer would
  # otherwise grow them to 4096 bytes and spend executions on nothing.
  case $name in
    mossa_digitata) limit+=(-max_len=65) ;;
    cadenza | utf8) limit+=(-max_len=256) ;;
    tasti) limit+=(-max_len=1024) ;;
  esac
  if ! "$dir/fuzz/fuzz_$name" -max_total_time="$seconds" "${limit[@]}" -timeout=10 \
      -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$artifacts/$name-" \
      "$corpus" "fuzz/seeds/$name" >"$scratch/$name/log" 2>&1; then
    tail -n 60 "$scratch/$name/log"
    for crash in "$artifacts/$name"-*; do
      [ -e "$crash" ] && { echo "input ($crash):"; od -c "$crash" | head -20; }
    done
    failed=1
  else
    grep -E '^#[0-9]+.*(DONE|cov:)' "$scratch/$name/log" | tail -n 1 || true
  fi
done
exit $failed
