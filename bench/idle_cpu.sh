#!/usr/bin/env bash
# CPU time of the idle program over 10 s, in a real terminal (tmux): it must
# block waiting for keys, never spin. Usage: bench/idle_cpu.sh BINARY [SECONDS]
set -euo pipefail
bin=$(realpath "$1")
secs=${2:-10}
sock="vantorel-idle-$$"
work=$(mktemp -d)
trap 'tmux -L "$sock" kill-server 2>/dev/null || true; rm -rf "$work"' EXIT
tmux -L "$sock" -f /dev/null new-session -d -x 80 -y 44 \
  "cd '$work' && sh -c 'echo \$\$ > pid; exec \"$bin\"'"
for _ in $(seq 200); do [ -s "$work/pid" ] && break; sleep 0.05; done
pid=$(cat "$work/pid")
sleep 1  # start-up done
# A fresh directory has no configuration: dismiss the message about it.
tmux -L "$sock" send-keys Enter
sleep 0.5
# Nanoseconds of CPU the process has used (schedstat is finer than stat's ticks).
ticks() { awk '{print $1}' "/proc/$pid/schedstat"; }
hz=1000000000
t0=$(ticks)
start=$(date +%s.%N)
sleep "$secs"
t1=$(ticks)
end=$(date +%s.%N)
awk -v a="$t0" -v b="$t1" -v hz="$hz" -v s="$start" -v e="$end" 'BEGIN {
  cpu = (b - a) / hz; wall = e - s;
  printf "idle CPU: %.6f s over %.1f s = %.4f %% of one core\n", cpu, wall, 100 * cpu / wall }'
