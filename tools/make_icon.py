#!/usr/bin/env python3
"""Writes the program icon resources/app.ico: the emblem at 256, 48, 32, 24 and 16 pixels.

The 256-pixel image is stored as PNG (RGBA, 8 bits per channel), the others as classic 32-bit
DIBs: BITMAPINFOHEADER with the doubled height, BGRA rows bottom-up, then the 1-bit AND mask
with rows padded to 4 bytes, which older code paths use instead of the alpha channel.
"""
import argparse
import io
import pathlib
import struct
import sys

from PIL import Image

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import emblem_art  # noqa: E402

SIZES = [256, 48, 32, 24, 16]  # directory order
PNG_SIZES = {256}
# Below this the key border would blur into a brown ring: plain rims and bolder tools instead.
FULL_DETAIL_FROM = 64


def image_for(size):
    return emblem_art.draw_emblem(size, "full" if size >= FULL_DETAIL_FROM else "simple")


def png_bytes(image):
    buffer = io.BytesIO()
    image.save(buffer, "PNG", optimize=True)
    return buffer.getvalue()


def mask_row_bytes(width):
    return (width + 31) // 32 * 4


def dib_bytes(image):
    width, height = image.size
    header = struct.pack("<IiiHHIIiiII", 40, width, 2 * height, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = image.load()
    colour = bytearray()
    mask = bytearray()
    for y in range(height - 1, -1, -1):
        for x in range(width):
            r, g, b, a = pixels[x, y]
            colour += bytes((b, g, r, a))
        row = bytearray(mask_row_bytes(width))
        for x in range(width):
            if pixels[x, y][3] < 128:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    return header + bytes(colour) + bytes(mask)


def icon(images):
    """An .ico file from (size, image bytes) pairs, in the given order."""
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries, data = b"", b""
    for size, blob in images:
        dimension = 0 if size >= 256 else size
        entries += struct.pack("<BBBBHHII", dimension, dimension, 0, 0, 1, 32, len(blob), offset + len(data))
        data += blob
    return directory + entries + data


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=str(pathlib.Path(__file__).resolve().parent.parent / "resources"))
    args = parser.parse_args()
    out = pathlib.Path(args.out)
    out.mkdir(parents=True, exist_ok=True)
    images = []
    for size in SIZES:
        picture = image_for(size)
        images.append((size, png_bytes(picture) if size in PNG_SIZES else dib_bytes(picture)))
    (out / "app.ico").write_bytes(icon(images))


if __name__ == "__main__":
    main()
