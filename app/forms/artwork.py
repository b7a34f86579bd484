#!/usr/bin/env python3
"""Draws the installer's two pictures and prints them as form-description binary values
(Picture.Data = {...}): the 209 x 201 product picture and the 39 x 40 warning symbol, whose
bottom-left pixel is the colour that shows transparent. Usage: artwork.py product|warning"""
import math
import struct
import sys

GLYPHS = {
    'T': ["11111", "00100", "00100", "00100", "00100", "00100", "00100"],
    'A': ["01110", "10001", "10001", "11111", "10001", "10001", "10001"],
    'W': ["10001", "10001", "10001", "10101", "10101", "11011", "10001"],
    'O': ["01110", "10001", "10001", "10001", "10001", "10001", "01110"],
    'L': ["10000", "10000", "10000", "10000", "10000", "10000", "11111"],
    'E': ["11111", "10000", "10000", "11110", "10000", "10000", "11111"],
    'S': ["01111", "10000", "10000", "01110", "00001", "00001", "11110"],
    'M': ["10001", "11011", "10101", "10101", "10001", "10001", "10001"],
    'R': ["11110", "10001", "10001", "11110", "10100", "10010", "10001"],
}


class Image:
    def __init__(self, width, height, colour):
        self.width, self.height = width, height
        self.pixels = [[colour] * width for _ in range(height)]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def text(self, left, top, word, scale, colour, shadow):
        for offset, ink in ((1, shadow), (0, colour)):
            x = left
            for letter in word:
                for row, bits in enumerate(GLYPHS[letter]):
                    for column, bit in enumerate(bits):
                        if bit == '1':
                            for dy in range(scale):
                                for dx in range(scale):
                                    self.put(x + column * scale + dx + offset * max(1, scale // 2),
                                             top + row * scale + dy + offset * max(1, scale // 2), ink)
                x += 6 * scale

    def bmp(self):
        stride = (self.width * 3 + 3) & ~3
        rows = b""
        for y in range(self.height - 1, -1, -1):
            row = b"".join(bytes((b, g, r)) for (r, g, b) in self.pixels[y])
            rows += row + b"\0" * (stride - len(row))
        info = struct.pack("<IiiHHIIiiII", 40, self.width, self.height, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
        header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(rows), 0, 0, 14 + len(info))
        return header + info + rows


def mix(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def product():
    image = Image(209, 201, (0, 0, 0))
    for y in range(201):
        for x in range(209):
            image.put(x, y, mix((18, 36, 84), (36, 118, 132), y / 200))
    cx, cy = 104, 78
    for y in range(201):
        for x in range(209):
            d = math.hypot(x - cx, y - cy)
            if 13 <= d <= 66:
                angle = math.atan2(y - cy, x - cx)
                sheen = 0.5 + 0.5 * math.cos(2 * angle)
                hue = mix((150, 170, 205), (235, 225, 180), sheen)
                if d < 22:
                    hue = mix(hue, (110, 120, 140), 0.5)
                if d > 64:
                    hue = (90, 100, 120)
                image.put(x, y, hue)
    image.text(104 - 46, 148, "TAWO", 4, (250, 250, 240), (10, 20, 50))
    image.text(104 - 41, 182, "LESMORA", 2, (218, 238, 243), (10, 20, 50))
    return image


def warning():
    background = (0, 128, 128)
    image = Image(39, 40, background)
    top, bottom, left, right = 2, 36, 1, 37
    for y in range(top, bottom + 1):
        half = (y - top) * (right - left) / 2 / (bottom - top)
        for x in range(left, right + 1):
            inside = abs(x - 19) <= half
            if inside:
                edge = abs(x - 19) > half - 2 or y >= bottom - 1
                image.put(x, y, (0, 0, 0) if edge else (255, 221, 0))
    for y in range(12, 27):
        for x in range(18, 21):
            image.put(x, y, (0, 0, 0))
    for y in range(29, 32):
        for x in range(18, 21):
            image.put(x, y, (0, 0, 0))
    return image


def form_value(image):
    data = b"\x07TBitmap" + struct.pack("<I", len(image.bmp())) + image.bmp()
    text = data.hex().upper()
    lines = [text[i:i + 64] for i in range(0, len(text), 64)]
    return "{\n" + "\n".join(lines) + "}"


if __name__ == "__main__":
    print(form_value(product() if sys.argv[1] == "product" else warning()))
