#!/bin/sh
# A bounded run of the settings fuzzer: run-fuzz.sh FUZZER [libFuzzer options...]
# Without options it runs for 30 seconds. Crash files go to a temporary directory that is removed
# afterwards unless the run failed.
set -eu
fuzzer=$1
shift
[ $# -gt 0 ] || set -- -max_total_time=30
work=$(mktemp -d "${TMPDIR:-/tmp}/glacimo-fuzz-XXXXXX")
status=0
dict=$(dirname "$0")/profile.dict
"$fuzzer" -artifact_prefix="$work/" -dict="$dict" -print_final_stats=1 "$@" || status=$?
if [ "$status" -eq 0 ]; then
    rm -rf "$work"
else
    echo "fuzzer failed ($status); inputs kept in $work" >&2
fi
exit "$status"
