#!/usr/bin/env bash
# Remakes the sample pictures of this folder with ImageMagick. The quadrant
# pictures are red and green above, blue and yellow below; the tests check
# those colours where a pane shows them. Metafiles are made by the tests
# themselves through GDI.
set -euo pipefail
cd "$(dirname "$0")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

convert -size 8x8 xc:red -size 8x8 xc:lime +append \
        \( -size 8x8 xc:blue -size 8x8 xc:yellow +append \) -append "$work/quad16.png"
convert "$work/quad16.png" -sample 4x4 "$work/quad4.png"

convert "$work/quad4.png" -type TrueColor bmp3:quadrants24.bmp
convert "$work/quad4.png" -type Palette bmp3:quadrants4.bmp
convert "$work/quad4.png" -type Palette -compress RLE bmp3:quadrants_rle8.bmp
convert "$work/quad4.png" -type TrueColor bmp2:quadrants_core.bmp          # BITMAPCOREHEADER
convert "$work/quad4.png" -type TrueColorAlpha bmp:quadrants_v5.bmp       # BITMAPV5HEADER, 32 bits
convert "$work/quad4.png" -type TrueColor -define bmp:subtype=RGB565 bmp:quadrants565.bmp
convert -size 2x2 xc:black -size 2x2 xc:white +append \
        \( -size 2x2 xc:white -size 2x2 xc:black +append \) -append -type Bilevel bmp3:checker1.bmp
# The same 24-bit picture stored top-down (negative height, rows reversed).
python3 - <<'PY'
import struct
data = bytearray(open('quadrants24.bmp', 'rb').read())
offset = struct.unpack_from('<I', data, 10)[0]
width, height = struct.unpack_from('<ii', data, 18)
stride = (width * 3 + 3) & ~3
rows = [data[offset + i * stride:offset + (i + 1) * stride] for i in range(height)]
struct.pack_into('<i', data, 22, -height)
data[offset:] = b''.join(reversed(rows))
open('quadrants_topdown.bmp', 'wb').write(data)
PY

convert -size 16x16 xc:red "$work/red16.png"
convert -size 32x32 xc:lime "$work/green32.png"
convert -size 48x48 xc:blue "$work/blue48.png"
convert "$work/red16.png" "$work/green32.png" "$work/blue48.png" -type TrueColorAlpha sizes16-32-48.ico
convert "$work/red16.png" -type TrueColorAlpha size16.ico

convert "$work/quad16.png" -quality 95 -sampling-factor 1x1 Logo.JPG
cp Logo.JPG quadrants.jpeg
convert "$work/quad16.png" -quality 95 -sampling-factor 1x1 -interlace JPEG quadrants_progressive.jpg
convert "$work/quad16.png" -colorspace CMYK -quality 95 -sampling-factor 1x1 quadrants_cmyk.jpg
convert -size 16x8 xc:white -size 16x8 xc:black -append -colorspace Gray -quality 95 halves_gray.jpg
