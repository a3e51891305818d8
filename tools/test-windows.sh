#!/usr/bin/env bash
# Cross-builds the Windows program with MinGW-w64, runs its unit, scenario and
# end-to-end tests under Wine (test discovery runs there too), then packs the
# zip a user unpacks. ./test.sh runs it last.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/packages.sh
tools/ensure-packages.sh $BUILD_PACKAGES $WINDOWS_PACKAGES
jobs=$(nproc)
dir=build/win
tools/mingw-gtest.sh "$dir/gtest"
cmake -S . -B "$dir" -G Ninja -DVANTOREL_WERROR=ON -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
  -DCMAKE_PREFIX_PATH="$PWD/$dir/gtest" >/dev/null
tests/win32/with_wine.sh "$dir" bash -c \
  "cmake --build '$dir' -j $jobs && cd '$dir' && ctest --output-on-failure -j $jobs --timeout 600"
tools/package-windows.sh "$dir"
