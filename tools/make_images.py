#!/usr/bin/env python3
"""Builds Ternwick's icons and bitmaps from the text pixel maps in
resources/art, so every picture in the program has a readable source.

    make_images.py icon OUT.ico MAP.txt [MAP.txt ...]   one image per map
    make_images.py png OUT.png SCALE MAP.txt   the map as a PNG, each pixel
                                               a SCALE x SCALE square
    make_images.py logo OUT.bmp [large|N/D]     the About box picture, 8 bits
    make_images.py divider OUT.bmp [large|N/D]  the About box rule, 4 bits

The bitmaps are run-length encoded (RLE8 for 8 bits, RLE4 for 4): their
drawings are long runs of one colour.

The bitmaps' base sizes and the larger scale are those of
resources/resource.h (LOGO_SIZE, DIVIDER_WIDTH, DIVIDER_HEIGHT and
BITMAP_LARGE_SCALE); "large" draws them at that scale and a fraction such
as 3/2 at that one, every size rounded up, for dialogs at least that much
larger (a larger logo in 4 bits: its ten colours fit).

A map has one character per pixel; '#' lines are comments. The characters
name colours of the standard 16-colour palette; '.' is transparent. The
two bitmaps are drawn here from rectangles and circles.
"""
import math
import os
import re
import struct
import sys
import zlib
from fractions import Fraction

PALETTE16 = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
# Map characters to palette indices.
COLOURS = {'k': 0, 'K': 8, 'g': 7, 'w': 15, 't': 6, 'T': 14, 'r': 9, 'B': 12, '.': 0}


def read_map(path):
    rows = [line.rstrip('\n') for line in open(path) if not line.startswith('#')]
    width = len(rows[0])
    for number, row in enumerate(rows):
        if len(row) != width:
            sys.exit(f"{path}: row {number} is {len(row)} wide, not {width}")
        unknown = set(row) - set(COLOURS)
        if unknown:
            sys.exit(f"{path}: row {number} has unknown colours {sorted(unknown)}")
    return rows


def dib_rows(rows, bits, pixel):
    """Packs rows bottom-up into DWORD-aligned scan lines of the given depth."""
    out = bytearray()
    for row in reversed(rows):
        line = 0
        for ch in row:
            line = (line << bits) | pixel(ch)
        pad_bits = (-len(row) * bits) % 32
        total = (len(row) * bits + pad_bits) // 8
        out += (line << pad_bits).to_bytes(total, 'big')
    return bytes(out)


def bitmap_info(width, height, bits, colours, compression=0, image_size=0):
    header = struct.pack('<IiiHHIIiiII', 40, width, height, 1, bits, compression, image_size,
                         0, 0, len(colours), len(colours))
    return header + b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in colours)


def icon_image(rows):
    height, width = len(rows), len(rows[0])
    info = bitmap_info(width, height * 2, 4, PALETTE16)
    colour = dib_rows(rows, 4, lambda ch: COLOURS[ch])
    mask = dib_rows(rows, 1, lambda ch: 1 if ch == '.' else 0)
    return width, height, info + colour + mask


def write_icon(out, maps):
    images = [icon_image(read_map(path)) for path in maps]
    data = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for width, height, image in images:
        data += struct.pack('<BBBBHHII', width, height, 16, 0, 1, 4, len(image), offset)
        offset += len(image)
    data += b''.join(image for _, _, image in images)
    open(out, 'wb').write(data)


def png_chunk(kind, data):
    return struct.pack('>I', len(data)) + kind + data + \
        struct.pack('>I', zlib.crc32(kind + data))


def write_png(out, path, scale):
    """The map as 8-bit RGBA, '.' fully transparent, for desktop launchers."""
    rows = read_map(path)
    raw = bytearray()
    for row in rows:
        line = bytearray(b'\0')   # filter type: none
        for ch in row:
            r, g, b = PALETTE16[COLOURS[ch]]
            line += bytes((r, g, b, 0 if ch == '.' else 255)) * scale
        raw += bytes(line) * scale
    width, height = len(rows[0]) * scale, len(rows) * scale
    header = struct.pack('>IIBBBBB', width, height, 8, 6, 0, 0, 0)
    open(out, 'wb').write(b'\x89PNG\r\n\x1a\n' + png_chunk(b'IHDR', header) +
                          png_chunk(b'IDAT', zlib.compress(bytes(raw), 9)) +
                          png_chunk(b'IEND', b''))


# The run-length compressions of 8- and 4-bit bitmaps (BI_RLE8, BI_RLE4).
RLE_COMPRESSION = {8: 1, 4: 2}
RLE_LONGEST_RUN = 255


def rle_rows(pixels, bits):
    """Encodes rows bottom-up as runs of one index: a count and the index
    (in both nibbles for 4 bits), an end-of-line mark after each row and
    an end-of-bitmap mark after the last."""
    out = bytearray()
    for row in reversed(pixels):
        x = 0
        while x < len(row):
            run = 1
            while x + run < len(row) and row[x + run] == row[x] and run < RLE_LONGEST_RUN:
                run += 1
            out += bytes((run, row[x] * 0x11 if bits == 4 else row[x]))
            x += run
        out += b'\0\0'
    out[-2:] = b'\0\1'
    return bytes(out)


def write_bitmap(out, pixels, bits, colours):
    """pixels: rows of palette indices, top row first; stored run-length
    encoded."""
    height, width = len(pixels), len(pixels[0])
    data = rle_rows(pixels, bits)
    info = bitmap_info(width, height, bits, colours, RLE_COMPRESSION[bits], len(data))
    header = struct.pack('<2sIHHI', b'BM', 14 + len(info) + len(data), 0, 0, 14 + len(info))
    open(out, 'wb').write(header + info + data)


