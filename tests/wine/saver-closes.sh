#!/bin/bash
# Each sign of the user ends the saver of build $1 with exit code 0: a key, a mouse button, and
# another window taking the activation.
. "$(dirname "$0")/lib.sh"
b=$1

for action in key click "activate 3000"; do
    start_saver "$b"
    probe $action &
    started="$started $!"
    expect_exit0 "$saver" 10 "$action"
    probe wait-no-saver 2000 || fail "$action: the saver window is still there"
done
