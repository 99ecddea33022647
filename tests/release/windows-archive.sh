#!/bin/bash
# scripts/dist.sh packs the Windows archive of the build directory $2: exactly the two .scr files
# and the install text with Windows line ends, in one folder of the archive's name. The .scr files
# as shipped pass the checks of tests/wine/scr-file.sh and show under Wine exactly the frames
# that the renderer $6 writes (tests/wine/screenshot.sh, with the Wine test environment).
. "$(dirname "$0")/lib.sh"
root=$1
build=$2
version=$3
objdump=$4
windres=$5
render=$6
name=Glacimo-$version-windows

"$root/scripts/dist.sh" --windows "$build" --out "$work/out" >/dev/null || fail "dist.sh failed"
archive=$work/out/$name.zip
[ -f "$archive" ] || fail "no $name.zip: $(ls "$work/out")"
expect_list "$name.zip" "$(unzip -Z1 "$archive")" "$name/" \
    "$name/Glacimo1.scr" "$name/Glacimo2.scr" "$name/INSTALL.txt"

unzip -q "$archive" -d "$work" || fail "cannot unpack $name.zip"
for n in 1 2; do
    bash "$root/tests/wine/scr-file.sh" "$work/$name/Glacimo$n.scr" "$objdump" "$windres" ||
        fail "Glacimo$n.scr as shipped"
done
text=$work/$name/INSTALL.txt
[ "$(grep -c $'\r$' "$text")" -eq "$(wc -l <"$text")" ] || fail "INSTALL.txt has lines without CR"
tr -d '\r' <"$text" | cmp -s - "$root/docs/install/INSTALL-windows.txt" ||
    fail "INSTALL.txt is not the Windows install text"
grep -q "Glacimo $version" "$text" || fail "INSTALL.txt names another version"

for n in 1 2; do
    SCR_DIR=$work/$name bash "$root/tests/wine/screenshot.sh" "$n" "$render" ||
        fail "Glacimo$n.scr as shipped does not show the rendered frames"
done
