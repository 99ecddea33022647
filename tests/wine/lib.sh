# Shared by the Wine tests: an X server of their own, the saver programs and the probe under one
# Wine prefix, and a cleanup that ends everything the test started, by PID.
#
# Environment: WINE_RUN (scripts/wine-run.sh), PROBE (the probe .exe), SCR_DIR (the folder of the
# .scr files), WINEPREFIX (the prefix; the tests that share one never run at the same time).
set -u

: "${WINE_RUN:?}" "${PROBE:?}" "${SCR_DIR:?}" "${WINEPREFIX:?}"
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

work=$(mktemp -d)
xvfb_pid=""
started=""

cleanup() {
    for pid in $started; do
        kill "$pid" 2>/dev/null
    done
    timeout 20 wineserver -k 2>/dev/null
    timeout 20 wineserver -w 2>/dev/null
    for pid in $started; do
        wait "$pid" 2>/dev/null
    done
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# A 1024 x 768 screen; the display number comes from the server itself.
start_xvfb() {
    Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp 5>"$work/display" 2>/dev/null &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$work/display" ] && break
        sleep 0.1
    done
    [ -s "$work/display" ] || fail "Xvfb did not start"
    DISPLAY=:$(head -n1 "$work/display")
    export DISPLAY
}

# Runs one probe command; its console output comes with CR LF line ends.
probe() {
    "$WINE_RUN" "$PROBE" "$@" | tr -d '\r'
    return "${PIPESTATUS[0]}"
}

# Starts Glacimo<build>.scr with the arguments in the background; its PID goes to $last.
start_scr() {
    build=$1
    shift
    "$WINE_RUN" "$SCR_DIR/Glacimo$build.scr" "$@" </dev/null &
    last=$!
    started="$started $last"
}

# Waits up to $2 seconds for process $1 to end and checks that its exit code is 0.
expect_exit0() {
    pid=$1
    limit=$(($2 * 10))
    n=0
    while kill -0 "$pid" 2>/dev/null; do
        n=$((n + 1))
        [ "$n" -le "$limit" ] || fail "$3: still running after $2 s"
        sleep 0.1
    done
    code=0
    wait "$pid" || code=$?
    [ "$code" -eq 0 ] || fail "$3: exit code $code"
}

# Starts the saver of build $1 with the cursor at (500, 400) and waits for its window.
start_saver() {
    probe cursor 500 400 || fail "cannot place the cursor"
    start_scr "$1" /s
    saver=$last
    probe wait-saver 20000 || fail "build $1: no saver window"
}

start_xvfb
