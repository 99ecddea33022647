# Shared helpers of the GUI tests, sourced by each test script. Every test gets its own Xvfb
# (numbered by -displayfd), its own HOME and XDG_CONFIG_HOME, and ends everything it started, by
# PID, from the EXIT trap. Every wait is bounded.

set -u

# Each test runs, where the system allows it, in network and mount namespaces of its own: the
# programs' single-instance guard and the X servers' sockets are abstract Unix sockets, which are
# per network namespace, and an X server keeps its lock, socket file and compiled keymap under
# /tmp and /var/lib/xkb by display number, so these get fresh, private copies. Tests then run
# side by side, and beside other X servers and savers on the machine, without meeting them. Not
# when the test's files lie under /tmp.
gui_can_isolate() {
    case "$0 $*" in */tmp/*) return 1 ;; esac
    unshare -mn sh -c "$GUI_PRIVATE_DIRS" 2>/dev/null
}
GUI_PRIVATE_DIRS='mount -t tmpfs glacimo-gui /tmp && mount -t tmpfs glacimo-gui /var/lib/xkb'
if [ -z "${GUI_ISOLATED:-}" ] && gui_can_isolate "$@"; then
    GUI_ISOLATED=1 exec unshare -mn sh -c "$GUI_PRIVATE_DIRS"' && exec bash "$0" "$@"' "$0" "$@"
fi

GUI_TMP=$(mktemp -d "${TMPDIR:-/tmp}/glacimo-gui.XXXXXX")
GUI_PIDS=()
export HOME="$GUI_TMP/home" XDG_CONFIG_HOME="$GUI_TMP/config"
mkdir -p "$HOME" "$XDG_CONFIG_HOME"

gui_cleanup() {
    local i
    # Newest first, so that the X server goes last.
    for ((i = ${#GUI_PIDS[@]} - 1; i >= 0; i--)); do
        kill "${GUI_PIDS[i]}" 2>/dev/null
    done
    for ((i = ${#GUI_PIDS[@]} - 1; i >= 0; i--)); do
        wait "${GUI_PIDS[i]}" 2>/dev/null
    done
    rm -rf "$GUI_TMP"
}
trap gui_cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    echo "(DISPLAY=${DISPLAY:-unset}; X server log: $(cat "$GUI_TMP/xvfb.log" 2>/dev/null))" >&2
    exit 1
}

# Polls "$@" every 50 ms for at most $GUI_POLL_SECONDS (default 5); true when it succeeded.
gui_poll() {
    local tries=$(( ${GUI_POLL_SECONDS:-5} * 20 ))
    while ((tries-- > 0)); do
        "$@" && return 0
        sleep 0.05
    done
    return 1
}

# gui_start_x WIDTH HEIGHT: a fresh X server; exports DISPLAY.
gui_start_x() {
    local file="$GUI_TMP/display"
    : >"$file"
    # -noreset: a server that resets when its last client leaves refuses the next one meanwhile.
    Xvfb -displayfd 3 -screen 0 "${1}x${2}x24" -nolisten tcp -noreset 3>"$file" 2>"$GUI_TMP/xvfb.log" &
    GUI_PIDS+=($!)
    GUI_XVFB=$!
    gui_poll grep -q '^[0-9]' "$file" || fail "Xvfb did not start: $(cat "$GUI_TMP/xvfb.log")"
    export DISPLAY=":$(head -n 1 "$file")"
}

gui_wm_ready() {
    [ -e "$GUI_TMP/wm.ready" ] &&
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}

# gui_start_wm NAME: bare (nothing), openbox or evilwm, ready to manage windows when it returns.
gui_start_wm() {
    case "$1" in
    bare) return 0 ;;
    # openbox sets _NET_SUPPORTING_WM_CHECK before it is ready to take windows on: a window
    # mapped in between may never show. Its start-up command runs once it is ready.
    openbox) openbox --startup "touch $GUI_TMP/wm.ready" >"$GUI_TMP/wm.log" 2>&1 & ;;
    evilwm)
        : >"$GUI_TMP/wm.ready"
        evilwm -fn fixed >"$GUI_TMP/wm.log" 2>&1 &
        ;;
    *) fail "unknown window manager $1" ;;
    esac
    GUI_PIDS+=($!)
    gui_poll gui_wm_ready || fail "$1 did not start: $(cat "$GUI_TMP/wm.log")"
}

# gui_start NAME COMMAND...: runs COMMAND in the background with its output in files named after
# NAME; sets GUI_PID.
gui_start() {
    local name=${1//[^A-Za-z0-9_-]/_}
    shift
    "$@" >"$GUI_TMP/$name.out" 2>"$GUI_TMP/$name.err" &
    GUI_PID=$!
    GUI_PIDS+=($GUI_PID)
}

gui_stderr() { cat "$GUI_TMP/${1//[^A-Za-z0-9_-]/_}.err"; }

gui_alive() { kill -0 "$1" 2>/dev/null; }
gui_gone() { ! kill -0 "$1" 2>/dev/null; }

# gui_wait_end PID [SECONDS]: waits for PID to end and sets GUI_CODE to its exit code, or to
# "timeout" if it still runs after SECONDS (default 5). Not in a subshell: only this shell can
# collect its children's codes.
gui_wait_end() {
    GUI_CODE=timeout
    GUI_POLL_SECONDS=${2:-5} gui_poll gui_gone "$1" || return 0
    GUI_CODE=0
    { wait "$1"; } 2>/dev/null || GUI_CODE=$?
}

# gui_window CLASS: the id of a mapped window whose WM_CLASS class is CLASS, or nothing.
gui_window() { xdotool search --onlyvisible --class "^$1\$" 2>/dev/null | head -n 1; }

gui_has_window() { [ -n "$(gui_window "$1")" ]; }

# gui_wait_window CLASS: prints the id of the window once it is mapped; fails the test after 5 s.
gui_wait_window() {
    gui_poll gui_has_window "$1" || fail "no window of class $1 appeared"
    gui_window "$1"
}

gui_focus_is() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }
