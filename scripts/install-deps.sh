#!/usr/bin/env bash
# Installs, on Debian 12, whatever the build and the tests need and the machine lacks.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

packages=(
    cmake ninja-build g++ clang libclang-rt-14-dev libgtest-dev googletest libbenchmark-dev
    libfltk1.3-dev libxinerama-dev libxcursor-dev libxft-dev libxfixes-dev libxrender-dev
    libfontconfig-dev
    g++-mingw-w64-i686-posix binutils-mingw-w64-i686 mingw-w64-i686-dev
    xvfb xdotool openbox evilwm x11-apps x11-utils x11-xserver-utils imagemagick
    fonts-liberation2 fonts-ipafont-gothic
    zip unzip groff-base
    wine wine64 wine32:i386
)
if [ -f "$here/../tools/packages.txt" ]; then
    while read -r p; do
        [ -n "$p" ] && [ "${p#\#}" = "$p" ] && packages+=("$p")
    done <"$here/../tools/packages.txt"
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo dpkg --add-architecture i386
fi
$sudo apt-get update -q
# wine32 comes last: it upgrades a number of amd64 packages to versions that match its own.
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q \
    $(printf '%s\n' "${missing[@]}" | grep -v '^wine32:i386$') 
if printf '%s\n' "${missing[@]}" | grep -qx 'wine32:i386'; then
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q wine32:i386
fi
