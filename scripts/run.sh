#!/usr/bin/env bash
# Builds the Linux programs and starts Glacimo1 as the running screen saver on this display.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset linux >/dev/null
cmake --build --preset linux --target glacimo1 glacimo2
if [ -z "${DISPLAY:-}" ]; then
    echo "There is no display to show the saver on (DISPLAY is not set)." >&2
    echo "Start it from a desktop session, or give it one: DISPLAY=:0 $0" >&2
    exit 1
fi
exec build/linux/app/glacimo1 /s
