#!/usr/bin/env python3
"""Draws the program's 32 x 32 icon: a dark-blue tile with a white letter A and a small
red "a" beside it, written as a 32-bit ICO. Pure Python, no imaging library.
Run: python3 make_icon.py  (writes glyphbox.ico beside this script)"""
import os
import struct

SIZE = 32
SS = 4  # supersamples per pixel side, for smooth edges


def inside_polygon(x, y, poly):
    hit = False
    j = len(poly) - 1
    for i in range(len(poly)):
        xi, yi = poly[i]
        xj, yj = poly[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            hit = not hit
        j = i
    return hit


def in_rounded_rect(x, y, l, t, r, b, rad):
    if not (l <= x <= r and t <= y <= b):
        return False
    cx = min(max(x, l + rad), r - rad)
    cy = min(max(y, t + rad), b - rad)
    return (x - cx) ** 2 + (y - cy) ** 2 <= rad * rad


def in_ring(x, y, cx, cy, ro, ri):
    d = (x - cx) ** 2 + (y - cy) ** 2
    return ri * ri <= d <= ro * ro


# The big A: two legs and a crossbar.
LEFT_LEG = [(5.5, 26), (9.5, 26), (15.5, 7), (13, 5)]
RIGHT_LEG = [(13, 5), (16, 5), (22.5, 26), (18.5, 26)]
BAR = [(9.5, 18), (19.5, 18), (20.3, 21), (8.6, 21)]


def colour_at(x, y):
    if not in_rounded_rect(x, y, 1, 1, 31, 31, 5):
        return None
    if any(inside_polygon(x, y, p) for p in (LEFT_LEG, RIGHT_LEG, BAR)):
        return (255, 255, 255)
    # the small a: a ring and its stem
    if in_ring(x, y, 24.5, 22.5, 3.6, 1.8) or (26.4 <= x <= 28.2 and 19.4 <= y <= 26.2):
        return (240, 80, 70)
    return (20, 40, 130)


def render():
    pixels = []
    for py in range(SIZE):
        row = []
        for px in range(SIZE):
            acc = [0, 0, 0, 0]
            for sy in range(SS):
                for sx in range(SS):
                    c = colour_at(px + (sx + 0.5) / SS, py + (sy + 0.5) / SS)
                    if c:
                        acc[0] += c[0]
                        acc[1] += c[1]
                        acc[2] += c[2]
                        acc[3] += 1
            n = acc[3]
            if n == 0:
                row.append((0, 0, 0, 0))
            else:
                row.append((acc[0] // n, acc[1] // n, acc[2] // n, 255 * n // (SS * SS)))
        pixels.append(row)
    return pixels


def ico_bytes(pixels):
    # BITMAPINFOHEADER with doubled height (colour + mask), bottom-up rows, BGRA.
    header = struct.pack('<IiiHHIIiiII', 40, SIZE, SIZE * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b''.join(bytes((b, g, r, a)) for row in reversed(pixels) for (r, g, b, a) in row)
    mask_row_bytes = ((SIZE + 31) // 32) * 4
    mask = b''
    for row in reversed(pixels):
        bits = 0
        for i, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits |= 1 << (31 - i)
        mask += bits.to_bytes(4, 'big') + b'\0' * (mask_row_bytes - 4)
    image = header + colour + mask
    directory = struct.pack('<HHH', 0, 1, 1) + struct.pack('<BBBBHHII', SIZE, SIZE, 0, 0, 1, 32, len(image), 22)
    return directory + image


if __name__ == '__main__':
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'glyphbox.ico')
    with open(out, 'wb') as f:
        f.write(ico_bytes(render()))
    print(out)
