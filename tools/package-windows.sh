#!/usr/bin/env bash
# Packs the Windows program for a user: vantorel.exe with its working
# directory (html/, eco.bin, empty pgn/ and log/) and a short text on
# starting it with NVDA, in <build dir>/vantorel-windows.zip.
#   tools/package-windows.sh <Windows build dir>
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "$1")
[ -f "$build/vantorel.exe" ] || { echo "no $build/vantorel.exe: build the Windows program first"; exit 1; }
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
dir="$stage/vantorel"
"$src/tools/prepare-workdir.sh" "$dir" "$build"
cp "$build/vantorel.exe" "$dir/"
# The debugging information stays in the build; the user gets a small program.
x86_64-w64-mingw32-strip "$dir/vantorel.exe"
# Notepad of older Windows shows a bare line feed as nothing: CR LF.
sed 's/$/\r/' "$src/tools/windows-start.txt" >"$dir/START.txt"
rm -f "$build/vantorel-windows.zip"
(cd "$stage" && TZ=UTC zip -qrX "$build/vantorel-windows.zip" vantorel)
echo "Windows package: $build/vantorel-windows.zip"
