#!/usr/bin/env python3
"""Writes resources/tmain.bin, the description of the tool's window (data item TMAIN).

Format, little-endian; a string is a u16 count of UTF-16 code units followed by them:
  "TMN1", caption, i32 client width, i32 client height (96 dpi), u32 background system colour,
  font: family, i32 height, u32 colour 0x00BBGGRR, u8 charset, u8 style bits
        (0 bold, 1 italic, 2 underline, 3 strikeout),
  u32 control count, per control: name, u8 kind, i32 left, top, width, height, text,
        i32 tab order (-1: none), u8 stretch, u32 blob index (0xFFFFFFFF: none),
  u32 blob count, per blob: u32 size and the bytes, u32 icon blob index.
Reads banner.jpg, emblem.jpg and app.ico from the resources folder, so run it after their
generators.
"""
import argparse
import pathlib
import struct

MAGIC = b"TMN1"
NO_BLOB = 0xFFFFFFFF
NO_TAB = -1
PICTURE, LABEL, EDIT, BUTTON = range(4)
COLOR_BTNFACE = 20  # system colour index of the window background

CAPTION = "AV Modelleditor Spracheinstellung"
CLIENT_SIZE = (486, 240)
FONT = dict(family="Comic Sans MS", height=-13, colour=0x000000, charset=0, style=0)

BLOBS = ["banner.jpg", "emblem.jpg", "app.ico"]
ICON_BLOB = BLOBS.index("app.ico")

# The Edit1 field lies below the client area on purpose: it only carries text for the logic.
CONTROLS = [
    # name,          kind,    left, top, width, height, text,                            tab,    stretch, blob
    ("Image1",       PICTURE,    8,   8,  278,   75, "",                                NO_TAB, 0, BLOBS.index("banner.jpg")),
    ("Image2",       PICTURE,  304,   8,  169,  169, "",                                NO_TAB, 1, BLOBS.index("emblem.jpg")),
    ("Stonewrights", LABEL,      8, 196,  278,   35, "Ein Werkzeug der Stonewrights",  NO_TAB, 0, NO_BLOB),
    ("Edit1",        EDIT,       8, 255,  273,   26, "Edit1",                          0,      0, NO_BLOB),
    ("Start",        BUTTON,     8,  96,  281,   81, "Ersetzen",                       1,      0, NO_BLOB),
    ("Stop",         BUTTON,   304, 197,  169,   35, "Beenden",                        2,      0, NO_BLOB),
]


def string(text):
    units = text.encode("utf-16-le")
    return struct.pack("<H", len(units) // 2) + units


def pack(blobs):
    out = bytearray(MAGIC)
    out += string(CAPTION)
    out += struct.pack("<iiI", *CLIENT_SIZE, COLOR_BTNFACE)
    out += string(FONT["family"])
    out += struct.pack("<iIBB", FONT["height"], FONT["colour"], FONT["charset"], FONT["style"])
    out += struct.pack("<I", len(CONTROLS))
    for name, kind, left, top, width, height, text, tab, stretch, blob in CONTROLS:
        if (kind == PICTURE) != (blob != NO_BLOB):
            raise ValueError(f"{name}: pictures and only pictures refer to a blob")
        out += string(name)
        out += struct.pack("<Biiii", kind, left, top, width, height)
        out += string(text)
        out += struct.pack("<iBI", tab, stretch, blob)
    out += struct.pack("<I", len(blobs))
    for data in blobs:
        out += struct.pack("<I", len(data)) + data
    out += struct.pack("<I", ICON_BLOB)
    return bytes(out)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    default = pathlib.Path(__file__).resolve().parent.parent / "resources"
    parser.add_argument("--resources", default=str(default), help="folder holding the blobs")
    parser.add_argument("--out", default=None, help="output file (default: RESOURCES/tmain.bin)")
    args = parser.parse_args()
    resources = pathlib.Path(args.resources)
    blobs = [(resources / name).read_bytes() for name in BLOBS]
    out = pathlib.Path(args.out) if args.out else resources / "tmain.bin"
    out.write_bytes(pack(blobs))


if __name__ == "__main__":
    main()
