#!/bin/bash
# Without a display, and when the display goes away: a clear message on stderr, exit code 0.
#   display.sh PROGRAM1 PROGRAM2
. "$(dirname "$0")/lib.sh"

PROGRAM1=$1 PROGRAM2=$2

for program in "$PROGRAM1" "$PROGRAM2"; do
    for display in unset :65001; do
        for mode in /s /c; do
            name="no-display"
            if [ "$display" = unset ]; then
                gui_start "$name" env -u DISPLAY "$program" "$mode"
            else
                gui_start "$name" env DISPLAY="$display" "$program" "$mode"
            fi
            gui_wait_end "$GUI_PID" 5
            [ "$GUI_CODE" = 0 ] || fail "$program $mode, DISPLAY $display: exit code $GUI_CODE"
            gui_stderr "$name" | grep -q "Cannot open the display" ||
                fail "$program $mode, DISPLAY $display: stderr was: $(gui_stderr "$name")"
        done
    done
done

# The X server ends under a running saver.
for program in "$PROGRAM1" "$PROGRAM2"; do
    gui_start_x 800 600
    xdotool mousemove 400 300
    gui_start saver "$program" /s
    saver=$GUI_PID
    gui_wait_window TForm1 >/dev/null
    kill "$GUI_XVFB"
    gui_wait_end "$saver" 5
    [ "$GUI_CODE" = 0 ] || fail "$program after losing the display: exit code $GUI_CODE"
    gui_stderr saver | grep -q "connection to the display was lost" ||
        fail "$program after losing the display: stderr was: $(gui_stderr saver)"
    wait "$GUI_XVFB" 2>/dev/null
done
echo "display: all cases passed"
