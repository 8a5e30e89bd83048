// Bitmap files: a file the checks accept has its headers before its pixels,
// and the pixels GDI is handed (rows for the section, or the run-length data
// SetDIBits reads by the header's size) inside the file.
#include <cstddef>
#include <cstdint>

#include "fuzz/Invariant.h"
#include "picture/BitmapFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const picture::ByteReader in({data, size});
    const std::optional<picture::BitmapFile> bmp = picture::ReadBitmapFile(in);
    if (!bmp) return 0;
    const picture::DibHeader& dib = bmp->dib;
    INVARIANT(dib.width > 0 && dib.rows > 0 && dib.rows <= 0x80000000u);
    INVARIANT(14 + dib.infoSize <= bmp->bitsOffset);
    INVARIANT(bmp->bitsOffset < size && bmp->bitsSize <= size - bmp->bitsOffset);
    if (dib.IsRunLength())
        INVARIANT(dib.compressedSize == bmp->bitsSize && bmp->info.header.biSizeImage == dib.compressedSize);
    else  // exactly the section's size: the copy neither overruns it nor leaves rows unset
        INVARIANT(bmp->bitsSize == dib.stride * dib.rows);

    // The plain header GDI gets describes the same bitmap.
    const BITMAPINFOHEADER& plain = bmp->info.header;
    INVARIANT(plain.biSize == 40 && plain.biWidth == dib.width && plain.biHeight == dib.height);
    INVARIANT(bmp->info.Size() <= sizeof bmp->info);
    return 0;
}
