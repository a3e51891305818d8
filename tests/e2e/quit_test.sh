#!/usr/bin/env bash
# The real program in a terminal: the title is set, Alt+F4 as the terminal
# sends it asks the quit question, No (and Esc) keep the program running,
# Yes ends it with code 0 and the terminal as it was.
. "$(dirname "$0")/tmux_lib.sh"
start_program "$(realpath "$1")"

wait_for pane_is '#{pane_title}' "Vantorel2.65" || fail "title not set: $(pane '#{pane_title}')"
pane_is '#{alternate_on}' 1 || fail "not on the alternate screen"

# A fresh working directory has no configuration: the program says so once.
wait_for screen_has "loading default values" || fail "no first-run message"
t send-keys -t "$session" Enter
wait_for screen_lacks "loading default values" || fail "Enter did not close the message"

question="Are you sure you want to quit Vantorel?"
t send-keys -t "$session" -H 1b 5b 31 3b 33 53  # CSI 1;3S, what xterm sends for Alt+F4
wait_for screen_has "$question" || fail "Alt+F4 did not ask"
screen_has "Attention!" || fail "no caption"
screen_has "[Yes]   [No]" || fail "no buttons"

t send-keys -t "$session" n
wait_for screen_lacks "$question" || fail "No did not close the question"
[ ! -e "$work/rc" ] || fail "No ended the program"

t send-keys -t "$session" M-F4  # tmux's own encoding of Alt+F4
wait_for screen_has "$question" || fail "the program stopped answering after No"
t send-keys -t "$session" Escape  # a lone Esc, told from Alt by its timeout
wait_for screen_lacks "$question" || fail "Esc did not answer No"
[ ! -e "$work/rc" ] || fail "Esc ended the program"

t send-keys -t "$session" M-F4
wait_for screen_has "$question" || fail "Alt+F4 did not ask again"
t send-keys -t "$session" y
expect_restored
[ "$(cat "$work/rc")" = 0 ] || fail "exit code $(cat "$work/rc"), expected 0"
echo "PASS: quit"
