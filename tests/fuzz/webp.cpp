// WebP files through libwebp: see RgbaFuzzer.h.
#include "fuzz/RgbaFuzzer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* p, size_t n) { return fuzz::Fuzz(p, n, picture::ReadWebp); }
