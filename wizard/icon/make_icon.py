#!/usr/bin/env python3
"""Writes Korvane.ico, the application icon: a white K on a blue rounded square, 32x32 and 16x16,
32 bits per pixel. Run from this folder: python3 make_icon.py"""
import struct

# The letter on a 16 x 16 grid; scaled by two for the large image.
K = [
    "................",
    "................",
    "...##......##...",
    "...##.....##....",
    "...##....##.....",
    "...##...##......",
    "...##..##.......",
    "...##.##........",
    "...####.........",
    "...##.##........",
    "...##..##.......",
    "...##...##......",
    "...##....##.....",
    "...##.....##....",
    "...##......##...",
    "................",
]


def pixel(x, y, size):
    scale = size // 16
    gx, gy = x // scale, y // scale
    corner = 2 * scale
    # Cut the corners for a rounded square; outside is transparent.
    for cx, cy in ((0, 0), (size - 1, 0), (0, size - 1), (size - 1, size - 1)):
        if abs(x - cx) + abs(y - cy) < corner:
            return (0, 0, 0, 0)
    if K[gy][gx] == "#":
        return (255, 255, 255, 255)
    shade = 150 + (105 * y) // size  # a light top fading to a deeper blue
    return (shade, 90, 30, 255)  # blue, green, red, alpha


def image(size):
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    rows = []
    for y in reversed(range(size)):  # bottom-up
        rows.append(b"".join(bytes(pixel(x, y, size)) for x in range(size)))
    mask_row = b"\x00" * (((size + 31) // 32) * 4)
    return header + b"".join(rows) + mask_row * size


images = [image(32), image(16)]
out = struct.pack("<HHH", 0, 1, len(images))
offset = 6 + 16 * len(images)
for size, data in zip((32, 16), images):
    out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), offset)
    offset += len(data)
out += b"".join(images)
with open("Korvane.ico", "wb") as f:
    f.write(out)
