#!/usr/bin/env python3
"""Draws the program icon: a sky-blue clipboard with a paper and a steel clip.

Writes a Windows .ico with eight 32-bit images (128, 96, 72, 64, 48, 32, 24 and 16 pixels),
each drawn at 4x4 supersampling so that edges are smooth at every size.
Usage: make_icon.py OUT.ico
"""
import struct
import sys

SIZES = [128, 96, 72, 64, 48, 32, 24, 16]
SAMPLES = 4


def rounded_rect(x, y, left, top, right, bottom, radius):
    if not (left <= x <= right and top <= y <= bottom):
        return False
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def shade(u, v):
    """Colour (r, g, b, a) of the unit-square point (u, v), or None where transparent."""
    # The clip on top of the board.
    if rounded_rect(u, v, 0.34, 0.04, 0.66, 0.20, 0.05):
        if rounded_rect(u, v, 0.43, 0.07, 0.57, 0.13, 0.02):
            return None
        return (96, 110, 128, 255)
    # The board.
    if rounded_rect(u, v, 0.12, 0.10, 0.88, 0.97, 0.09):
        # The paper, with lines of text.
        if rounded_rect(u, v, 0.21, 0.22, 0.79, 0.89, 0.03):
            for top in (0.34, 0.46, 0.58, 0.70):
                width = 0.40 if top == 0.70 else 0.50
                if 0.29 <= u <= 0.29 + width and top <= v <= top + 0.045:
                    return (0, 64, 128, 255)
            return (255, 255, 255, 255)
        # A gentle vertical gradient from light to deeper sky blue.
        t = (v - 0.10) / 0.87
        return (int(135 - 40 * t), int(206 - 40 * t), int(250 - 20 * t), 255)
    return None


def image(size):
    pixels = []
    for y in range(size):
        row = []
        for x in range(size):
            r = g = b = a = 0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    c = shade((x + (sx + 0.5) / SAMPLES) / size, (y + (sy + 0.5) / SAMPLES) / size)
                    if c:
                        r += c[0] * c[3]
                        g += c[1] * c[3]
                        b += c[2] * c[3]
                        a += c[3]
            n = SAMPLES * SAMPLES
            if a:
                row.append((r // a, g // a, b // a, a // n))
            else:
                row.append((0, 0, 0, 0))
        pixels.append(row)
    return pixels


def dib(size):
    pixels = image(size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    color = b"".join(struct.pack("<BBBB", p[2], p[1], p[0], p[3]) for row in reversed(pixels) for p in row)
    mask_row = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(pixels):
        bits = bytearray(mask_row)
        for x, p in enumerate(row):
            if p[3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + color + bytes(mask)


def main():
    images = [dib(s) for s in SIZES]
    out = bytearray(struct.pack("<HHH", 0, 1, len(SIZES)))
    offset = 6 + 16 * len(SIZES)
    for size, data in zip(SIZES, images):
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for data in images:
        out += data
    with open(sys.argv[1], "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main()
