#!/bin/bash
# The .scr shows, pixel for pixel, what the headless renderer of the Linux build writes for the
# same screen and settings. With speed 0 the penguins flap in place, so the screen runs through a
# cycle of twelve pictures, all among the renderer's first 24 frames.
#   screenshot.sh BUILD RENDER
. "$(dirname "$0")/lib.sh"
b=$1 render=$2

[ -x "$render" ] || fail "no renderer at $render: build the linux preset first"
"$render" --build "$b" --size 1024x768 --speed 0 --penguins 5 --ticks 24 --out "$work/frames" ||
    fail "glacimo-render failed"
for f in "$work"/frames/frame-*.bmp; do
    convert "$f" -depth 8 rgb:- | md5sum | cut -d' ' -f1
done | sort -u >"$work/expected"

"$WINE_RUN" "$PROBE" cursor 5 5 >/dev/null 2>&1 || true
printf '[Glacimo]\r\nSpeed=0\r\nPenguins=5\r\n' >"$WINEPREFIX/drive_c/windows/Nivalo$b.ini"
start_saver "$b"
matched=0
for _ in $(seq 1 30); do
    sleep 0.1
    shot=$(xwd -root -silent | convert xwd:- -depth 8 rgb:- | md5sum | cut -d' ' -f1)
    if grep -qx "$shot" "$work/expected"; then
        matched=$((matched + 1))
        [ "$matched" -ge 3 ] && break
    fi
done
rm -f "$WINEPREFIX/drive_c/windows/Nivalo$b.ini"
[ "$matched" -ge 3 ] || fail "only $matched of the screenshots equal a rendered frame"
probe key >/dev/null 2>&1 &
started="$started $!"
expect_exit0 "$saver" 10 "key"
echo "PASS: $matched screenshots equal rendered frames"
