#!/bin/bash
# `cmake --install` of the build directory $1 puts exactly the files $2... under its prefix.
. "$(dirname "$0")/lib.sh"
build=$1
shift
cmake --install "$build" --prefix "$work/prefix" >/dev/null || fail "cmake --install failed"
expect_list "the install" "$(cd "$work/prefix" && find . -type f | sed 's,^\./,,')" "$@"
