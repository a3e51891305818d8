#!/usr/bin/env bash
# Builds Vantorel and starts it in the working directory run/ (git-ignored).
set -euo pipefail
cd "$(dirname "$0")"
. tools/packages.sh
tools/ensure-packages.sh $BUILD_PACKAGES $RUNTIME_PACKAGES
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release --target vantorel
tools/prepare-workdir.sh run build/release
cd run
exec ../build/release/vantorel
