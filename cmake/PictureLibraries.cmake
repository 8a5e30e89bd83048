# The picture libraries as imported static targets: jpeg, png (with zlib),
# webp (its decoder alone) and gif. Each lies in a prefix of its own,
# <NAME>_PREFIX, by default DEPS_PREFIX/<name> as tools/build-library makes
# them; MSYS2 holds them all in one (mingw64), given as each prefix.
set(DEPS_PREFIX "${CMAKE_BINARY_DIR}/../deps" CACHE PATH "The picture libraries, a folder each")

function(picture_library name file)
    string(TOUPPER ${name} upper)
    set(${upper}_PREFIX "${DEPS_PREFIX}/${name}" CACHE PATH "${name} built for the target")
    add_library(${name} STATIC IMPORTED GLOBAL)
    set_target_properties(${name} PROPERTIES
        IMPORTED_LOCATION "${${upper}_PREFIX}/lib/${file}"
        INTERFACE_INCLUDE_DIRECTORIES "${${upper}_PREFIX}/include")
endfunction()

picture_library(jpeg libjpeg.a)
picture_library(png libpng16.a)
picture_library(webp libwebpdecoder.a)
picture_library(gif libgif.a)
# The machine's static zlib: Debian's libz-mingw-w64-dev for the target.
find_library(ZLIB_STATIC NAMES libz.a REQUIRED)
set_property(TARGET png PROPERTY INTERFACE_LINK_LIBRARIES "${ZLIB_STATIC}")
