#!/bin/bash
# The .scr file $1 as shipped: a 32-bit GUI program that imports system DLLs only (a program that
# needs libstdc++ or libwinpthread would not start where they are missing), with its icon, the
# fourteen bitmaps and a manifest that declares per-monitor DPI awareness and requests no
# execution level.
set -u
scr=$1
objdump=$2
windres=$3

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

headers=$("$objdump" -p "$scr") || fail "cannot read $scr"
grep -q 'Magic.*010b' <<<"$headers" || fail "not a 32-bit program"
grep -q 'Subsystem.*Windows GUI' <<<"$headers" || fail "not a GUI program"
imports=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers" | tr 'a-z' 'A-Z' | sort -u)
echo "imports:" $imports
for dll in $imports; do
    case $dll in
    KERNEL32.DLL | USER32.DLL | GDI32.DLL | IMM32.DLL | MSVCRT.DLL) ;;
    *) fail "imports $dll" ;;
    esac
done

resources=$("$windres" -i "$scr" -O rc 2>/dev/null) || fail "cannot read the resources"
for name in BACK LOGO P0 P1 P2 P3 P4 P5 M0 M1 M2 M3 M4 M5; do
    grep -q "^\"$name\" 2 " <<<"$resources" || fail "no bitmap $name"
done
grep -q '^"MAINICON" 14 ' <<<"$resources" || fail "no MAINICON"
grep -q '^1 24 ' <<<"$resources" || fail "no manifest"
grep -q 'PerMonitorV2, PerMonitor' <<<"$resources" || fail "the manifest declares no per-monitor DPI awareness"
grep -q 'true/pm' <<<"$resources" || fail "the manifest has no dpiAware fallback"
if grep -qi 'requestedExecutionLevel\|trustInfo' <<<"$resources"; then
    fail "the manifest requests an execution level"
fi
grep -q '^.* 16 ' <<<"$resources" && fail "the program carries a version resource"
exit 0
