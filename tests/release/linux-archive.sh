#!/bin/bash
# scripts/dist.sh packs the Linux archive of the build directory $2: exactly the two programs,
# their manual pages and the install text, in one folder of the archive's name; the programs
# executable, needing only the libraries that libraries.sh allows, and showing on an X server
# exactly the frames that the renderer $4 writes (tests/gui/screenshot.sh). The programs are
# unpacked for that into the folder $5, which the X server's private /tmp would hide if it lay
# there.
. "$(dirname "$0")/lib.sh"
root=$1
build=$2
version=$3
render=$4
shipped=$5
name=Glacimo-$version-linux-x86_64

"$root/scripts/dist.sh" --linux "$build" --out "$work/out" >/dev/null || fail "dist.sh failed"
archive=$work/out/$name.tar.gz
[ -f "$archive" ] || fail "no $name.tar.gz: $(ls "$work/out")"
expect_list "$name.tar.gz" "$(tar -tzf "$archive")" "$name/" \
    "$name/glacimo1" "$name/glacimo2" "$name/glacimo1.6" "$name/glacimo2.6" "$name/INSTALL.txt"

tar -C "$work" -xzf "$archive" || fail "cannot unpack $name.tar.gz"
for n in 1 2; do
    cmp -s "$work/$name/glacimo$n.6" "$root/docs/man/glacimo$n.6" ||
        fail "glacimo$n.6 is not the manual page"
done
cmp -s "$work/$name/INSTALL.txt" "$root/docs/install/INSTALL-linux.txt" ||
    fail "INSTALL.txt is not the Linux install text"
grep -q "$name.tar.gz" "$work/$name/INSTALL.txt" || fail "INSTALL.txt names another archive"
bash "$(dirname "$0")/libraries.sh" "$work/$name/glacimo1" "$work/$name/glacimo2" ||
    fail "the programs as shipped need other libraries"

rm -rf "$shipped"
mkdir -p "$shipped"
tar -C "$shipped" -xzf "$archive" || fail "cannot unpack $name.tar.gz into $shipped"
for n in 1 2; do
    bash "$root/tests/gui/screenshot.sh" "$shipped/$name/glacimo$n" "$n" "$render" 640 480 ||
        fail "glacimo$n as shipped does not show the rendered frames"
done
rm -rf "$shipped"
