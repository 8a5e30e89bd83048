# Reads the release version ("1.00") from the VERSION file and writes, under
# <build>/generated/, Version.h for the sources and the resource scripts and
# the two programs' manifests for the build's processor.
file(STRINGS "${CMAKE_SOURCE_DIR}/VERSION" ROKABINA_VERSION LIMIT_COUNT 1)
string(STRIP "${ROKABINA_VERSION}" ROKABINA_VERSION)
if(NOT ROKABINA_VERSION MATCHES "^([0-9]+)\\.([0-9]+)$")
    message(FATAL_ERROR "VERSION must read <major>.<minor>, such as 1.00, not '${ROKABINA_VERSION}'")
endif()
# "1.00" is 1,0,0,0 in the version resource and 1.0.0.0 in the manifest.
math(EXPR ROKABINA_VERSION_MAJOR "${CMAKE_MATCH_1}")
math(EXPR ROKABINA_VERSION_MINOR "${CMAKE_MATCH_2}")
set(ROKABINA_VERSION_NUMBERS "${ROKABINA_VERSION_MAJOR},${ROKABINA_VERSION_MINOR},0,0")
set(ROKABINA_VERSION_DOTTED "${ROKABINA_VERSION_MAJOR}.${ROKABINA_VERSION_MINOR}.0.0")
# Let a changed VERSION file configure the build again.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/VERSION")

if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(ROKABINA_MANIFEST_ARCH x86)
else()
    set(ROKABINA_MANIFEST_ARCH amd64)
endif()

set(generated "${CMAKE_BINARY_DIR}/generated")
configure_file("${CMAKE_SOURCE_DIR}/cmake/Version.h.in" "${generated}/Version.h" @ONLY)
configure_file("${CMAKE_SOURCE_DIR}/viewer/resources/rokabina.manifest.in"
               "${generated}/rokabina.manifest" @ONLY)
configure_file("${CMAKE_SOURCE_DIR}/designer/resources/rokabina_designer.manifest.in"
               "${generated}/rokabina_designer.manifest" @ONLY)
