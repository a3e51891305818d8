#!/usr/bin/env bash
# Installs the Debian packages named on the command line that are missing.
set -euo pipefail
missing=()
for p in "$@"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
# When another apt-get or dpkg holds the lock, wait for it rather than fail.
wait_lock=(-o DPkg::Lock::Timeout=${APT_LOCK_TIMEOUT:-300})
$sudo apt-get "${wait_lock[@]}" install -y -q "${missing[@]}" >/dev/null 2>&1 || {
  $sudo apt-get "${wait_lock[@]}" update -q >/dev/null
  $sudo apt-get "${wait_lock[@]}" install -y -q "${missing[@]}"
}
