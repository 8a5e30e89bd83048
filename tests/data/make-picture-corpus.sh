#!/usr/bin/env bash
# Makes the picture compatibility corpus into the folder given: bitmaps,
# icons, PNG, WebP, GIF and JPEG files as ImageMagick and libjpeg-turbo's cjpeg write them,
# and, where no tool writes a variant, as our own small writers below do.
# Run at build time; nothing it makes is kept in the repository.
#
# Most pictures are quadrants: red and green above, blue and yellow below.
# PictureCorpusTest.cpp samples them; keep the two in step.
set -euo pipefail
out=${1:?usage: make-picture-corpus.sh OUTPUT_FOLDER}
for tool in convert cjpeg python3; do
    command -v "$tool" >/dev/null || { echo "make-picture-corpus.sh: $tool is missing (tools/bootstrap installs it)" >&2; exit 1; }
done
mkdir -p "$out"
cd "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

quadrants() {  # width height file
    local w=$1 h=$2 left=$(($1 / 2)) top=$(($2 / 2))
    convert -size "${left}x${top}" xc:red -size "$((w - left))x${top}" xc:lime +append \
            \( -size "${left}x$((h - top))" xc:blue -size "$((w - left))x$((h - top))" xc:yellow +append \) \
            -append "$3"
}

# --- Bitmaps: 33 x 30, an odd width so that every row needs padding -----------
quadrants 33 30 "$work/quad.png"
# The same with a grey ramp along the bottom row: more than 16 colours, so
# that ImageMagick writes 8 bits per pixel.
convert "$work/quad.png" \( -size 1x33 gradient:black-white -rotate 90 \) -gravity south -composite \
        "$work/ramp.png"
# Four-colour stripes along the bottom row, for the absolute runs of RLE4.
convert xc:red xc:lime xc:blue xc:yellow +append -write mpr:stripe +delete -size 33x1 tile:mpr:stripe "$work/stripe.png"
convert "$work/quad.png" "$work/stripe.png" -gravity south -composite "$work/mixed.png"
convert -size 16x30 xc:red -size 17x30 xc:blue +append "$work/two.png"

convert "$work/two.png" -colors 2 bmp3:bmp_v3_1.bmp
convert "$work/quad.png" -type Palette bmp3:bmp_v3_4.bmp
convert "$work/mixed.png" -type Palette bmp3:"$work/mixed4.bmp"
convert "$work/ramp.png" -type Palette -compress None bmp3:bmp_v3_8.bmp
convert "$work/ramp.png" -type Palette -compress RLE bmp3:bmp_v3_rle8.bmp
convert "$work/quad.png" -type TrueColor bmp3:bmp_v3_24.bmp
convert "$work/quad.png" -alpha set -define bmp3:alpha=true bmp3:bmp_v3_32.bmp
convert "$work/two.png" -colors 2 bmp2:bmp_core_1.bmp   # BITMAPCOREHEADER, RGB triples
convert "$work/quad.png" -type Palette bmp2:bmp_core_4.bmp
convert "$work/ramp.png" -type Palette bmp2:bmp_core_8.bmp
convert "$work/quad.png" -type TrueColor bmp2:bmp_core_24.bmp
# Without a rendering intent ImageMagick writes BITMAPV4HEADER, with one BITMAPV5HEADER.
convert "$work/quad.png" -type TrueColor -intent Undefined bmp:bmp_v4_24.bmp
convert "$work/quad.png" -alpha set -intent Undefined bmp:bmp_v4_32.bmp
convert "$work/ramp.png" -type Palette -compress None bmp:bmp_v5_8.bmp
convert "$work/ramp.png" -type Palette -compress RLE bmp:bmp_v5_rle8.bmp
convert "$work/quad.png" -type TrueColor bmp:bmp_v5_24.bmp
convert "$work/quad.png" -alpha set bmp:bmp_v5_32.bmp
convert "$work/quad.png" -type TrueColor -define bmp:subtype=RGB555 bmp:bmp_v5_555.bmp
convert "$work/quad.png" -type TrueColor -define bmp:subtype=RGB565 bmp:bmp_v5_565.bmp
convert "$work/quad.png" -alpha set -define bmp:subtype=ARGB4444 bmp:bmp_v5_4444.bmp

# No tool at hand writes RLE4 or stores rows top-down: both are written here
# from the pixels of ImageMagick's bitmaps.
python3 - "$work" <<'PY'
import struct, sys

