#!/bin/bash
# The real Linux program beside three 2D hacks of xscreensaver-data, on Xvfb: CPU of the program
# and of the X server (utime + stime from /proc/PID/stat, as a percentage of one core) over a
# window of SECONDS that opens WARMUP seconds after the start, and the program's peak resident set
# (VmHWM). Each subject gets a fresh X server of its own, so that the server's time is its alone.
# Prints a Markdown table.
#   bench/peers.sh [BUILD_DIR [SECONDS]]     (defaults: build-perf, 30)
#   SIZES="1920x1080 3840x2160" SUBJECTS="glacimo1 penrose" WARMUP=2 bench/peers.sh ...
. "$(dirname "$0")/xbench.sh"

BUILD_DIR=$(realpath "${1:-$(dirname "$0")/../build-perf}")
SECONDS_PER_RUN=${2:-30}
WARMUP=${WARMUP:-2}
SIZES=${SIZES:-1920x1080 3840x2160}
HACKS=/usr/libexec/xscreensaver
read -r -a SUBJECTS <<<"${SUBJECTS:-glacimo1 glacimo2 fuzzyflakes popsquares penrose}"

command_of() {
    case "$1" in
    glacimo*) echo "$BUILD_DIR/app/$1 /s" ;;
    *) echo "$HACKS/$1 -root" ;;
    esac
}

for s in "${SUBJECTS[@]}"; do
    read -r exe _ <<<"$(command_of "$s")"
    [ -x "$exe" ] || xb_fail "$exe is missing (hacks: apt-get install -y xscreensaver-data)"
done
xb_settings "${SPEED:-6}" "${PENGUINS:-5}"

# measure SUBJECT WIDTH HEIGHT: one table row.
measure() {
    local w=$2 h=$3 p0 x0 p1 x1 t0 t1 hwm
    xb_start_x "$w" "$h"
    # The pointer where the savers' start-up move does not reach.
    xdotool mousemove 5 5 2>/dev/null
    # shellcheck disable=SC2046
    xb_start $(command_of "$1")
    sleep "$WARMUP"
    kill -0 "$XB_PID" 2>/dev/null || xb_fail "$1 ended early: $(cat "$XB_TMP/prog.err")"
    t0=$(date +%s.%N) p0=$(xb_cpu_ticks "$XB_PID") x0=$(xb_cpu_ticks "$XB_XVFB")
    sleep "$SECONDS_PER_RUN"
    t1=$(date +%s.%N) p1=$(xb_cpu_ticks "$XB_PID") x1=$(xb_cpu_ticks "$XB_XVFB")
    hwm=$(xb_hwm_kib "$XB_PID")
    xb_stop "$XB_PID"
    xb_stop "$XB_XVFB"
    awk -v s="$1" -v size="${w}x$h" -v p=$((p1 - p0)) -v x=$((x1 - x0)) -v t0="$t0" -v t1="$t1" \
        -v hz="$CLK_TCK" -v hwm="$hwm" -v buf=$((w * h * 4)) 'BEGIN {
        t = t1 - t0; pc = 100 * p / hz / t; xc = 100 * x / hz / t
        printf "| %s | %s | %.2f | %.2f | %.2f | %.1f | %.1f |\n", size, s, pc, xc, pc + xc,
            hwm / 1024, (buf + 16 * 1048576) / 1048576
    }'
}

xb_machine
echo "Window: $SECONDS_PER_RUN s from $WARMUP s after the start; speed ${SPEED:-6}, ${PENGUINS:-5} penguins."
echo
echo "| screen | program | program CPU % | X server CPU % | together % | peak RSS MiB | back buffer + 16 MiB |"
echo "|---|---|---:|---:|---:|---:|---:|"
for size in $SIZES; do
    for s in "${SUBJECTS[@]}"; do
        measure "$s" "${size%x*}" "${size#*x}"
    done
done
echo
echo "Load after the run: $(cut -d' ' -f1-3 /proc/loadavg)"
