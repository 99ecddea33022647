# shellcheck shell=bash
# Shared helpers of the X benchmarks (peers.sh, pacing.sh), sourced by each. Each run gets its own
# Xvfb (numbered by -displayfd), its own HOME and XDG_CONFIG_HOME, and ends everything it started,
# by PID, from the EXIT trap.

set -u

# Where the system allows it, the run has network and mount namespaces of its own, so that the
# savers' single-instance guard and the X server's abstract socket, lock and keymap meet no other
# run's (the GUI tests do the same).
XB_PRIVATE_DIRS='mount -t tmpfs glacimo-bench /tmp && mount -t tmpfs glacimo-bench /var/lib/xkb'
if [ -z "${XB_ISOLATED:-}" ] && unshare -mn sh -c "$XB_PRIVATE_DIRS" 2>/dev/null; then
    XB_ISOLATED=1 exec unshare -mn sh -c "$XB_PRIVATE_DIRS"' && exec bash "$0" "$@"' "$0" "$@"
fi

XB_TMP=$(mktemp -d "${TMPDIR:-/tmp}/glacimo-bench.XXXXXX")
XB_PIDS=()
export HOME="$XB_TMP/home" XDG_CONFIG_HOME="$XB_TMP/config"
mkdir -p "$HOME" "$XDG_CONFIG_HOME/glacimo"
CLK_TCK=$(getconf CLK_TCK)

# xb_stop PID: ends one process this run started and forgets it.
xb_stop() {
    local i
    kill "$1" 2>/dev/null
    wait "$1" 2>/dev/null
    for i in "${!XB_PIDS[@]}"; do
        [ "${XB_PIDS[i]}" = "$1" ] && unset 'XB_PIDS[i]'
    done
    XB_PIDS=("${XB_PIDS[@]}")
}

xb_cleanup() {
    local i
    for ((i = ${#XB_PIDS[@]} - 1; i >= 0; i--)); do
        kill "${XB_PIDS[i]}" 2>/dev/null
    done
    for ((i = ${#XB_PIDS[@]} - 1; i >= 0; i--)); do
        wait "${XB_PIDS[i]}" 2>/dev/null
    done
    rm -rf "$XB_TMP"
}
trap xb_cleanup EXIT

xb_fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# xb_start_x WIDTH HEIGHT: a fresh 24-bit X server; exports DISPLAY and sets XB_XVFB.
xb_start_x() {
    local file="$XB_TMP/display" tries=100
    : >"$file"
    # -noreset: a server that resets when its last client leaves refuses the next one meanwhile.
    Xvfb -displayfd 3 -screen 0 "${1}x${2}x24" -nolisten tcp -noreset 3>"$file" \
        2>"$XB_TMP/xvfb.log" &
    XB_XVFB=$!
    XB_PIDS+=("$XB_XVFB")
    while ! grep -q '^[0-9]' "$file" && ((tries-- > 0)); do sleep 0.05; done
    grep -q '^[0-9]' "$file" || xb_fail "Xvfb did not start: $(cat "$XB_TMP/xvfb.log")"
    export DISPLAY=":$(head -n 1 "$file")"
}

# xb_start COMMAND...: runs COMMAND in the background; sets XB_PID.
xb_start() {
    "$@" >"$XB_TMP/prog.out" 2>"$XB_TMP/prog.err" &
    XB_PID=$!
    XB_PIDS+=("$XB_PID")
}

# xb_cpu_ticks PID: utime + stime of PID, in clock ticks. The command name, field 2, may hold
# blanks, so the fields are counted from its closing parenthesis.
xb_cpu_ticks() {
    local stat
    stat=$(cat "/proc/$1/stat") || return 1
    stat=${stat##*) }
    set -- $stat
    echo $((${12} + ${13}))
}

# xb_hwm_kib PID: the peak resident set of PID, in KiB.
xb_hwm_kib() { awk '/^VmHWM:/ { print $2 }' "/proc/$1/status"; }

xb_settings() {
    local build
    for build in 1 2; do
        printf '[Glacimo]\nSpeed=%s\nPenguins=%s\n' "$1" "$2" \
            >"$XDG_CONFIG_HOME/glacimo/Nivalo$build.ini"
    done
}

xb_machine() {
    echo "Machine: $(nproc) CPUs, $(lscpu | sed -n 's/^Model name: *//p'), $(free -g | awk '/^Mem:/ { print $2 }') GB;" \
        "load before the run: $(cut -d' ' -f1-3 /proc/loadavg)"
}
