#!/usr/bin/env bash
# tools/ensure-packages.sh while another package manager holds the lock: it waits for the lock
# and then installs. dpkg-query and apt-get are stand-ins that share a lock file the way the
# real ones share dpkg's: apt-get fails at once on a held lock unless told to wait for it.
# (sudo is a stand-in too, so that the real apt-get is never reached.)
set -euo pipefail
script=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
mkdir "$dir/bin"
cat >"$dir/bin/dpkg-query" <<'STUB'
#!/usr/bin/env bash
exit 1
STUB
cat >"$dir/bin/sudo" <<'STUB'
#!/usr/bin/env bash
exec "$@"
STUB
cat >"$dir/bin/apt-get" <<'STUB'
#!/usr/bin/env bash
wait=0
while [ $# -gt 0 ]; do
  [ "$1" = -o ] && case $2 in DPkg::Lock::Timeout=*) wait=${2#*=} ;; esac
  shift
done
exec 9>"$LOCK"
flock -w "$wait" 9 || { echo "E: Could not get lock $LOCK" >&2; exit 100; }
echo installed >>"$LOG"
STUB
chmod +x "$dir/bin/"*
export LOCK=$dir/lock LOG=$dir/log PATH=$dir/bin:$PATH APT_LOCK_TIMEOUT=30
# Another install holds the lock for two seconds.
flock "$LOCK" sleep 2 &
holder=$!
until [ -e "$LOCK" ] && ! flock -n "$LOCK" true; do sleep 0.05; done
"$script" some-package
wait "$holder"
grep -q installed "$LOG"
