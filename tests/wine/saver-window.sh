#!/bin/bash
# The saver window of build $1: a visible, topmost, frameless window of class TForm1 covering the
# 1024 x 768 screen at (0, 0), without a cursor; it answers the three messages it handles itself;
# a mouse move of 10 pixels on each axis keeps it, one of 11 ends the program with exit code 0.
. "$(dirname "$0")/lib.sh"
b=$1

start_saver "$b"
info=$(probe saver) || fail "no saver window"
echo "$info"
# WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS, WS_EX_TOPMOST, no cursor shown.
expected="rect=0,0,1024,768 style=94000000 exstyle=00000008 visible=1 caption=Form1 cursor=0"
[ "$info" = "$expected" ] || fail "saver window: got '$info', expected '$expected'"

# The form answers these before the system does: a running saver refuses a new saver start
# (result 1), never erases (result 0), and stays on other activation states.
[ "$(probe send 0x0112 0xF140)" = 1 ] || fail "WM_SYSCOMMAND SC_SCREENSAVE is not answered 1"
[ "$(probe send 0x0014 0)" = 0 ] || fail "WM_ERASEBKGND is not answered 0"
probe send 0x0006 1 >/dev/null
probe send 0x0006 2 >/dev/null

probe cursor 510 410
probe cursor 490 390
probe cursor 500 400
probe quiet 1000 1 || fail "a message box showed up"
kill -0 "$saver" 2>/dev/null || fail "the saver ended on a move of 10 pixels or an activation message"
probe saver >/dev/null || fail "the saver window went away"

probe cursor 511 400
expect_exit0 "$saver" 10 "move of 11 pixels"
probe wait-no-saver 2000 || fail "the saver window is still there"
