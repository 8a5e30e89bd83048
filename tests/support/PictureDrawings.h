// The drawings that the picture corpus has metafile DCs record, each with
// the colours it leaves where.
#pragma once
#include <windows.h>

#include <vector>

namespace testsupport {

// A point of a picture, as fractions of its width and height, and the colour
// it must show there; orColour is another colour allowed (hatch lines, or
// what Wine shows where it differs from Windows).
struct Sample {
    double x;
    double y;
    COLORREF colour;
    COLORREF orColour = CLR_INVALID;
};

// The quadrant pictures: red, green above, blue, yellow below.
extern const std::vector<Sample> kQuadrantSamples;

struct MetafileDrawing {
    const char* name;
    void (*draw)(HDC dc);  // in logical units 0..100 both ways
    bool enhancedOnly;     // drawn with calls that Windows metafiles have no records for
    std::vector<Sample> samples;
};
const std::vector<MetafileDrawing>& MetafileDrawings();

}  // namespace testsupport
