#!/usr/bin/env python3
"""Writes the two embedded TrueType fonts resources/fonts/av.ttf and resources/fonts/stone.ttf.

Both come from EB Garamond (Debian package fonts-ebgaramond-extra, SIL Open Font License 1.1),
cut down to the Windows-1252 repertoire and renamed, so that the tool can register them for
itself and select them by their new family names:
  av.ttf     "BacciSmallCaps" / "Normal"    from EB Garamond SC 12 (small capitals)
  stone.ttf  "Formal436 BT" / "Regular"     from EB Garamond 12 Italic (calligraphic italic),
                                            its swash capitals made the default forms
"""
import argparse
import io
import pathlib
import shutil

from fontTools import subset
from fontTools.ttLib import TTFont

SOURCE_DIR = pathlib.Path("/usr/share/fonts/truetype/ebgaramond")
SOURCE_PACKAGE = "fonts-ebgaramond-extra"
LICENSE_SOURCE = pathlib.Path("/usr/share/doc/fonts-ebgaramond-extra/copyright")

FONTS = [
    # output, source, family, style, swash capitals
    ("av.ttf", "EBGaramondSC12-Regular.ttf", "BacciSmallCaps", "Normal", False),
    ("stone.ttf", "EBGaramond12-Italic.ttf", "Formal436 BT", "Regular", True),
]

# Everything Windows-1252 can encode: the labels show German text in that code page.
CP1252 = sorted({ord(bytes([b]).decode("cp1252")) for b in range(0x20, 0x100)
                 if b not in (0x7F, 0x81, 0x8D, 0x8F, 0x90, 0x9D)})

# Names the renamed font answers to; GDI matches the family (ID 1) of platform 3.
RENAMED_IDS = (1, 2, 3, 4, 6, 16, 17)
KEPT_IDS = (0, 5, 13, 14)  # copyright, version and licence stay as the author wrote them


def use_swash_capitals(font):
    """Maps A-Z to the source's swash forms ("A.sw"): GDI applies no OpenType features, so the
    formal look has to be in the plain character map. Accented capitals keep their usual form."""
    glyphs = set(font.getGlyphOrder())
    for table in font["cmap"].tables:
        if table.isUnicode():
            for code in range(ord("A"), ord("Z") + 1):
                if f"{chr(code)}.sw" in glyphs:
                    table.cmap[code] = f"{chr(code)}.sw"


def cut_down(path, swash):
    options = subset.Options()
    options.name_IDs = list(KEPT_IDS) + list(RENAMED_IDS)
    options.name_legacy = True  # keep the Macintosh records too, renamed like the others
    options.name_languages = ["*"]
    options.hinting = True  # the hints keep 10-point labels crisp under GDI
    options.layout_features = ["kern", "liga"]  # the alternates would double the size
    options.notdef_outline = True
    options.recalc_timestamp = False
    options.drop_tables += ["FFTM", "DSIG"]
    font = TTFont(path, recalcTimestamp=False)
    if swash:
        use_swash_capitals(font)
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=CP1252)
    subsetter.subset(font)
    return font


def rename(font, family, style):
    postscript = f"{family.replace(' ', '')}-{style}"
    values = {
        1: family,
        2: style,
        3: f"{family} {style}",
        4: family if style == "Regular" else f"{family} {style}",
        6: postscript,
        16: family,
        17: style,
    }
    name = font["name"]
    platforms = {(r.platformID, r.platEncID, r.langID) for r in name.names
                 if r.platformID in (1, 3)} or {(3, 1, 0x409)}
    # Drop every record of the renamed IDs (other languages included), then write them afresh
    # for each platform the source carried, so no old name survives anywhere.
    name.names = [r for r in name.names if r.nameID not in RENAMED_IDS]
    for platform_id, encoding_id, language_id in sorted(platforms):
        if platform_id == 3 and language_id != 0x409:
            continue
        for name_id, value in values.items():
            name.setName(value, name_id, platform_id, encoding_id, language_id)
    if not name.getName(1, 3, 1, 0x409):
        for name_id, value in values.items():
            name.setName(value, name_id, 3, 1, 0x409)

    # The face is the family's plain style: no italic or bold flags, so GDI registers it as the
    # regular face and selects it without asking for italics.
    os2 = font["OS/2"]
    os2.fsSelection = (os2.fsSelection & ~0b0110_0001) | 0b0100_0000
    font["head"].macStyle = 0
    os2.usWeightClass = 400


def make(out_dir):
    out_dir.mkdir(parents=True, exist_ok=True)
    for output, source, family, style, swash in FONTS:
        font = cut_down(SOURCE_DIR / source, swash)
        rename(font, family, style)
        buffer = io.BytesIO()
        font.save(buffer, reorderTables=True)
        (out_dir / output).write_bytes(buffer.getvalue())
        licence = out_dir / f"LICENSE-{output.rsplit('.', 1)[0]}.txt"
        write_licence(licence, output, source, family, swash)


def write_licence(path, output, source, family, swash):
    changes = "cut down to the Windows-1252 characters"
    if swash:
        changes += ", given its swash capitals as default forms"
    header = (
        f"{output} (family \"{family}\") is a modified version of {source}\n"
        f"from EB Garamond by Georg Duffner, as shipped in the Debian package {SOURCE_PACKAGE}.\n"
        f"It was {changes} and renamed by tools/make_fonts.py.\n"
        "It is distributed under the SIL Open Font License 1.1, reproduced below together with\n"
        "the package's copyright file.\n\n"
    )
    with open(path, "w", encoding="utf-8", newline="\n") as out:
        out.write(header)
        with open(LICENSE_SOURCE, encoding="utf-8") as copyright_file:
            shutil.copyfileobj(copyright_file, out)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=str(pathlib.Path(__file__).resolve().parent.parent / "resources" / "fonts"))
    args = parser.parse_args()
    if not SOURCE_DIR.is_dir():
        raise SystemExit(f"{SOURCE_DIR} missing: apt-get install {SOURCE_PACKAGE}")
    make(pathlib.Path(args.out))


if __name__ == "__main__":
    main()
