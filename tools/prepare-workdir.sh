#!/usr/bin/env bash
# Prepares a working directory with what the program needs at run time.
set -euo pipefail
src="$(cd "$(dirname "$0")/.." && pwd)"
dir="$1"
mkdir -p "$dir/pgn" "$dir/log" "$dir/html/files"
[ -f "$src/data/eco.bin" ] && cp -u "$src/data/eco.bin" "$dir/"
[ -d "$src/html" ] && find "$src/html" -mindepth 1 -maxdepth 1 ! -name README.md -exec cp -ru {} "$dir/html/" \;
exit 0
