#!/usr/bin/env bash
# Prepares a working directory with what the program needs at run time.
# Usage: prepare-workdir.sh DIR [BUILD_DIR]   (eco.bin is generated in the build)
set -euo pipefail
src="$(cd "$(dirname "$0")/.." && pwd)"
dir="$1"
build="${2:-$src/build/release}"
mkdir -p "$dir/pgn" "$dir/log" "$dir/html/files"
[ -f "$build/eco/eco.bin" ] && cp "$build/eco/eco.bin" "$dir/"
[ -d "$src/html" ] && find "$src/html" -mindepth 1 -maxdepth 1 ! -name README.md -exec cp -ru {} "$dir/html/" \;
exit 0
