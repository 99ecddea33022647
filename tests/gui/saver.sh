#!/bin/bash
# Run mode of one build on one X setup: the saver window covers the screen, shows no cursor,
# keeps above the other windows, stays for moves of up to 10 pixels, and ends with exit code 0 at
# a key, each mouse button, a move of 11 pixels on either axis and the loss of the focus.
#   saver.sh PROGRAM WIDTH HEIGHT bare|openbox|evilwm PROBE
. "$(dirname "$0")/lib.sh"

PROGRAM=$1 WIDTH=$2 HEIGHT=$3 WM=$4 PROBE=$5
CX=$((WIDTH / 2)) CY=$((HEIGHT / 2))

gui_start_x "$WIDTH" "$HEIGHT"
gui_start_wm "$WM"
[ "$("$PROBE" cursor)" = visible ] || fail "the root window's cursor should show"

# Starts the saver with the pointer at the screen's middle (its start position); sets SAVER and
# WINDOW once the window is mapped and holds the input focus.
start_saver() {
    xdotool mousemove "$CX" "$CY"
    gui_start saver "$PROGRAM" /s
    SAVER=$GUI_PID
    WINDOW=$(gui_wait_window TForm1) ||
        fail "no saver window; saver running: $(gui_alive "$SAVER" && echo yes), stderr: $(gui_stderr saver); windows: $(xdotool search --class TForm1 | while read w; do xwininfo -id $w | grep -E 'Map State|geometry'; done)"
    gui_poll gui_focus_is "$WINDOW" ||
        fail "the saver window $WINDOW did not take the input focus (it is on $(xdotool getwindowfocus))"
}

# expect_end CASE: the saver ends with exit code 0, and its window is gone.
expect_end() {
    gui_wait_end "$SAVER"
    [ "$GUI_CODE" = 0 ] || fail "$1: exit code $GUI_CODE; stderr: $(gui_stderr saver)"
    gui_poll eval '! gui_has_window TForm1' || fail "$1: the saver window stayed"
}

expect_running() {
    sleep 0.3
    gui_alive "$SAVER" || fail "$1: the saver ended"
}

check_window() {
    local info
    info=$(xwininfo -id "$WINDOW")
    for want in "Absolute upper-left X:  0" "Absolute upper-left Y:  0" "Width: $WIDTH" \
        "Height: $HEIGHT"; do
        grep -qF "$want" <<<"$info" || fail "window geometry: want '$want' in: $info"
    done
    xprop -id "$WINDOW" WM_CLASS | grep -qF '"TForm1"' || fail "WM_CLASS: $(xprop -id "$WINDOW" WM_CLASS)"
    # Asked of every manager; only one that offers the state can be held to it (evilwm cannot).
    if xprop -root _NET_SUPPORTED 2>/dev/null | grep -q _NET_WM_STATE_ABOVE; then
        xprop -id "$WINDOW" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE ||
            fail "not kept above: $(xprop -id "$WINDOW" _NET_WM_STATE)"
    fi
    [ "$("$PROBE" cursor)" = hidden ] || fail "the cursor shows over the saver window"
}

# The window, and moves within the tolerance: exactly 10 pixels on each axis, either way.
start_saver
check_window
for to in "$((CX + 10)) $((CY + 10))" "$((CX - 10)) $((CY - 10))" "$CX $((CY + 10))"; do
    xdotool mousemove $to
    expect_running "move to $to"
done
xdotool key space
expect_end "key"

# What ends it, one fresh start each.
lose_focus() {
    gui_start other xlogo
    local other
    other=$(gui_wait_window XLogo)
    xdotool windowfocus "$other" 2>/dev/null
}
cases=(
    "key a|xdotool key a"
    "button 1|xdotool click 1"
    "button 2|xdotool click 2"
    "button 3|xdotool click 3"
    "move x+11|xdotool mousemove $((CX + 11)) $CY"
    "move y-11|xdotool mousemove $CX $((CY - 11))"
    "focus loss|lose_focus"
)
for c in "${cases[@]}"; do
    start_saver
    eval "${c#*|}" 2>/dev/null
    expect_end "${c%%|*}"
done
echo "saver: all cases passed"