# Drawings give their coordinates at the base size; SCALE multiplies them,
# so a larger bitmap is drawn anew rather than stretched. A coordinate at a
# fractional scale rounds up, so edges and sizes round alike.
SCALE = Fraction(1)


def px(value):
    return math.ceil(value * SCALE)


def resource_numbers():
    """The #define numbers of resources/resource.h, by name."""
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'resources',
                        'resource.h')
    found = re.findall(r'^#define\s+(\w+)\s+(\d+)\s*$', open(path).read(), re.M)
    return {name: int(value) for name, value in found}


SIZES = resource_numbers()


def canvas(width, height, index):
    return [[index] * px(width) for _ in range(px(height))]


def fill(pixels, left, top, right, bottom, index):
    for y in range(px(top), px(bottom)):
        for x in range(px(left), px(right)):
            pixels[y][x] = index


def disc(pixels, cx, cy, radius, index):
    cx, cy = math.floor((cx * 2 + 1) * SCALE / 2), math.floor((cy * 2 + 1) * SCALE / 2)
    radius = math.floor(radius * SCALE)
    for y in range(cy - radius, cy + radius + 1):
        for x in range(cx - radius, cx + radius + 1):
            if (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius:
                pixels[y][x] = index


# A person at a desk in front of a monitor showing a hexadecimal row.
LOGO_COLOURS = [
    (0xF8, 0xF8, 0xF4), (0x20, 0x20, 0x20), (0x70, 0x78, 0x80), (0x00, 0xB0, 0xC0),
    (0xE8, 0xB8, 0x90), (0x30, 0x50, 0xA0), (0x90, 0x60, 0x30), (0x40, 0x30, 0x20),
    (0xFF, 0xFF, 0xFF), (0xC0, 0xC8, 0xD0),
]
BACK, INK, STEEL, SCREEN, SKIN, SHIRT, WOOD, HAIR, GLOW, PALE = range(10)


def draw_logo():
    # The drawing's coordinates are those of a 48-pixel square.
    p = canvas(SIZES['LOGO_SIZE'], SIZES['LOGO_SIZE'], BACK)
    fill(p, 22, 8, 46, 27, STEEL)          # monitor frame
    fill(p, 24, 10, 44, 25, SCREEN)        # screen
    for x in range(26, 42, 4):             # digits on the screen
        fill(p, x, 16, x + 2, 20, GLOW)
    fill(p, 32, 27, 36, 31, STEEL)         # monitor foot
    fill(p, 0, 31, 48, 34, WOOD)           # desk top
    fill(p, 2, 34, 5, 47, WOOD)            # desk legs
    fill(p, 43, 34, 46, 47, WOOD)
    fill(p, 24, 29, 40, 31, PALE)          # keyboard
    disc(p, 11, 12, 5, SKIN)               # head
    fill(p, 6, 6, 17, 10, HAIR)
    fill(p, 5, 19, 18, 31, SHIRT)          # body
    fill(p, 16, 23, 26, 26, SHIRT)         # arm reaching for the keyboard
    fill(p, 25, 23, 28, 26, SKIN)          # hand
    fill(p, 7, 34, 11, 46, INK)            # chair
    fill(p, 5, 31, 18, 34, INK)
    # The palette lists the ten colours used, whatever the depth.
    return p, LOGO_COLOURS


# A near-white strip, a small cyan ornament near the left end and a dark
# slate-grey rule in the lower rows.
DIVIDER_COLOURS = [(0xF8, 0xF8, 0xF4), (0x2F, 0x4F, 0x4F), (0x00, 0xC0, 0xC8)] + \
    [(0, 0, 0)] * 13


def draw_divider():
    width, height = SIZES['DIVIDER_WIDTH'], SIZES['DIVIDER_HEIGHT']
    p = canvas(width, height, 0)
    fill(p, 0, height - 3, width, height - 1, 1)
    for y in range(0, 9):
        half = 4 - abs(y - 4)
        fill(p, 12 - half, y, 13 + half, y + 1, 2)
    return p, DIVIDER_COLOURS


def main(argv):
    global SCALE
    if len(argv) == 4 and argv[1] in ('logo', 'divider'):
        scale = argv.pop()
        large = scale == 'large'
        if not large and not re.fullmatch(r'[1-9]\d*/[1-9]\d*', scale):
            sys.exit(__doc__)
        SCALE = Fraction(SIZES['BITMAP_LARGE_SCALE']) if large else Fraction(scale)
    if len(argv) >= 4 and argv[1] == 'icon':
        write_icon(argv[2], argv[3:])
    elif len(argv) == 5 and argv[1] == 'png' and argv[3].isdigit():
        write_png(argv[2], argv[4], int(argv[3]))
    elif len(argv) == 3 and argv[1] == 'logo' and SCALE > 1:
        # Ten colours fit four bits: the larger picture stays small.
        pixels, colours = draw_logo()
        write_bitmap(argv[2], pixels, 4, colours)
    elif len(argv) == 3 and argv[1] == 'logo':
        pixels, colours = draw_logo()
        write_bitmap(argv[2], pixels, 8, colours)
    elif len(argv) == 3 and argv[1] == 'divider':
        pixels, colours = draw_divider()
        write_bitmap(argv[2], pixels, 4, colours)
    else:
        sys.exit(__doc__)


if __name__ == '__main__':
    main(sys.argv)