def load(name):
    data = open(name, 'rb').read()
    offset, = struct.unpack_from('<I', data, 10)
    header, width, height, _, bits = struct.unpack_from('<IiiHH', data, 14)
    stride = (width * bits + 31) // 32 * 4
    return data, offset, header, width, height, bits, stride

def rows_of(data, offset, height, stride):
    return [data[offset + i * stride:offset + (i + 1) * stride] for i in range(height)]

# Top-down copies: negative height, rows in reading order.
for source, target in [('bmp_v3_24.bmp', 'bmp_v3_24_topdown.bmp'), ('bmp_v3_4.bmp', 'bmp_v3_4_topdown.bmp'),
                       ('bmp_v5_32.bmp', 'bmp_v5_32_topdown.bmp')]:
    data, offset, _, _, height, _, stride = load(source)
    out = bytearray(data)
    struct.pack_into('<i', out, 22, -height)
    out[offset:offset + height * stride] = b''.join(reversed(rows_of(data, offset, height, stride)))
    open(target, 'wb').write(out)

# RLE4: runs of one colour as encoded pairs, mixed stretches in absolute mode.
data, offset, header, width, height, bits, stride = load(sys.argv[1] + '/mixed4.bmp')
assert bits == 4
palette = data[14 + header:offset]
pixels = []
for row in rows_of(data, offset, height, stride):
    pixels.append([(row[x // 2] >> (0 if x % 2 else 4)) & 15 for x in range(width)])

def encode(row):
    out, x = bytearray(), 0
    while x < len(row):
        run = 1
        while x + run < len(row) and run < 255 and row[x + run] == row[x]:
            run += 1
        if run >= 3 or x + run == len(row):
            out += bytes([run, row[x] << 4 | row[x]])
            x += run
            continue
        end = x                 # absolute mode: up to the next run of three
        while end < len(row) and end - x < 255 and not (end + 2 < len(row) and row[end] == row[end + 1] == row[end + 2]):
            end += 1
        if end - x < 3:
            out += bytes([end - x, row[x] << 4 | (row[x + 1] if end - x > 1 else row[x])])
        else:
            chunk = row[x:end] + [0] * ((end - x) % 2)
            body = bytes(chunk[i] << 4 | chunk[i + 1] for i in range(0, len(chunk), 2))
            out += bytes([0, end - x]) + body + b'\0' * (len(body) % 2)
        x = end
    return out + b'\0\0'        # end of line

encoded = b''.join(encode(row) for row in pixels)[:-2] + b'\0\1'  # end of bitmap
info = bytearray(data[14:14 + header])
struct.pack_into('<II', info, 16, 2, len(encoded))  # BI_RLE4, size of the encoded pixels
body = bytes(info) + palette + encoded
open('bmp_v3_rle4.bmp', 'wb').write(b'BM' + struct.pack('<IHHI', 14 + len(body), 0, 0, 14 + len(info) + len(palette)) + body)
PY

# --- Icons --------------------------------------------------------------------
quadrants 32 32 "$work/iquad.png"
convert "$work/iquad.png" \( -size 1x32 gradient:black-white -rotate 90 \) -gravity south -composite "$work/iramp.png"
convert -size 16x32 xc:red -size 16x32 xc:blue +append "$work/itwo.png"
convert "$work/itwo.png" -colors 2 ico_1.ico
convert "$work/iquad.png" -type Palette ico_4.ico
convert "$work/iramp.png" -type Palette ico_8.ico
# 32 bits with alpha: the top-left eighth is transparent.
convert "$work/iquad.png" -alpha set -region 8x8+0+0 -alpha transparent +region -type TrueColorAlpha ico_32.ico
convert -size 16x16 xc:red -size 32x32 xc:lime -size 48x48 xc:blue -size 256x256 xc:yellow ico_sizes.ico
# Two 32 x 32 images: the one with more colours is shown.
convert \( "$work/itwo.png" -colors 2 \) \( "$work/iquad.png" -type TrueColor \) ico_depths.ico
# 256 x 256 images are stored as PNG: with alpha, as icon editors write them
# (the top-left 32 x 32 pixels transparent), and with a palette, as PNG
# optimisers leave them. The palette one has colours whose red equals their
# blue: Wine 8 swaps the two in palette PNG icon images, Windows does not.
quadrants 256 256 "$work/quad256.png"
convert "$work/quad256.png" -alpha set -region 32x32+0+0 -alpha transparent +region PNG32:"$work/quad256a.png"
convert "$work/quad256a.png" ico_png256.ico
convert -size 128x128 xc:magenta -size 128x128 xc:lime +append \
        \( -size 128x128 xc:black -size 128x128 xc:gray50 +append \) -append -type Palette ico_png256_palette.ico
# ImageMagick writes no 24-bit icon image: this one wraps the pixels of its
# 24-bit bitmap with an all-opaque mask.
convert "$work/iquad.png" -type TrueColor bmp3:"$work/iquad24.bmp"
python3 - "$work/iquad24.bmp" <<'PY'
import struct, sys
data = open(sys.argv[1], 'rb').read()
offset, = struct.unpack_from('<I', data, 10)
info = bytearray(data[14:54])
width, height = struct.unpack_from('<ii', info, 4)
struct.pack_into('<i', info, 8, 2 * height)  # colour and mask rows
struct.pack_into('<I', info, 20, 0)         # image size: left to the reader
pixels = data[offset:offset + (width * 3 + 3) // 4 * 4 * height]
mask = b'\0' * ((width + 31) // 32 * 4 * height)
image = bytes(info) + pixels + mask
entry = struct.pack('<BBBBHHII', width, height, 0, 0, 1, 24, len(image), 6 + 16)
open('ico_24.ico', 'wb').write(struct.pack('<HHH', 0, 1, 1) + entry + image)
PY

# --- PNG, WebP and GIF: the bitmaps' 33 x 30 quadrants ---------------------------
# The red quadrant (16 x 15 at the top-left) transparent, or all at half alpha.
convert "$work/quad.png" +repage "$work/q.png"
convert "$work/q.png" -alpha set -region 16x15+0+0 -alpha transparent +region +repage PNG32:"$work/clear.png"
convert "$work/q.png" PNG24:png_truecolour.png
convert "$work/q.png" PNG8:png_palette.png
convert -size 33x15 xc:white -size 33x15 xc:black -append -type Grayscale PNG:png_grey.png
convert "$work/q.png" -depth 16 PNG48:png_16bit.png
convert "$work/q.png" -interlace PNG PNG24:png_interlaced.png
cp "$work/clear.png" png_alpha.png
convert "$work/q.png" -alpha set -channel A -evaluate set 50% +channel PNG32:png_half_alpha.png
convert "$work/clear.png" PNG8:png_palette_alpha.png   # a tRNS chunk
quadrants 560 520 png_twice.png   # twice the test pane, brought down
convert "$work/q.png" -quality 95 webp_lossy.webp
convert "$work/q.png" -define webp:lossless=true webp_lossless.webp
convert "$work/clear.png" -define webp:lossless=true webp_alpha.webp
convert "$work/q.png" gif_palette.gif
convert "$work/clear.png" gif_transparent.gif
convert -delay 50 "$work/q.png" -size 33x30 xc:magenta -loop 0 gif_animated.gif

# --- A photograph's size, brought down to a pane: 4032 x 3024 quadrants, and
# one-pixel stripes, black and white
quadrants 4032 3024 "$work/large.png"
convert "$work/large.png" -quality 90 large.jpg
convert "$work/large.png" PNG24:large.png
convert "$work/large.png" -quality 90 large.webp
convert xc:black xc:white +append -write mpr:stripe +delete -size 1800x120 tile:mpr:stripe PNG24:stripes.png

# --- JPEG: 64 x 48, and 61 x 45 for partial blocks ------------------------------
quadrants 64 48 "$work/jquad.png"
quadrants 61 45 "$work/jodd.png"
convert "$work/jquad.png" "$work/jquad.ppm"
convert "$work/jodd.png" "$work/jodd.ppm"
cjpeg -quality 95 -sample 2x2 -outfile jpeg_420.jpg "$work/jquad.ppm"
cjpeg -quality 95 -sample 2x1 -outfile jpeg_422.jpg "$work/jquad.ppm"
cjpeg -quality 95 -sample 1x1 -outfile jpeg_444.jpg "$work/jquad.ppm"
cjpeg -quality 95 -sample 2x2 -outfile jpeg_420_odd.jpg "$work/jodd.ppm"
cjpeg -quality 95 -optimize -outfile jpeg_optimized.jpg "$work/jquad.ppm"
cjpeg -quality 95 -progressive -outfile jpeg_progressive.jpg "$work/jquad.ppm"
cjpeg -quality 95 -grayscale -outfile jpeg_grey.jpg "$work/jquad.ppm"
cjpeg -quality 95 -restart 1 -outfile jpeg_restart_rows.jpg "$work/jquad.ppm"
cjpeg -quality 95 -restart 1B -sample 1x1 -outfile jpeg_restart_blocks.jpg "$work/jquad.ppm"
cjpeg -quality 95 -progressive -restart 1B -outfile jpeg_progressive_restart.jpg "$work/jquad.ppm"
cjpeg -quality 95 -arithmetic -outfile jpeg_arithmetic.jpg "$work/jquad.ppm"
convert "$work/jquad.png" -colorspace CMYK -quality 95 jpeg_cmyk.jpg   # Adobe marker, inverted inks
convert -size 16x16 xc:magenta "$work/thumb.ppm"
cjpeg -quality 90 -outfile "$work/thumb.jpg" "$work/thumb.ppm"
# Without their end marker FF D9, as a write cut short leaves them.
head -c -2 jpeg_420.jpg > jpeg_no_end.jpg
head -c -2 jpeg_progressive.jpg > jpeg_progressive_no_end.jpg

# A camera's layout: an Exif APP1 segment in place of JFIF's APP0, with a
# magenta thumbnail (a whole JPEG of its own) that must not be what is shown.
python3 - "$work/thumb.jpg" <<'PY'
import struct, sys
thumb = open(sys.argv[1], 'rb').read()

def ifd(entries, next_ifd, data_at):
    """Big-endian IFD; values over four bytes go to data_at onwards."""
    out, data = struct.pack('>H', len(entries)), b''
    for tag, kind, count, value in entries:
        if isinstance(value, bytes) and len(value) > 4:
            out += struct.pack('>HHII', tag, kind, count, data_at + len(data))
            data += value + b'\0' * (len(value) % 2)
        elif isinstance(value, bytes):
            out += struct.pack('>HHI', tag, kind, count) + value.ljust(4, b'\0')
        elif kind == 3:
            out += struct.pack('>HHIHH', tag, kind, count, value, 0)
        else:
            out += struct.pack('>HHII', tag, kind, count, value)
    return out + struct.pack('>I', next_ifd), data

def size(count, data_length):
    return 2 + 12 * count + 4 + data_length

ascii = lambda text: text.encode() + b'\0'
rational = lambda a, b: struct.pack('>II', a, b)
ifd0_entries = lambda exif_at: [
    (0x010F, 2, 9, ascii('rokabina')),      # Make
    (0x0110, 2, 7, ascii('corpus')),        # Model
    (0x0112, 3, 1, 1),                      # Orientation: as stored
    (0x011A, 5, 1, rational(72, 1)),        # XResolution
    (0x011B, 5, 1, rational(72, 1)),        # YResolution
    (0x0128, 3, 1, 2),                      # ResolutionUnit: inch
    (0x8769, 4, 1, exif_at),                # Exif IFD
]
exif_entries = [
    (0x9000, 7, 4, b'0232'),                # ExifVersion
    (0x9003, 2, 20, ascii('2024:01:02 03:04:05')),  # DateTimeOriginal
    (0xA002, 4, 1, 64), (0xA003, 4, 1, 48), # PixelXDimension, PixelYDimension
]
thumb_entries = lambda at: [(0x0103, 3, 1, 6), (0x0201, 4, 1, at), (0x0202, 4, 1, len(thumb))]

ifd0_at = 8
_, ifd0_data = ifd(ifd0_entries(0), 0, 0)
exif_at = ifd0_at + size(7, len(ifd0_data))
_, exif_data = ifd(exif_entries, 0, 0)
ifd1_at = exif_at + size(len(exif_entries), len(exif_data))
thumb_at = ifd1_at + size(3, 0)
ifd0, data0 = ifd(ifd0_entries(exif_at), ifd1_at, ifd0_at + 2 + 12 * 7 + 4)
exif, data1 = ifd(exif_entries, 0, exif_at + 2 + 12 * len(exif_entries) + 4)
ifd1, _ = ifd(thumb_entries(thumb_at), 0, 0)
tiff = b'MM\0\x2A' + struct.pack('>I', ifd0_at) + ifd0 + data0 + exif + data1 + ifd1 + thumb
assert len(tiff) - len(thumb) == thumb_at
segment = b'Exif\0\0' + tiff

jpeg = open('jpeg_420.jpg', 'rb').read()
assert jpeg[2:4] == b'\xFF\xE0'  # JFIF APP0 after SOI: replaced
app0_end = 4 + struct.unpack_from('>H', jpeg, 4)[0]
open('jpeg_exif.jpg', 'wb').write(b'\xFF\xD8\xFF\xE1' + struct.pack('>H', len(segment) + 2) + segment + jpeg[app0_end:])
PY
