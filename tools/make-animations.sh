#!/usr/bin/env bash
# Remakes docs/glacimo1.gif and docs/glacimo2.gif, the README's moving pictures of both builds:
# frames of the real run mode from glacimo-render (1280x720, five penguins, the default speed,
# one frame per 40 ms tick), halved and made into a looping GIF with ImageMagick.
#
#   tools/make-animations.sh [BUILD_DIR]     BUILD_DIR: a configured Linux build (build/linux)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/linux}
[ -f "$build/CMakeCache.txt" ] || cmake -S "$root" --preset linux >/dev/null
cmake --build "$build" --target glacimo-render

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# animate BUILD TICKS
animate() {
    "$build/app/glacimo-render" --build "$1" --size 1280x720 --penguins 5 --speed 3 \
        --ticks "$2" --out "$work/frames$1"
    # One colour table for every frame and no dithering, so that the still sky is the same in
    # every frame and each frame stores only what the penguins changed.
    convert -delay 4 -loop 0 "$work/frames$1"/frame-*.bmp -scale 50% +dither +map \
        -layers Optimize "$root/docs/glacimo$1.gif"
    echo "docs/glacimo$1.gif: $(stat -c %s "$root/docs/glacimo$1.gif") bytes"
}

animate 1 100
animate 2 125
