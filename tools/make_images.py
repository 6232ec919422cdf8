#!/usr/bin/env python3
"""Builds Ternwick's icons and bitmaps from the text pixel maps in
resources/art, so every picture in the program has a readable source.

    make_images.py icon OUT.ico MAP.txt [MAP.txt ...]   one image per map

A map has one character per pixel; '#' lines are comments. The characters
name colours of the standard 16-colour palette; '.' is transparent.
"""
import struct
import sys

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


def bitmap_info(width, height, bits, colours):
    header = struct.pack('<IiiHHIIiiII', 40, width, height, 1, bits, 0, 0, 0, 0,
                         len(colours), len(colours))
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


def main(argv):
    if len(argv) < 4 or argv[1] != 'icon':
        sys.exit(__doc__)
    write_icon(argv[2], argv[3:])


if __name__ == '__main__':
    main(sys.argv)
