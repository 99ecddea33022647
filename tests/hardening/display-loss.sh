#!/bin/bash
# The X server ends under the running saver and under the open dialog, politely and outright:
# the program ends by itself within a second, with exit code 0 and no signal, and the settings
# file stays byte for byte as it was.
#   display-loss.sh PROGRAM1 PROGRAM2
. "$(dirname "$0")/../gui/lib.sh"

PROGRAM1=$1 PROGRAM2=$2

# A hand-written file with a comment, odd spacing and another section: anything the program
# rewrote would show.
settings_text() {
    printf '; kept by hand\r\n[Other]\r\nx = 1\r\n\r\n[Glacimo]\r\n  Speed =  2 \r\nPenguins=4\r\n'
}

cd "$GUI_TMP" || fail "no test directory"
ulimit -c unlimited 2>/dev/null
build=0
for program in "$PROGRAM1" "$PROGRAM2"; do
    build=$((build + 1))
    settings="$XDG_CONFIG_HOME/glacimo/Nivalo$build.ini"
    mkdir -p "$(dirname "$settings")"
    settings_text >"$settings"
    settings_text >"$GUI_TMP/settings.orig"
    for mode in /s /c; do
        for signal in TERM KILL; do
            what="$(basename "$program") $mode, X server ended by SIG$signal"
            gui_start_x 800 600
            xdotool mousemove 400 300
            gui_start app "$program" "$mode"
            app=$GUI_PID
            if [ "$mode" = /s ]; then
                gui_wait_window TForm1 >/dev/null
            else
                gui_wait_window TOKBottomDlg >/dev/null
            fi
            kill -"$signal" "$GUI_XVFB"
            gui_wait_end "$app" 1
            [ "$GUI_CODE" = timeout ] && fail "$what: still running a second later"
            [ "$GUI_CODE" = 0 ] || fail "$what: exit code $GUI_CODE, stderr: $(gui_stderr app)"
            cmp -s "$settings" "$GUI_TMP/settings.orig" || fail "$what: the settings file changed"
            ! ls "$GUI_TMP"/core* >/dev/null 2>&1 || fail "$what: left a core dump"
            wait "$GUI_XVFB" 2>/dev/null
        done
    done
done
echo "display loss: all cases passed"
