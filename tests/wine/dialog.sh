#!/bin/bash
# The options dialog of build $1 from the keyboard, through the system's dialog manager: Tab walks
# OK, Cancel, the speed bar and the penguin bar; the arrows move a focused bar; Enter presses the
# focused button, or OK when a bar has the focus; Escape and the accelerator C press Cancel. The
# settings file shows what was written, and that Cancel writes nothing.
. "$(dirname "$0")/lib.sh"
b=$1
ini="$WINEPREFIX/drive_c/windows/Nivalo$b.ini"
command -v xdotool >/dev/null || fail "xdotool is missing"

# case: the file before ("" for none) | the keys | the file after ("" for none)
cases=(
    "|Tab Tab Right Right Tab Right Return|[Glacimo] Speed=5 Penguins=2"
    "|Tab Tab Right Tab Left Tab Return|[Glacimo] Speed=4 Penguins=1"
    "[Glacimo] Speed=10 Penguins=0|Return|[Glacimo] Speed=6 Penguins=1"
    "[Glacimo] Speed=10 Penguins=0|Tab Tab Left Escape|[Glacimo] Speed=10 Penguins=0"
    "|Tab Tab Right c|"
    "|Tab Tab Right Tab Tab Tab Return|"
)

for case in "${cases[@]}"; do
    IFS='|' read -r before keys after <<<"$case"
    rm -f "$ini"
    [ -z "$before" ] || printf '%s\r\n' $before >"$ini"
    start_scr "$b" /c
    dialog=$last
    probe wait-title "Screen Saver Option" 20000 || fail "$keys: no options dialog"
    sleep 0.5
    for key in $keys; do
        xdotool key "$key"
        sleep 0.2
    done
    expect_exit0 "$dialog" 10 "keys $keys"
    got=""
    [ -f "$ini" ] && got=$(tr -d '\r' <"$ini" | tr '\n' ' ' | sed 's/ *$//')
    [ "$got" = "$after" ] || fail "keys $keys on '$before': file '$got', expected '$after'"
done
rm -f "$ini"
