#!/bin/bash
# Many starts at the same moment, of both builds and every mode: the shared guard lets exactly one
# instance run, every other start ends at once with exit code 0, and a survivor killed outright
# leaves nothing behind that blocks the next start.
#   guard-storm.sh PROGRAM1 PROGRAM2
. "$(dirname "$0")/../gui/lib.sh"

PROGRAM1=$1 PROGRAM2=$2
STARTS=20

gui_start_x 800 600
xdotool mousemove 400 300

# Mapped windows of the program's two forms.
program_windows() {
    { xdotool search --onlyvisible --class '^TForm1$'
      xdotool search --onlyvisible --class '^TOKBottomDlg$'; } 2>/dev/null | wc -l
}
one_window() { [ "$(program_windows)" = 1 ]; }

# storm ARGS...: starts STARTS programs as fast as the shell can, cycling through the given
# "PROGRAM MODE" pairs; their PIDs go to STORM.
storm() {
    local pairs=("$@") i
    STORM=()
    for ((i = 0; i < STARTS; i++)); do
        gui_start "storm$i" ${pairs[i % ${#pairs[@]}]}
        STORM+=("$GUI_PID")
    done
}

# The storm's processes that still run after those that end by themselves have ended; every
# ended one must have exit code 0 and printed nothing. Sets ALIVE.
settle() {
    local i deadline=$((SECONDS + 10))
    ALIVE=()
    for ((i = 0; i < ${#STORM[@]}; i++)); do
        gui_wait_end "${STORM[i]}" 3
        if [ "$GUI_CODE" = timeout ]; then
            ALIVE+=("${STORM[i]}")
            continue
        fi
        [ "$GUI_CODE" = 0 ] || fail "start $i: exit code $GUI_CODE"
        [ -z "$(gui_stderr "storm$i")" ] || fail "start $i printed: $(gui_stderr "storm$i")"
        ((SECONDS < deadline)) || fail "the losing starts took more than 10 s to end"
    done
}

# 1. Savers and dialogs of both builds at once: one of them gets the screen and keeps it.
storm "$PROGRAM1 /s" "$PROGRAM2 /s" "$PROGRAM1 /c" "$PROGRAM2 /c"
settle
[ "${#ALIVE[@]}" = 1 ] || fail "${#ALIVE[@]} of $STARTS simultaneous starts kept running"
survivor=${ALIVE[0]}
gui_poll one_window || fail "the survivor shows $(program_windows) windows"
sleep 1
one_window || fail "the survivor's window did not stay"
gui_alive "$survivor" || fail "the survivor ended by itself"

# 2. Every mode of both builds at once while that instance runs: all end at once, untouched.
storm "$PROGRAM1 /s" "$PROGRAM2 /s" "$PROGRAM1 /c" "$PROGRAM2 /c" "$PROGRAM1 /p" \
    "$PROGRAM2 /p" "$PROGRAM1 /a" "$PROGRAM2 /a" "$PROGRAM1" "$PROGRAM2"
settle
[ "${#ALIVE[@]}" = 0 ] || fail "${#ALIVE[@]} starts kept running beside the survivor"
one_window || fail "the storm beside the survivor changed the windows: $(program_windows)"
gui_alive "$survivor" || fail "the survivor ended during the second storm"

# 3. The survivor killed outright: the next start of either build runs.
kill -9 "$survivor"
gui_wait_end "$survivor" 3
[ "$GUI_CODE" = timeout ] && fail "the survivor outlived kill -9"
gui_poll eval '[ "$(program_windows)" = 0 ]' || fail "the killed survivor's window stayed"
for program in "$PROGRAM2" "$PROGRAM1"; do
    gui_start next "$program" /s
    next=$GUI_PID
    gui_wait_window TForm1 >/dev/null
    xdotool key space
    gui_wait_end "$next"
    [ "$GUI_CODE" = 0 ] || fail "$program /s after kill -9: exit code $GUI_CODE"
done

# 4. Every mode at once with nothing running: never more than one window at a time, and the
# starts that end by themselves (preview, none, the losers) end with exit code 0.
storm "$PROGRAM1 /s" "$PROGRAM2 /s" "$PROGRAM1 /c" "$PROGRAM2 /c" "$PROGRAM1 /p" \
    "$PROGRAM2 /p" "$PROGRAM1 /a" "$PROGRAM2 /a" "$PROGRAM1" "$PROGRAM2"
for _ in 1 2 3 4 5 6 7 8 9 10; do
    (($(program_windows) <= 1)) || fail "two windows at once: $(program_windows)"
    sleep 0.1
done
settle
((${#ALIVE[@]} <= 1)) || fail "${#ALIVE[@]} starts kept running at once"
for pid in "${ALIVE[@]}"; do
    kill "$pid"
    gui_wait_end "$pid"
done
echo "guard storm: all cases passed"
