// The numbers and structures of the Windows picture formats that the checks
// read. The Windows build takes them from the platform headers and proves
// each number written here equal to the platform's at compile time; the
// native build (the fuzzers) takes them from here, so the checks compile
// unchanged without the Windows headers.
#pragma once
#include <cstdint>

#define ROKABINA_WINDOWS_FORMAT_NUMBERS(NUMBER)                                                                  \
    NUMBER(BI_RGB, 0) NUMBER(BI_RLE8, 1) NUMBER(BI_RLE4, 2) NUMBER(BI_BITFIELDS, 3)                            \
    NUMBER(DIB_RGB_COLORS, 0) NUMBER(DIB_PAL_COLORS, 1)                                                         \
    NUMBER(ETO_OPAQUE, 0x0002) NUMBER(ETO_CLIPPED, 0x0004) NUMBER(ETO_PDY, 0x2000)                              \
    NUMBER(GRADIENT_FILL_RECT_H, 0) NUMBER(GRADIENT_FILL_RECT_V, 1) NUMBER(GRADIENT_FILL_TRIANGLE, 2)           \
    NUMBER(BS_SOLID, 0) NUMBER(BS_NULL, 1) NUMBER(BS_HATCHED, 2) NUMBER(LF_FACESIZE, 32)                        \
    NUMBER(ENHMETA_SIGNATURE, 0x464D4520) NUMBER(EMR_HEADER, 1)                                                 \
    NUMBER(EMR_POLYBEZIER, 2) NUMBER(EMR_POLYGON, 3) NUMBER(EMR_POLYLINE, 4) NUMBER(EMR_POLYBEZIERTO, 5)        \
    NUMBER(EMR_POLYLINETO, 6) NUMBER(EMR_POLYPOLYLINE, 7) NUMBER(EMR_POLYPOLYGON, 8) NUMBER(EMR_EOF, 14)        \
    NUMBER(EMR_SELECTOBJECT, 37) NUMBER(EMR_CREATEPEN, 38) NUMBER(EMR_CREATEBRUSHINDIRECT, 39)                  \
    NUMBER(EMR_DELETEOBJECT, 40) NUMBER(EMR_SELECTPALETTE, 48) NUMBER(EMR_CREATEPALETTE, 49)                    \
    NUMBER(EMR_SETPALETTEENTRIES, 50) NUMBER(EMR_RESIZEPALETTE, 51) NUMBER(EMR_POLYDRAW, 56)                    \
    NUMBER(EMR_GDICOMMENT, 70) NUMBER(EMR_FILLRGN, 71) NUMBER(EMR_FRAMERGN, 72) NUMBER(EMR_INVERTRGN, 73)       \
    NUMBER(EMR_PAINTRGN, 74) NUMBER(EMR_EXTSELECTCLIPRGN, 75) NUMBER(EMR_BITBLT, 76) NUMBER(EMR_STRETCHBLT, 77)  \
    NUMBER(EMR_MASKBLT, 78) NUMBER(EMR_PLGBLT, 79) NUMBER(EMR_SETDIBITSTODEVICE, 80)                            \
    NUMBER(EMR_STRETCHDIBITS, 81) NUMBER(EMR_EXTCREATEFONTINDIRECTW, 82) NUMBER(EMR_EXTTEXTOUTA, 83)            \
    NUMBER(EMR_EXTTEXTOUTW, 84) NUMBER(EMR_POLYBEZIER16, 85) NUMBER(EMR_POLYGON16, 86)                          \
    NUMBER(EMR_POLYLINE16, 87) NUMBER(EMR_POLYBEZIERTO16, 88) NUMBER(EMR_POLYLINETO16, 89)                      \
    NUMBER(EMR_POLYPOLYLINE16, 90) NUMBER(EMR_POLYPOLYGON16, 91) NUMBER(EMR_POLYDRAW16, 92)                     \
    NUMBER(EMR_CREATEMONOBRUSH, 93) NUMBER(EMR_CREATEDIBPATTERNBRUSHPT, 94) NUMBER(EMR_EXTCREATEPEN, 95)        \
    NUMBER(EMR_POLYTEXTOUTA, 96) NUMBER(EMR_POLYTEXTOUTW, 97) NUMBER(EMR_ALPHABLEND, 114)                       \
    NUMBER(EMR_TRANSPARENTBLT, 116) NUMBER(EMR_GRADIENTFILL, 118)

#ifdef _WIN32
#include <windows.h>

#define ROKABINA_SAME_AS_PLATFORM(name, value) static_assert(name == value, #name " differs from the platform's");
ROKABINA_WINDOWS_FORMAT_NUMBERS(ROKABINA_SAME_AS_PLATFORM)
#undef ROKABINA_SAME_AS_PLATFORM

#else

#define ROKABINA_DEFINE_NUMBER(name, value) inline constexpr uint32_t name = value;
ROKABINA_WINDOWS_FORMAT_NUMBERS(ROKABINA_DEFINE_NUMBER)
#undef ROKABINA_DEFINE_NUMBER

using DWORD = uint32_t;
using WORD = uint16_t;
using LONG = int32_t;

struct SIZE {
    LONG cx;
    LONG cy;
};

struct BITMAPINFOHEADER {
    DWORD biSize;
    LONG biWidth;
    LONG biHeight;
    WORD biPlanes;
    WORD biBitCount;
    DWORD biCompression;
    DWORD biSizeImage;
    LONG biXPelsPerMeter;
    LONG biYPelsPerMeter;
    DWORD biClrUsed;
    DWORD biClrImportant;
};
static_assert(sizeof(BITMAPINFOHEADER) == 40);

#endif
