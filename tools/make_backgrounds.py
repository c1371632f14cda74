#!/usr/bin/env python3
"""Draws the eight background pictures of the tinted colour schemes.

Each picture is a light, brushed-metal gradient in its scheme's tint (derived from the scheme's
light and dark background colours), written as a 24-bit BMP with the standard library only.
The pictures are stretched over the calculator window, so they stay small and calm: a vertical
gradient, fine horizontal brush strokes and one soft diagonal sheen, nothing that could compete
with the keys.

    tools/make_backgrounds.py [OUTPUT_FOLDER]     (default: resources/images)

The output is deterministic: the same script always writes the same bytes.
"""

import math
import os
import random
import struct
import sys

WIDTH = 240
HEIGHT = 400

# (file, clrBk, clrBkk) for schemes 1-8; colours as stored: 0x00BBGGRR.
SCHEMES = [
    ("Bkc_gold.bmp", 0xA5B4B2, 0x788A8C),
    ("Bkc_silver.bmp", 0xC3BEB9, 0x918782),
    ("Bkc_lilac.bmp", 0xB4AAA3, 0x917878),
    ("Bkc_blue.bmp", 0xB4AFA5, 0x917D6E),
    ("Bkc_olive.bmp", 0xA5B4AF, 0x788C82),
    ("Bkc_teal.bmp", 0xB4B4A5, 0x8C8772),
    ("Bkc_red.bmp", 0xA5AAB4, 0x78788C),
    ("Bkc_green.bmp", 0xA5B4AA, 0x788C78),
]


def rgb_of(colour_ref):
    """0x00BBGGRR -> (r, g, b)."""
    return (colour_ref & 0xFF, (colour_ref >> 8) & 0xFF, (colour_ref >> 16) & 0xFF)


def mix(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def tint_strength(light, dark):
    """Pushes the tint of the light colour a little further along light - dark, so the
    pictures of schemes whose light colours are nearly grey still differ visibly."""
    grey = sum(light) / 3.0
    return tuple(grey + (c - grey) * 1.6 for c in light)


def brushed_noise(rng, width, height):
    """Horizontal brush strokes: white noise smoothed along each row, plus a row offset."""
    rows = []
    kernel = 9
    for _ in range(height):
        raw = [rng.uniform(-1.0, 1.0) for _ in range(width + kernel)]
        row_offset = rng.uniform(-0.6, 0.6)
        smoothed = []
        total = sum(raw[:kernel])
        for x in range(width):
            smoothed.append(total / kernel * 1.8 + row_offset)
            total += raw[x + kernel] - raw[x]
        rows.append(smoothed)
    return rows


def draw(light_ref, dark_ref, seed):
    light = rgb_of(light_ref)
    dark = rgb_of(dark_ref)
    tinted = tint_strength(light, dark)
    white = (255.0, 255.0, 255.0)
    top = mix(tinted, white, 0.55)
    bottom = mix(tinted, white, 0.18)
    rng = random.Random(seed)
    noise = brushed_noise(rng, WIDTH, HEIGHT)

    pixels = []
    for y in range(HEIGHT):
        t = y / (HEIGHT - 1)
        # Eased so the top half stays light where the display sits.
        base = mix(top, bottom, t * t * (3 - 2 * t))
        row = []
        for x in range(WIDTH):
            # A soft diagonal sheen across the upper third.
            d = (x * 0.55 + y - HEIGHT * 0.28) / (HEIGHT * 0.09)
            sheen = 9.0 * math.exp(-d * d)
            # A faint vignette towards the lower corners.
            edge = abs(x - WIDTH / 2) / (WIDTH / 2)
            shade = -6.0 * edge * edge * t
            grain = noise[y][x] * 2.2
            row.append(tuple(
                max(0, min(255, int(round(c + sheen + shade + grain)))) for c in base))
        pixels.append(row)
    return pixels


def write_bmp(path, pixels):
    height = len(pixels)
    width = len(pixels[0])
    row_bytes = width * 3
    padding = (4 - row_bytes % 4) % 4
    image_size = (row_bytes + padding) * height
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + image_size, 0, 0, 14 + 40)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, image_size, 2835, 2835, 0, 0)
    body = bytearray()
    for row in reversed(pixels):  # BMP rows run bottom-up
        for r, g, b in row:
            body += bytes((b, g, r))
        body += b"\0" * padding
    with open(path, "wb") as out:
        out.write(header + info + bytes(body))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "resources", "images")
    os.makedirs(folder, exist_ok=True)
    for index, (name, light, dark) in enumerate(SCHEMES):
        write_bmp(os.path.join(folder, name), draw(light, dark, seed=4141 + index))
        print(os.path.join(folder, name))


if __name__ == "__main__":
    main()
