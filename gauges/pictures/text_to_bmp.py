#!/usr/bin/env python3
"""Draws a gauge picture from its text form into a 24-bit Windows bitmap.

The text form starts with palette lines "<char> #rrggbb", then one blank line, then one line
of characters per pixel row, top row first; every row has the picture's width. The gauge
modules carry the resulting .bmp files as bitmap resources; run this after changing a picture:

    gauges/pictures/text_to_bmp.py picture.txt picture.bmp
"""
import struct
import sys


def read_picture(path):
    with open(path, encoding="ascii") as f:
        lines = f.read().splitlines()
    blank = lines.index("")
    palette = {}
    for line in lines[:blank]:
        char, colour = line.split()
        palette[char] = bytes.fromhex(colour.lstrip("#"))
    rows = [row for row in lines[blank + 1:] if row]
    width = len(rows[0])
    if any(len(row) != width for row in rows):
        sys.exit(f"{path}: rows differ in width")
    return palette, rows, width


def write_bmp(path, palette, rows, width):
    row_size = (width * 3 + 3) // 4 * 4
    pixels = bytearray()
    for row in reversed(rows):  # bitmaps store the bottom row first
        line = bytearray()
        for char in row:
            r, g, b = palette[char]
            line += bytes((b, g, r))
        pixels += line + bytes(row_size - len(line))
    header_size = 14 + 40
    file_header = struct.pack("<2sIHHI", b"BM", header_size + len(pixels), 0, 0, header_size)
    info_header = struct.pack("<IiiHHIIiiII", 40, width, len(rows), 1, 24, 0, len(pixels),
                              2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(file_header + info_header + pixels)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    write_bmp(sys.argv[2], *read_picture(sys.argv[1]))
