#!/usr/bin/env bash
# Builds GoogleTest for MinGW-w64 from Debian's sources (/usr/src/googletest)
# and installs it into the given prefix, once.
set -euo pipefail
prefix=$(realpath -m "$1")
root=$(cd "$(dirname "$0")/.." && pwd)
if [ -f "$prefix/lib/cmake/GTest/GTestConfig.cmake" ]; then exit 0; fi
work=$prefix-build
cmake -S /usr/src/googletest -B "$work" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" -DCMAKE_BUILD_TYPE=Release \
  -DBUILD_GMOCK=OFF -Dgtest_disable_pthreads=OFF -DCMAKE_INSTALL_PREFIX="$prefix" >/dev/null
cmake --build "$work" -j "$(nproc)" >/dev/null
cmake --install "$work" >/dev/null
rm -rf "$work"
