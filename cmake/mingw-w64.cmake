# Cross-compiles for Windows with mingw-w64; test programs run through Wine.
# ROKABINA_ARCH picks the target: i686 (the default, the programs handed out:
# they start on 32-bit and 64-bit Windows alike) or x86_64.
if(NOT ROKABINA_ARCH)
    if(DEFINED ENV{ROKABINA_ARCH} AND NOT "$ENV{ROKABINA_ARCH}" STREQUAL "")
        set(ROKABINA_ARCH "$ENV{ROKABINA_ARCH}")
    else()
        set(ROKABINA_ARCH i686)
    endif()
endif()
set(ROKABINA_ARCH "${ROKABINA_ARCH}" CACHE STRING "Target processor: i686 or x86_64")
# try_compile projects read this file again: hand them the same choice.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ROKABINA_ARCH)

if(ROKABINA_ARCH STREQUAL "i686")
    set(CMAKE_SYSTEM_PROCESSOR X86)
    # The 32-bit Wine loader, from Debian's wine32.
    set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine)
elseif(ROKABINA_ARCH STREQUAL "x86_64")
    set(CMAKE_SYSTEM_PROCESSOR AMD64)
    set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
else()
    message(FATAL_ERROR "ROKABINA_ARCH must be i686 or x86_64, not '${ROKABINA_ARCH}'")
endif()

set(triplet ${ROKABINA_ARCH}-w64-mingw32)
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${triplet}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
