#!/bin/bash
# Runs the Win32 backend's test program $1 under Wine on an X server of its own.
. "$(dirname "$0")/lib.sh"
code=0
"$WINE_RUN" "$1" || code=$?
exit "$code"
