#!/bin/bash
# The modes of build $1 that show no saver: no argument and an unknown switch end with exit code
# 0 and no window; preview ends so with and without a saver window present; password shows its
# box (caption: the default title) and ends with exit code 0 after OK; configure shows the
# options dialog and ends with exit code 0 when it closes.
. "$(dirname "$0")/lib.sh"
b=$1

for args in "" "/x" "x /s" "/p 1234"; do
    start_scr "$b" $args
    expect_exit0 "$last" 15 "arguments '$args'"
done
probe quiet 300 0 || fail "a window showed up"

probe fake-saver 20000 &
fake=$!
started="$started $fake"
probe wait-saver 10000 || fail "no window of class TForm1 to preview with"
start_scr "$b" /p 1234
expect_exit0 "$last" 15 "/p with a TForm1 window"
kill "$fake"
wait "$fake" 2>/dev/null

start_scr "$b" /a 1234
box=$last
got=$(probe wait-box 20000) || fail "no password box"
[ "$got" = "Glacimo$b|Password not supported|0" ] || fail "password box: '$got'"
probe press-ok
expect_exit0 "$box" 10 "/a"

start_scr "$b" /c
dialog=$last
probe wait-title "Screen Saver Option" 20000 || fail "no options dialog"
probe close-title "Screen Saver Option"
expect_exit0 "$dialog" 10 "/c"
