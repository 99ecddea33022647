# shellcheck shell=bash
# Helpers of the release checks. Each check works in a temporary folder of its own, which it
# removes however it ends.
set -u

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# expect_list WHAT ACTUAL EXPECTED...: ACTUAL (lines) holds exactly the EXPECTED names.
expect_list() {
    local what=$1 actual=$2 expected
    shift 2
    expected=$(printf '%s\n' "$@" | LC_ALL=C sort)
    actual=$(LC_ALL=C sort <<<"$actual")
    if [ "$actual" != "$expected" ]; then
        echo "expected:" >&2
        echo "$expected" >&2
        echo "found:" >&2
        echo "$actual" >&2
        fail "$what does not hold exactly the files it should"
    fi
}
