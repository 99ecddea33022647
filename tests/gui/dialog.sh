#!/bin/bash
# The options dialog of the real program: centred, changed from the keyboard and by dragging a
# thumb, saved by Enter; Escape, C and the close box leave the settings file alone.
#   dialog.sh PROGRAM BUILD [SCREENSHOT.png]
. "$(dirname "$0")/lib.sh"

PROGRAM=$1 BUILD=$2 SHOT=${3:-}
SETTINGS="$XDG_CONFIG_HOME/glacimo/Nivalo$BUILD.ini"

# Places in the dialog's client area: a spot on the credit label that takes no clicks, the
# penguin bar's thumb at position 1 and the penguin count's box.
REST_X=60 REST_Y=88
THUMB_X=99 THUMB_Y=50
BOX_X=210 BOX_Y=41 BOX_SIZE=21

stored() { sed -n "s/^$1=//p" "$SETTINGS" 2>/dev/null; }

start_dialog() {
    gui_start dialog "$PROGRAM" /c
    DIALOG=$GUI_PID
    WINDOW=$(gui_wait_window TOKBottomDlg)
    # Keys go to the window under the pointer on a bare server.
    xdotool mousemove --window "$WINDOW" $REST_X $REST_Y
    gui_poll gui_focus_is "$WINDOW" || true
}

expect_end() {
    gui_wait_end "$DIALOG"
    [ "$GUI_CODE" = 0 ] || fail "$1: exit code $GUI_CODE"
    [ -z "$(gui_stderr dialog)" ] || fail "$1: printed $(gui_stderr dialog)"
}

# The part of the screen that shows the penguin count.
box_sum() {
    local x y
    eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
    import -window root -crop "${BOX_SIZE}x$BOX_SIZE+$((X + BOX_X))+$((Y + BOX_Y))" rgb:- | md5sum
}

gui_start_x 800 600

# Without a settings file: 3 and 1, centred; Tab, Tab, Right makes the speed 4, a drag of the
# penguin thumb by two steps makes 3 while the button is still down, and Enter saves both.
start_dialog
[ "$(xdotool getwindowname "$WINDOW")" = "Screen Saver Option" ] || fail "caption"
geometry=$(xdotool getwindowgeometry "$WINDOW")
grep -q 'Position: 275,234' <<<"$geometry" || fail "not centred: $geometry"
grep -q 'Geometry: 250x132' <<<"$geometry" || fail "client area: $geometry"
if [ -n "$SHOT" ]; then
    eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
    import -window root -crop "290x172+$((X - 20))+$((Y - 20))" +repage "$SHOT"
fi
xdotool key Tab Tab Right
before=$(box_sum)
xdotool mousemove --window "$WINDOW" $THUMB_X $THUMB_Y mousedown 1
xdotool mousemove --window "$WINDOW" $((THUMB_X + 22)) $THUMB_Y
xdotool mousemove --window "$WINDOW" $((THUMB_X + 43)) $THUMB_Y
sleep 0.3
during=$(box_sum)
xdotool mouseup 1
[ "$before" != "$during" ] || fail "the penguin count did not follow the thumb"
[ ! -e "$SETTINGS" ] || fail "moving the bars wrote the settings file"
xdotool mousemove --window "$WINDOW" $REST_X $REST_Y key Return
expect_end "Enter"
[ "$(stored Speed)" = 4 ] || fail "Speed after Enter: '$(stored Speed)'"
[ "$(stored Penguins)" = 3 ] || fail "Penguins after Enter: '$(stored Penguins)'"

# Escape and C close without saving what was changed.
cp "$SETTINGS" "$GUI_TMP/saved"
for key in Escape c; do
    start_dialog
    xdotool key Tab Tab Right Tab Left
    xdotool key "$key"
    expect_end "$key"
    cmp -s "$SETTINGS" "$GUI_TMP/saved" || fail "$key changed the settings file"
done

# The close box, through a window manager (openbox closes the active window on Alt+F4).
gui_start_wm openbox
start_dialog
xdotool key Tab Tab Right
xdotool key --clearmodifiers alt+F4
expect_end "close box"
cmp -s "$SETTINGS" "$GUI_TMP/saved" || fail "the close box changed the settings file"
echo "PASS"
