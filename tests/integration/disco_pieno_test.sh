#!/usr/bin/env bash
# The unit tests' full-disk case, its scratch folders on a 1 MB tmpfs mounted in
# a private mount namespace. Skipped (77) where mounting is not permitted.
# usage: disco_pieno_test.sh VANTOREL_TESTS
set -uo pipefail
tests=$1
mnt=$(mktemp -d)
trap 'rmdir "$mnt"' EXIT
if ! unshare -m --propagation private mount -t tmpfs -o size=1m tmpfs "$mnt" 2>/dev/null; then
  echo "mounting a tmpfs is not permitted here"
  exit 77
fi
out=$(unshare -m --propagation private sh -c '
  mount -t tmpfs -o size=1m tmpfs "$1" &&
  TMPDIR="$1" VANTOREL_DISCO_PICCOLO=1 "$2" --gtest_filter="GuastiDiScrittura.OnAFullDisk*"
' sh "$mnt" "$tests" 2>&1)
rc=$?
echo "$out"
# Skipped inside is a failure here: the small disk was there.
[ $rc -eq 0 ] && grep -q '^\[  PASSED  \] 1 test' <<<"$out" && ! grep -q 'SKIPPED \]' <<<"$out"
