#!/usr/bin/env bash
# Prepares a working directory with what the program needs at run time.
set -euo pipefail
src="$(cd "$(dirname "$0")/.." && pwd)"
dir="$1"
mkdir -p "$dir/pgn" "$dir/log" "$dir/html/files"
[ -f "$src/data/eco.bin" ] && cp -u "$src/data/eco.bin" "$dir/"
if compgen -G "$src/html/*" >/dev/null; then cp -ru "$src/html/." "$dir/html/"; fi
exit 0
