#!/usr/bin/env python3
"""Draws the calculator's icon: a dark keypad body with its display and a grid of keys, written
as RGBA PNG files in several sizes with the standard library only (4 x 4 supersampling).

    tools/make_icon.py [OUTPUT_FOLDER]     (default: resources/icons)

The same shapes are also written as a scalable SVG (zykcalc.svg) for the desktop's icon theme.
"""

import os
import struct
import sys
import zlib

SIZES = [16, 32, 48, 64, 128, 256]
SAMPLES = 4


def rounded_rect(x0, y0, x1, y1, radius):
    def inside(x, y):
        if x < x0 or x > x1 or y < y0 or y > y1:
            return False
        cx = min(max(x, x0 + radius), x1 - radius)
        cy = min(max(y, y0 + radius), y1 - radius)
        return (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius
    return inside


BODY = rounded_rect(0.12, 0.03, 0.88, 0.97, 0.11)
DISPLAY = rounded_rect(0.20, 0.11, 0.80, 0.33, 0.035)
KEY_COLUMNS = 3
KEY_ROWS = 4


def key_at(x, y):
    """(column, row) of the key under (x, y), or None."""
    left, top, right, bottom = 0.20, 0.41, 0.80, 0.89
    gap = 0.045
    width = (right - left - gap * (KEY_COLUMNS - 1)) / KEY_COLUMNS
    height = (bottom - top - gap * (KEY_ROWS - 1)) / KEY_ROWS
    for row in range(KEY_ROWS):
        for column in range(KEY_COLUMNS):
            kx = left + column * (width + gap)
            ky = top + row * (height + gap)
            if rounded_rect(kx, ky, kx + width, ky + height, 0.025)(x, y):
                return column, row
    return None


def display_text(x, y):
    """Two bars of an equals sign and three digit blocks, in the display's yellow."""
    if 0.255 <= x <= 0.335 and (0.185 <= y <= 0.205 or 0.235 <= y <= 0.255):
        return True
    for i in range(3):
        bx = 0.45 + i * 0.105
        if bx <= x <= bx + 0.075 and 0.165 <= y <= 0.275:
            return True
    return False


def colour_at(x, y):
    """RGBA of one sample point in unit coordinates."""
    if not BODY(x, y):
        return (0, 0, 0, 0)
    if DISPLAY(x, y):
        return (220, 220, 100, 255) if display_text(x, y) else (60, 70, 80, 255)
    key = key_at(x, y)
    if key is not None:
        column, row = key
        if (column, row) == (KEY_COLUMNS - 1, KEY_ROWS - 1):
            return (214, 172, 84, 255)  # the EXE key, in gold
        if row == 0:
            return (140, 160, 180, 255)
        return (200, 200, 200, 255)
    shade = int(78 - 26 * y)  # the body darkens downwards
    return (shade, shade + 2, shade + 6, 255)


def render(size):
    rows = []
    for py in range(size):
        row = bytearray()
        for px in range(size):
            total = [0, 0, 0, 0]
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    r, g, b, a = colour_at((px + (sx + 0.5) / SAMPLES) / size,
                                           (py + (sy + 0.5) / SAMPLES) / size)
                    total[0] += r * a
                    total[1] += g * a
                    total[2] += b * a
                    total[3] += a
            alpha = total[3] / (SAMPLES * SAMPLES)
            if total[3] == 0:
                row += bytes((0, 0, 0, 0))
            else:
                row += bytes((round(total[0] / total[3]), round(total[1] / total[3]),
                              round(total[2] / total[3]), round(alpha)))
        rows.append(bytes(row))
    return rows


def svg_rect(x0, y0, x1, y1, radius, fill, scale=256):
    return ('<rect x="%g" y="%g" width="%g" height="%g" rx="%g" fill="%s"/>'
            % (round(x0 * scale, 2), round(y0 * scale, 2), round((x1 - x0) * scale, 2),
               round((y1 - y0) * scale, 2), round(radius * scale, 2), fill))


def render_svg():
    """The icon as SVG: the shapes of colour_at, at 256 units."""
    def rgb(r, g, b):
        return "#%02x%02x%02x" % (r, g, b)
    top, bottom = int(78 - 26 * 0.03), int(78 - 26 * 0.97)
    parts = [
        '<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">',
        '<defs><linearGradient id="body" x1="0" y1="0" x2="0" y2="1">'
        '<stop offset="0" stop-color="%s"/><stop offset="1" stop-color="%s"/>'
        '</linearGradient></defs>' % (rgb(top, top + 2, top + 6), rgb(bottom, bottom + 2, bottom + 6)),
        svg_rect(0.12, 0.03, 0.88, 0.97, 0.11, "url(#body)"),
        svg_rect(0.20, 0.11, 0.80, 0.33, 0.035, rgb(60, 70, 80)),
    ]
    yellow = rgb(220, 220, 100)
    parts.append(svg_rect(0.255, 0.185, 0.335, 0.205, 0, yellow))
    parts.append(svg_rect(0.255, 0.235, 0.335, 0.255, 0, yellow))
    for i in range(3):
        bx = 0.45 + i * 0.105
        parts.append(svg_rect(bx, 0.165, bx + 0.075, 0.275, 0, yellow))
    left, top_edge, right, bottom_edge, gap = 0.20, 0.41, 0.80, 0.89, 0.045
    width = (right - left - gap * (KEY_COLUMNS - 1)) / KEY_COLUMNS
    height = (bottom_edge - top_edge - gap * (KEY_ROWS - 1)) / KEY_ROWS
    for row in range(KEY_ROWS):
        for column in range(KEY_COLUMNS):
            kx = left + column * (width + gap)
            ky = top_edge + row * (height + gap)
            if (column, row) == (KEY_COLUMNS - 1, KEY_ROWS - 1):
                fill = rgb(214, 172, 84)
            elif row == 0:
                fill = rgb(140, 160, 180)
            else:
                fill = rgb(200, 200, 200)
            parts.append(svg_rect(kx, ky, kx + width, ky + height, 0.025, fill))
    parts.append("</svg>")
    return "\n".join(parts) + "\n"


def write_png(path, rows, size):
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    raw = b"".join(b"\0" + row for row in rows)
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n")
        out.write(chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)))
        out.write(chunk(b"IDAT", zlib.compress(raw, 9)))
        out.write(chunk(b"IEND", b""))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "resources", "icons")
    os.makedirs(folder, exist_ok=True)
    for size in SIZES:
        path = os.path.join(folder, "zykcalc-%d.png" % size)
        write_png(path, render(size), size)
        print(path)
    path = os.path.join(folder, "zykcalc.svg")
    with open(path, "w") as out:
        out.write(render_svg())
    print(path)


if __name__ == "__main__":
    main()
