#!/bin/bash
# The real program shows, pixel for pixel, what the headless renderer writes for the same screen
# size and settings. With speed 0 the penguins flap in place, so the screen runs through a cycle
# of twelve pictures, all among the renderer's first 24 frames.
#   screenshot.sh PROGRAM BUILD RENDER WIDTH HEIGHT
. "$(dirname "$0")/lib.sh"

PROGRAM=$1 BUILD=$2 RENDER=$3 WIDTH=$4 HEIGHT=$5

"$RENDER" --build "$BUILD" --size "${WIDTH}x$HEIGHT" --speed 0 --penguins 5 --ticks 24 \
    --out "$GUI_TMP/frames" || fail "glacimo-render failed"
for f in "$GUI_TMP"/frames/frame-*.bmp; do
    convert "$f" -depth 8 rgb:- | md5sum | cut -d' ' -f1
done | sort -u >"$GUI_TMP/expected"

mkdir -p "$XDG_CONFIG_HOME/glacimo"
printf '[Glacimo]\nSpeed=0\nPenguins=5\n' >"$XDG_CONFIG_HOME/glacimo/Nivalo$BUILD.ini"

gui_start_x "$WIDTH" "$HEIGHT"
xdotool mousemove 5 5
gui_start saver "$PROGRAM" /s
SAVER=$GUI_PID
gui_wait_window TForm1 >/dev/null

# A screenshot may catch a tick half presented; a few tries find a whole one.
matched=0
for try in $(seq 1 20); do
    sleep 0.1
    shot=$(xwd -root -silent | convert xwd:- -depth 8 rgb:- | md5sum | cut -d' ' -f1)
    if grep -qx "$shot" "$GUI_TMP/expected"; then
        matched=$((matched + 1))
        [ "$matched" -ge 3 ] && break
    fi
done
[ "$matched" -ge 3 ] || fail "only $matched of the screenshots equal a rendered frame"
gui_alive "$SAVER" || fail "the saver ended early: $(gui_stderr saver)"
xdotool key --window "$(gui_window TForm1)" space 2>/dev/null
gui_wait_end "$SAVER"
[ "$GUI_CODE" = 0 ] || fail "exit code $GUI_CODE"
echo "PASS: $matched screenshots equal rendered frames"
