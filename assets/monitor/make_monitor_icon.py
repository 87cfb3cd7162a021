#!/usr/bin/env python3
"""Draws an application icon: a small keyboard (dark body, three rows of light
keys, one accent key) at 16, 32 and 48 pixels, written as a Windows .ico file
with 32-bit images. The monitor's accent key is orange; another accent is
given as RRGGBB after the path (the option application's is the skin's blue)."""
import struct
import sys

BODY = (0x2B, 0x30, 0x3A, 0xFF)
EDGE = (0x14, 0x17, 0x1C, 0xFF)
KEY = (0xD8, 0xE4, 0xF0, 0xFF)
ACCENT = (0xFF, 0x8A, 0x1E, 0xFF)
CLEAR = (0, 0, 0, 0)


def draw(size, accent):
    """Pixels (r, g, b, a) row by row, top row first."""
    px = [[CLEAR] * size for _ in range(size)]
    top, bottom = size // 4, size * 7 // 8 - 1
    left, right = 0, size - 1
    for y in range(top, bottom + 1):
        for x in range(left, right + 1):
            corner = (y in (top, bottom)) and (x in (left, right))
            if corner:
                continue
            edge = y in (top, bottom) or x in (left, right)
            px[y][x] = EDGE if edge else BODY
    unit = max(1, size // 16)
    rows = 3
    inner_top = top + 2 * unit
    row_h = (bottom - 2 * unit + 1 - inner_top + unit) // rows
    for r in range(rows):
        y0 = inner_top + r * row_h
        x = left + 2 * unit + (r * unit if size >= 32 else 0)
        step = max(2, unit * 3)
        while x + step - unit <= right - 2 * unit:
            colour = accent if (r == 0 and x == left + 2 * unit) else KEY
            for y in range(y0, y0 + max(1, row_h - unit)):
                for xx in range(x, x + step - unit):
                    px[y][xx] = colour
            x += step
    return px


def image(size, accent):
    px = draw(size, accent)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b''.join(bytes((b, g, r, a)) for row in reversed(px) for (r, g, b, a) in row)
    mask_row = ((size + 31) // 32) * 4
    mask = b''
    for row in reversed(px):
        bits = bytearray(mask_row)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(bits)
    return header + colour + mask


def main(path, accent=ACCENT):
    sizes = (16, 32, 48)
    images = [image(s, accent) for s in sizes]
    out = struct.pack('<HHH', 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for size, data in zip(sizes, images):
        out += struct.pack('<BBBBHHII', size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(path, 'wb') as f:
        f.write(out + b''.join(images))


if __name__ == '__main__':
    if len(sys.argv) > 2:
        rgb = int(sys.argv[2], 16)
        main(sys.argv[1], (rgb >> 16, (rgb >> 8) & 255, rgb & 255, 0xFF))
    else:
        main(sys.argv[1])
