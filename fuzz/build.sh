#!/usr/bin/env bash
# Configures and builds the fuzz targets with clang: fuzz/build.sh [build dir]
# FUZZ_SANITIZE=OFF leaves the sanitizers out, for long runs that count executions.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build/fuzz}
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DVANTOREL_FUZZ=ON -DVANTOREL_FUZZ_SANITIZE="${FUZZ_SANITIZE:-ON}" "${launcher[@]}" >/dev/null
cmake --build "$dir" -j "$(nproc)" --target fuzz
