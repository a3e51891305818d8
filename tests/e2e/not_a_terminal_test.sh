#!/usr/bin/env bash
# Without a terminal on standard input or output the program says so on
# standard error and fails, writing no escape sequence anywhere.
. "$(dirname "$0")/tmux_lib.sh"
bin=$(realpath "$1")
cd "$work"

rc=0
"$bin" </dev/null >out 2>err || rc=$?
[ "$rc" -ne 0 ] || fail "no terminal at all: exit code 0"
[ ! -s out ] || fail "wrote to standard output: $(od -c out | head -3)"
grep -q "terminal" err || fail "no explanation on standard error: $(cat err)"
if grep -q $'\x1b' err; then fail "escape sequences on standard error"; fi

# Standard input a terminal, output redirected to a file.
t new-session -d -s e2e -x 80 -y 44 "cd '$work' && '$bin' > out2 2> err2; echo \$? > rc"
wait_for file_exists "$work/rc" || fail "the program did not end"
[ "$(cat rc)" -ne 0 ] || fail "output to a file: exit code 0"
[ ! -s out2 ] || fail "wrote to the file: $(od -c out2 | head -3)"
grep -q "terminal" err2 || fail "no explanation on standard error"
echo "PASS: not a terminal"
