#!/bin/bash
# The Linux programs $@ need no shared library but the X client libraries, which every X11
# desktop has, and the C and C++ run-time: FLTK is linked in, so the programs run on a Debian 12
# or Ubuntu machine without it.
. "$(dirname "$0")/lib.sh"

# What each allowed library is there for:
#   linux-vdso ld-linux-x86-64 libc libm     the C run-time
#   libstdc++ libgcc_s                       the C++ run-time
#   libX11 libxcb libXau libXdmcp            Xlib and its connection to the server
#   libXext libXinerama                      shared-memory images, shapes; the screens' layout
#   libXcursor libXfixes libXrender          hiding the pointer, cursors, pictures
#   libXft libfontconfig libfreetype         the dialog's text
#   libexpat libz libpng libbrotli*          what fontconfig and FreeType read their files with
#   libbsd libmd                             what libXdmcp is built on in Debian
allowed() {
    case $1 in
    linux-vdso.so.1 | ld-linux-x86-64.so.2 | libc.so.6 | libm.so.6) ;;
    libstdc++.so.6 | libgcc_s.so.1) ;;
    libX11.so.6 | libxcb.so.1 | libXau.so.6 | libXdmcp.so.6) ;;
    libXext.so.6 | libXinerama.so.1 | libXcursor.so.1 | libXfixes.so.3 | libXrender.so.1) ;;
    libXft.so.2 | libfontconfig.so.1 | libfreetype.so.6) ;;
    libexpat.so.1 | libz.so.1 | libpng16.so.16 | libbrotlidec.so.1 | libbrotlicommon.so.1) ;;
    libbsd.so.0 | libmd.so.0) ;;
    *) return 1 ;;
    esac
}

[ $# -gt 0 ] || fail "no program given"
for program in "$@"; do
    [ -x "$program" ] || fail "$program is not an executable"
    list=$(ldd "$program") || fail "ldd cannot read $program"
    grep -q 'not found' <<<"$list" && fail "$program misses a library: $(grep 'not found' <<<"$list")"
    # The first word of each line is the library's name (or path, for the loader).
    for lib in $(awk '{print $1}' <<<"$list"); do
        allowed "${lib##*/}" || fail "$program needs ${lib##*/}"
    done
    echo "$program: $(awk '{print $1}' <<<"$list" | sed 's,.*/,,' | tr '\n' ' ')"
done
