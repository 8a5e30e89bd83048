# Shared settings of the tools/ scripts: which build, where it lives and how
# Wine runs it. ROKABINA_ARCH=i686 (the default: the programs handed out) or
# x86_64; each has its own build folder.
root=${root:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
export ROKABINA_ARCH=${ROKABINA_ARCH:-i686}
case "$ROKABINA_ARCH" in
    i686)
        BUILD_ROOT=${BUILD_ROOT:-$root/build}
        # The 32-bit loader (Debian's wine32) runs the i686 programs.
        WINE=/usr/lib/wine/wine ;;
    x86_64)
        BUILD_ROOT=${BUILD_ROOT:-$root/build-x86_64}
        WINE=/usr/lib/wine/wine64 ;;
    *)
        echo "ROKABINA_ARCH must be i686 or x86_64, not '$ROKABINA_ARCH'" >&2
        return 1 2>/dev/null || exit 1 ;;
esac
# The picture libraries, each built by tools/build-library from Debian's source
# package into $BUILD_ROOT/deps/<name>: name, source package, library file.
PICTURE_LIBRARIES=("jpeg libjpeg-turbo libjpeg.a" "png libpng1.6 libpng16.a" "webp libwebp libwebpdecoder.a"
                   "gif giflib libgif.a")
TOOLCHAIN_FILE=$root/cmake/mingw-w64.cmake
# A 64-bit prefix with the 32-bit system files beside it (WoW64): it runs
# both builds, and only the 64-bit loader creates it.
export WINEPREFIX=${WINEPREFIX:-$BUILD_ROOT/wineprefix}
export WINEDEBUG=-all
export WINEARCH=win64
WINE64=/usr/lib/wine/wine64
# Whether this machine runs 32-bit x86 code at all: a Linux kernel without
# IA-32 emulation (ia32_emulation=off) runs neither the 32-bit Wine loader
# nor, under Wine, any i686 program. Asked of the kernel itself, with a
# program of a few bytes that only exits, so that the answer does not wait
# for the 32-bit Wine to be installed.
runs_32bit() {
    if [ -z "${ROKABINA_RUNS_32BIT:-}" ]; then
        local probe
        probe=$(mktemp)
        python3 -c '
import struct, sys
code = bytes([0xB8, 1, 0, 0, 0, 0x31, 0xDB, 0xCD, 0x80])  # exit(0) by int 0x80
base, header, entry = 0x08048000, 52, 32
size = header + entry + len(code)
elf = (b"\x7fELF" + bytes([1, 1, 1, 0]) + bytes(8)
       + struct.pack("<HHIIIIIHHHHHH", 2, 3, 1, base + header + entry, header, 0, 0, header, entry, 1, 0, 0, 0)
       + struct.pack("<IIIIIIII", 1, 0, base, base, size, size, 5, 0x1000) + code)
open(sys.argv[1], "wb").write(elf)
' "$probe"
        chmod +x "$probe"
        if "$probe" 2>/dev/null; then ROKABINA_RUNS_32BIT=yes; else ROKABINA_RUNS_32BIT=no; fi
        rm -f "$probe"
        export ROKABINA_RUNS_32BIT
    fi
    [ "$ROKABINA_RUNS_32BIT" = yes ]
}
# Where this machine's kernel runs 32-bit code but wine32:i386 could not be
# installed (a package index caught mid-sync leaves its i386 dependencies
# out of reach), tools/bootstrap writes the reason here; the i686 build then
# cannot run here either. Removing the file makes the next set-up try again.
WINE32_UNAVAILABLE=$root/build/wine32-unavailable
wine32_installed() { dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q 'install ok installed'; }
# Whether the i686 programs can run here: the kernel runs 32-bit code and
# the 32-bit Wine is installed or still to be tried.
runs_i686() { runs_32bit && [ ! -f "$WINE32_UNAVAILABLE" ]; }
# For the scripts that run the programs: where the i686 build cannot run,
# switch these settings to the x86_64 build, say so (the caller's name is
# $1) and return 0; otherwise return 1 and change nothing. Whether wine32
# can be installed is only known once the set-up has tried: it is tried
# first where it has not been.
switch_to_runnable_build() {
    [ "$ROKABINA_ARCH" != i686 ] && return 1
    if runs_i686 && ! wine32_installed; then "$root/tools/bootstrap"; fi
    runs_i686 && return 1
    if runs_32bit; then
        echo "$1: wine32:i386 could not be installed ($(cat "$WINE32_UNAVAILABLE")): using the x86_64 build" >&2
    else
        echo "$1: this machine cannot run 32-bit x86 code (its kernel has no IA-32 emulation): using the x86_64 build" >&2
    fi
    unset BUILD_ROOT WINEPREFIX
    export ROKABINA_ARCH=x86_64
    . "$root/tools/env.sh"
}
# A crashing program must end, not wait in Wine's debugger.
export WINEDLLOVERRIDES="winedbg.exe=d;mscoree=d;mshtml=d"
# Wine picks code page 932 from the locale it runs in: run Windows programs
# (and ctest, which starts them) through this.
wine_locale() { LC_ALL=ja_JP.UTF-8 "$@"; }
WINESERVER=/usr/lib/wine/wineserver
# Unix path to the Windows path under Wine's Z: drive.
winepath_of() { local p; p=$(readlink -f "$1"); printf 'Z:%s' "${p//\//\\}"; }
