#!/bin/bash
# The spread of the intervals between the real Linux program's ticks on Xvfb, over SECONDS: the
# FLTK backend appends each tick's time to $GLACIMO_TICK_LOG. Prints a Markdown table.
#   bench/pacing.sh [BUILD_DIR [SECONDS]]    (defaults: build-perf, 30)
#   SIZES="1920x1080 3840x2160" PROGRAMS="glacimo1 glacimo2" bench/pacing.sh ...
. "$(dirname "$0")/xbench.sh"

BUILD_DIR=$(realpath "${1:-$(dirname "$0")/../build-perf}")
SECONDS_PER_RUN=${2:-30}
SIZES=${SIZES:-1920x1080 3840x2160}
PROGRAMS=${PROGRAMS:-glacimo1 glacimo2}
xb_settings "${SPEED:-6}" "${PENGUINS:-5}"

# measure PROGRAM WIDTH HEIGHT: one table row.
measure() {
    local log="$XB_TMP/ticks-$1-$2x$3"
    xb_start_x "$2" "$3"
    xdotool mousemove 5 5 2>/dev/null
    GLACIMO_TICK_LOG=$log xb_start "$BUILD_DIR/app/$1" /s
    sleep "$SECONDS_PER_RUN"
    kill -0 "$XB_PID" 2>/dev/null || xb_fail "$1 ended early: $(cat "$XB_TMP/prog.err")"
    xb_stop "$XB_PID"
    xb_stop "$XB_XVFB"
    # The first interval includes the start-up; it is left out.
    awk 'NR > 1 { print ($1 - prev) / 1000 } { prev = $1 }' "$log" | tail -n +2 | sort -n |
        awk -v p="$1" -v size="$2x$3" '
        { v[NR] = $1; sum += $1; sq += $1 * $1 }
        END {
            n = NR; m = sum / n; sd = sqrt(sq / n - m * m)
            printf "| %s | %s | %d | %.2f | %.2f | %.2f | %.2f | %.2f | %.2f |\n", size, p, n,
                m, sd, v[1], v[int(n * 0.5 + 0.5)], v[int(n * 0.99 + 0.5)], v[n]
        }'
}

xb_machine
echo "Window: $SECONDS_PER_RUN s; speed ${SPEED:-6}, ${PENGUINS:-5} penguins; intervals in ms (the timer asks for 40)."
echo
echo "| screen | program | intervals | mean | std dev | min | median | 99th percentile | max |"
echo "|---|---|---:|---:|---:|---:|---:|---:|---:|"
for size in $SIZES; do
    for p in $PROGRAMS; do
        measure "$p" "${size%x*}" "${size#*x}"
    done
done
echo
echo "Load after the run: $(cut -d' ' -f1-3 /proc/loadavg)"
