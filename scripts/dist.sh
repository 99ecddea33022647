#!/usr/bin/env bash
# Makes the release archives:
#   Glacimo-<version>-windows.zip        Glacimo1.scr, Glacimo2.scr, INSTALL.txt
#   Glacimo-<version>-linux-x86_64.tar.gz glacimo1, glacimo2, glacimo1.6, glacimo2.6, INSTALL.txt
# each with its files in one folder of the archive's name.
#
#   scripts/dist.sh                       builds the presets linux and windows, packs both into
#                                         build/dist/
#   scripts/dist.sh [--linux DIR] [--windows DIR] [--out DIR]
#                                         packs only from the build directories given, which must
#                                         be built already (the dist targets and the tests do this)
#
# The version is the CMake project version of the build directory. The programs are taken from a
# stripped `cmake --install` of it, so the archives hold what the install rules install.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

linux_dir=""
windows_dir=""
out=""
usage() {
    echo "usage: $0 [--linux BUILD_DIR] [--windows BUILD_DIR] [--out DIR]" >&2
    exit 2
}
while [ $# -gt 0 ]; do
    [ $# -ge 2 ] || usage
    case $1 in
    --linux) linux_dir=$2 ;;
    --windows) windows_dir=$2 ;;
    --out) out=$2 ;;
    *) usage ;;
    esac
    shift 2
done

if [ -z "$linux_dir" ] && [ -z "$windows_dir" ]; then
    "$root/scripts/install-deps.sh"
    for preset in linux windows; do
        (cd "$root" && cmake --preset "$preset" >/dev/null)
    done
    cmake --build "$root/build/linux" --target glacimo1 glacimo2
    cmake --build "$root/build/windows" --target Glacimo1 Glacimo2
    linux_dir=$root/build/linux
    windows_dir=$root/build/windows
fi
out=${out:-$root/build/dist}
mkdir -p "$out"
out=$(cd "$out" && pwd)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

die() {
    echo "dist: $*" >&2
    exit 1
}

# version BUILD_DIR
version() {
    local v
    v=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$1/CMakeCache.txt" 2>/dev/null) || true
    [ -n "$v" ] || die "$1 is not a configured build directory"
    echo "$v"
}

# stage BUILD_DIR NAME: installs the build, stripped, into $work/NAME-install and makes the empty
# folder $work/NAME for the archive.
stage() {
    cmake --install "$1" --prefix "$work/$2-install" --strip >/dev/null ||
        die "cannot install $1: is it built?"
    mkdir "$work/$2"
}

# Same owner, mode and order on every machine; the time stays that of the build.
pack_tar() {
    tar -C "$work" --sort=name --owner=0 --group=0 --numeric-owner --mode='u+rwX,go+rX,go-w' \
        -czf "$out/$1.tar.gz" "$1"
}

linux_archive() {
    local v name installed
    v=$(version "$linux_dir")
    name=Glacimo-$v-linux-x86_64
    stage "$linux_dir" "$name"
    installed=$work/$name-install
    for build in 1 2; do
        [ -f "$installed/bin/glacimo$build" ] || die "no glacimo$build in $linux_dir"
        readelf -h "$installed/bin/glacimo$build" | grep -q 'Machine:.*X86-64' ||
            die "glacimo$build is not an x86-64 program"
        install -m 755 "$installed/bin/glacimo$build" "$work/$name/"
        install -m 644 "$installed/share/man/man6/glacimo$build.6" "$work/$name/"
    done
    install -m 644 "$root/docs/install/INSTALL-linux.txt" "$work/$name/INSTALL.txt"
    rm -f "$out/$name.tar.gz"
    pack_tar "$name"
    echo "$out/$name.tar.gz"
}

windows_archive() {
    local v name installed
    v=$(version "$windows_dir")
    name=Glacimo-$v-windows
    stage "$windows_dir" "$name"
    installed=$work/$name-install
    for build in 1 2; do
        [ -f "$installed/bin/Glacimo$build.scr" ] || die "no Glacimo$build.scr in $windows_dir"
        install -m 644 "$installed/bin/Glacimo$build.scr" "$work/$name/"
    done
    # Windows line ends, so that every Notepad shows the lines.
    sed 's/\r*$/\r/' "$root/docs/install/INSTALL-windows.txt" >"$work/$name/INSTALL.txt"
    rm -f "$out/$name.zip"
    (cd "$work" && zip -q -X -r "$out/$name.zip" "$name")
    echo "$out/$name.zip"
}

[ -z "$linux_dir" ] || linux_archive
[ -z "$windows_dir" ] || windows_archive
