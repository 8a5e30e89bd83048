// GIF files through giflib, up to their first frame: see RgbaFuzzer.h.
#include "fuzz/RgbaFuzzer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* p, size_t n) { return fuzz::Fuzz(p, n, picture::ReadGif); }
