#!/usr/bin/env bash
# Configures and builds the fuzz targets with clang: fuzz/build.sh [build dir]
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build/fuzz}
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DVANTOREL_FUZZ=ON "${launcher[@]}" >/dev/null
cmake --build "$dir" -j "$(nproc)" --target fuzz
