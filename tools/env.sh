# Shared settings of the tools/ scripts: where the build lives and how Wine runs.
root=${root:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
BUILD_ROOT=${BUILD_ROOT:-$root/build}
JPEG_PREFIX=$BUILD_ROOT/deps/jpeg
export WINEPREFIX=${WINEPREFIX:-$BUILD_ROOT/wineprefix}
export WINEDEBUG=-all
export WINEARCH=win64
# A crashing program must end, not wait in Wine's debugger.
export WINEDLLOVERRIDES="winedbg.exe=d;mscoree=d;mshtml=d"
# Wine picks code page 932 from the locale it runs in: run Windows programs
# (and ctest, which starts them) through this.
wine_locale() { LC_ALL=ja_JP.UTF-8 "$@"; }
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver
# Unix path to the Windows path under Wine's Z: drive.
winepath_of() { local p; p=$(readlink -f "$1"); printf 'Z:%s' "${p//\//\\}"; }
