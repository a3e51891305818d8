#!/usr/bin/env bash
# Builds and runs every test: a plain build with warnings as errors, then an
# address + undefined sanitizer build, then every fuzz target for a while,
# then the Windows program cross-built and tested under Wine.
# Installs what it needs when missing.
set -euo pipefail
cd "$(dirname "$0")"
. tools/packages.sh
tools/ensure-packages.sh $BUILD_PACKAGES $RUNTIME_PACKAGES $TEST_PACKAGES $WINDOWS_PACKAGES
jobs=$(nproc)

build_and_test() {
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja -DVANTOREL_WERROR=ON "$@" >/dev/null
  cmake --build "$dir" -j "$jobs"
  (cd "$dir" && ctest --output-on-failure -j "$jobs" --timeout 600)
}

build_and_test build/ci -DCMAKE_BUILD_TYPE=RelWithDebInfo
build_and_test build/asan -DCMAKE_BUILD_TYPE=Debug -DVANTOREL_SANITIZE=ON
# The fuzz targets, from their seeds, 30 seconds each.
fuzz/build.sh build/fuzz
fuzz/run.sh 30 build/fuzz
# The Windows program: unit, scenario and end-to-end tests under Wine, and its zip.
tools/test-windows.sh
echo "All tests passed."
