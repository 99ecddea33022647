#!/bin/sh
# Builds the settings tests for Windows with mingw-w64 and runs them under Wine, against the real
# profile functions. For use while no cross-built CMake tree is at hand:
#   settings/tests/wine-tests.sh BUILD_DIR
# The Wine prefix is the run's own (BUILD_DIR/wineprefix, created on first use); its wineserver
# is stopped at the end.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
out=$1/settings-win32
mkdir -p "$out"
cxx=i686-w64-mingw32-g++-posix
gtest=/usr/src/googletest/googletest
flags="-std=c++20 -O1 -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion -Werror"

[ -f "$out/gtest-all.o" ] || $cxx -std=c++20 -O1 -I$gtest/include -I$gtest \
    -c $gtest/src/gtest-all.cc -o "$out/gtest-all.o"
[ -f "$out/gtest_main.o" ] || $cxx -std=c++20 -O1 -I$gtest/include \
    -c $gtest/src/gtest_main.cc -o "$out/gtest_main.o"
objects=""
for source in platform/TIniFile.cpp platform/IntegerText.cpp platform/win32/TIniFileWin32.cpp \
    settings/tests/SettingsLocation.cpp; do
    object="$out/$(basename "$source" .cpp).o"
    $cxx $flags -I"$root" -I$gtest/include -c "$root/$source" -o "$object"
    objects="$objects $object"
done
for test in ProfileCasesTest TIniFileTest; do
    $cxx $flags -I"$root" -I$gtest/include -c "$here/$test.cpp" -o "$out/$test.o"
    $cxx -static -o "$out/$test.exe" "$out/$test.o" $objects "$out/gtest-all.o" "$out/gtest_main.o"
done

export WINEPREFIX="$1/wineprefix" WINEDLLOVERRIDES="mscoree,mshtml=" WINEDEBUG=-all
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot -i >/dev/null 2>&1
    wineserver -w
fi
status=0
for test in ProfileCasesTest TIniFileTest; do
    wine "$out/$test.exe" || status=1
done
wineserver -k || true
exit $status
