#!/bin/bash
# The manual pages format without a single groff warning, and carry the project's version.
. "$(dirname "$0")/lib.sh"
root=$1
version=$2

for build in 1 2; do
    page=$root/docs/man/glacimo$build.6
    warnings=$(groff -man -Tutf8 -ww -z "$page" 2>&1) || fail "groff cannot format $page"
    [ -z "$warnings" ] || fail "groff warns about $page: $warnings"
    head -n 3 "$page" | grep -q "^\.TH GLACIMO$build 6 .*\"Glacimo $version\"" ||
        fail "$page does not carry the name GLACIMO$build, section 6 and the version $version"
    grep -q "glacimo/Nivalo$build\.ini" "$page" || fail "$page does not name its settings file"
done
