#!/bin/bash
# One guard for both builds and every mode: while a saver runs, a configure start of the other
# build and a second saver start end at once with exit code 0 and show nothing; a password run
# holds the guard while its box is open.
. "$(dirname "$0")/lib.sh"

start_saver 1
for run in "2 /c" "1 /s" "2 /s" "1 /p" "2 /a"; do
    start_scr $run
    expect_exit0 "$last" 10 "Glacimo$run while the saver runs"
done
probe quiet 500 1 || fail "a guarded start showed a window"
kill -0 "$saver" 2>/dev/null || fail "the saver ended"
probe key
expect_exit0 "$saver" 10 "the saver"

start_scr 2 /a
box=$last
probe wait-box 20000 >/dev/null || fail "no password box"
for run in "1 /s" "2 /c" "1 /a"; do
    start_scr $run
    expect_exit0 "$last" 10 "Glacimo$run while the password box is open"
done
probe saver >/dev/null && fail "a saver window showed up beside the password box"
probe wait-title "Screen Saver Option" 0 && fail "the options dialog showed up"
probe press-ok
expect_exit0 "$box" 10 "the password run"
