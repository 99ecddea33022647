#!/bin/bash
# The single-instance guard shared by both builds, and preview mode, on a bare X server.
#   guard.sh PROGRAM1 PROGRAM2 PROBE
. "$(dirname "$0")/lib.sh"

PROGRAM1=$1 PROGRAM2=$2 PROBE=$3

gui_start_x 800 600
xdotool mousemove 400 300

saver_windows() { xdotool search --onlyvisible --class '^TForm1$' 2>/dev/null | wc -l; }

# expect_quick_end NAME PROGRAM ARGS...: ends with exit code 0 within 2 s, silently.
expect_quick_end() {
    local name=$1
    shift
    gui_start "$name" "$@"
    gui_wait_end "$GUI_PID" 2
    [ "$GUI_CODE" = 0 ] || fail "$name: exit code $GUI_CODE"
    [ -z "$(gui_stderr "$name")" ] || fail "$name: printed $(gui_stderr "$name")"
}

# While a saver of either build runs, every start of either build ends at once, showing nothing.
for first in "$PROGRAM1" "$PROGRAM2"; do
    gui_start running "$first" /s
    running=$GUI_PID
    gui_wait_window TForm1 >/dev/null
    for second in "$PROGRAM1" "$PROGRAM2"; do
        for mode in /s /c /p /a; do
            expect_quick_end "second $mode" "$second" "$mode"
        done
    done
    [ "$(saver_windows)" = 1 ] || fail "a second saver window appeared"
    xdotool key space
    gui_wait_end "$running"
    [ "$GUI_CODE" = 0 ] || fail "the first saver: exit code $GUI_CODE"
done

# A saver killed outright leaves nothing that blocks the next start, of either build.
for pair in "$PROGRAM1 $PROGRAM2" "$PROGRAM2 $PROGRAM1"; do
    set -- $pair
    gui_start killed "$1" /s
    killed=$GUI_PID
    gui_wait_window TForm1 >/dev/null
    kill -9 "$killed"
    gui_wait_end "$killed"
    gui_poll eval '! gui_has_window TForm1' || fail "the killed saver's window stayed"
    gui_start next "$2" /s
    next=$GUI_PID
    gui_wait_window TForm1 >/dev/null
    xdotool key space
    gui_wait_end "$next"
    [ "$GUI_CODE" = 0 ] || fail "the start after kill -9: exit code $GUI_CODE"
done

# Preview mode ends at once, with no saver window anywhere and with one of another program.
expect_quick_end "preview alone" "$PROGRAM1" /p 1234
expect_quick_end "preview alone" "$PROGRAM2" /p 1234
gui_start probe "$PROBE" window TForm1
probe=$GUI_PID
gui_wait_window TForm1 >/dev/null
expect_quick_end "preview with a TForm1 window" "$PROGRAM1" /p 1234
expect_quick_end "preview with a TForm1 window" "$PROGRAM2" /p 1234
gui_alive "$probe" || fail "the other program's TForm1 window went"
echo "guard: all cases passed"
