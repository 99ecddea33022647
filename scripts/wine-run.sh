#!/bin/sh
# Runs one Windows program under Wine and passes its exit code through.
#
#   wine-run.sh [--prefix DIR] PROGRAM [ARGUMENTS...]
#
# The prefix (DIR, else $WINEPREFIX) is created on first use, under a lock, so that parallel test
# runs share it safely. A Wine that cannot run 32-bit programs runs them as doing nothing and
# exiting 0, which would pass every test; the prefix is therefore only accepted once a 32-bit
# program has been seen to return a chosen exit code.
set -eu

prefix=${WINEPREFIX:-}
if [ "${1:-}" = "--prefix" ]; then
    prefix=$2
    shift 2
fi
if [ -z "$prefix" ] || [ $# -lt 1 ]; then
    echo "usage: wine-run.sh [--prefix DIR] PROGRAM [ARGUMENTS...]" >&2
    exit 2
fi
case $prefix in
/*) ;;
*) prefix=$(pwd)/$prefix ;;
esac

export WINEPREFIX="$prefix"
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEDEBUG=-all

fail() {
    echo "wine-run: $*" >&2
    exit 3
}

command -v wine >/dev/null 2>&1 || fail "wine is not installed"

# The probe: 32-bit cmd.exe of the prefix, asked to exit with 37.
check_32bit() {
    set +e
    timeout 60 wine 'C:\windows\syswow64\cmd.exe' /c exit 37 </dev/null >/dev/null 2>&1
    code=$?
    set -e
    [ "$code" -eq 37 ] || fail "Wine cannot run 32-bit programs (probe exit code $code, expected 37)." \
        "Install wine32:i386 (dpkg --add-architecture i386; apt-get install wine32:i386)," \
        "then remove $prefix."
}

prepare_prefix() {
    ready="$prefix/.glacimo-ready"
    [ -f "$ready" ] && return 0
    mkdir -p "$(dirname "$prefix")"
    exec 9>"$prefix.lock"
    flock 9
    if [ ! -f "$ready" ]; then
        if [ ! -f "$prefix/system.reg" ]; then
            timeout 300 wineboot -i </dev/null >/dev/null 2>&1 || fail "wineboot -i failed in $prefix"
            timeout 120 wineserver -w || true
        fi
        check_32bit
        touch "$ready"
    fi
    flock -u 9
    exec 9>&-
}

prepare_prefix
exec wine "$@"
