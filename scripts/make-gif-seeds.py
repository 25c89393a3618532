#!/usr/bin/env python3
"""Writes the GIF seeds of the picture decoder's fuzz entry
(fuzz/corpus/PictureLoadFuzz): small animations with delays, partial frames,
each kind of disposal and a transparent colour. Usage: make-gif-seeds.py FOLDER"""
import os
import struct
import sys


def image_data(indices, min_code=2):
    # Plain LZW: every pixel a literal code, a clear code after each one so
    # the codes stay min_code + 1 bits wide.
    clear, end, width = 1 << min_code, (1 << min_code) + 1, min_code + 1
    codes = [clear]
    for i in indices:
        codes += [i, clear]
    codes.append(end)
    bits = nbits = 0
    packed = bytearray()
    for c in codes:
        bits |= c << nbits
        nbits += width
        while nbits >= 8:
            packed.append(bits & 0xFF)
            bits >>= 8
            nbits -= 8
    if nbits:
        packed.append(bits & 0xFF)
    out = bytearray([min_code])
    for i in range(0, len(packed), 255):
        chunk = packed[i:i + 255]
        out += bytes([len(chunk)]) + chunk
    return bytes(out + b"\0")


def gif(width, height, frames, background=0):
    """frames: (x, y, w, h, delay, disposal, transparent index or None, indices)"""
    out = bytearray(b"GIF89a" + struct.pack("<HHBBB", width, height, 0x81, background, 0))
    out += bytes([0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0, 255])
    if len(frames) > 1:
        out += b"\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00"
    for x, y, w, h, delay, disposal, transparent, indices in frames:
        flags = (disposal << 2) | (1 if transparent is not None else 0)
        out += bytes([0x21, 0xF9, 4, flags]) + struct.pack("<H", delay) + bytes([transparent or 0, 0])
        out += b"\x2C" + struct.pack("<HHHHB", x, y, w, h, 0) + image_data(indices)
    return bytes(out + b"\x3B")


def solid(w, h, index, delay, disposal=1):
    return (0, 0, w, h, delay, disposal, None, [index] * (w * h))


def main(folder):
    seeds = {
        "three-frames.gif": gif(8, 6, [solid(8, 6, 1, 0), solid(8, 6, 2, 4), solid(8, 6, 3, 50)]),
        "one-frame.gif": gif(5, 4, [solid(5, 4, 2, 10)]),
        "disposals.gif": gif(12, 8, [
            solid(12, 8, 0, 10),
            (2, 2, 3, 3, 10, 2, None, [1] * 9),
            (6, 2, 3, 3, 10, 3, None, [2] * 9),
            (8, 4, 4, 4, 10, 1, 0, [0, 3] * 8),
        ], background=3),
    }
    for name, data in seeds.items():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main(sys.argv[1])
