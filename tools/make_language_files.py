#!/usr/bin/env python3
"""Writes the map editor's language files resources/deutsch.eng and resources/englisch.eng.

Layout (all numbers 32-bit little-endian):
  0     "AV textfile." and four zero bytes
  16    format version (201)
  20    two header words the editor checks, per language (see HEADER_WORDS)
  28    index of 1000 entries of 8 bytes: first text id of a run of consecutive ids and the
        offset of that run's first text in the text area; unused entries are zero. Entries are
        sorted by id, so a reader finds a text by the last entry whose id is not larger, then
        skips (id - first id) terminators.
  8028  text area: Windows-1252 texts, each closed by one zero byte, and one more zero byte
        (an empty text) that closes the area.

The tool tells the two files apart by their first 9001 bytes with the zero bytes left out: the
German sample holds "Datei", the English one must not. The figures below pin that sample down
and are checked on every run.
"""
import argparse
import pathlib
import struct
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import language_texts as lt  # noqa: E402

MAGIC = b"AV textfile." + bytes(4)
FORMAT_VERSION = 201
HEADER_WORDS = {"de": (4178, 21164), "en": (4160, 21142)}
INDEX_ENTRIES = 1000
TEXT_AREA_OFFSET = 28 + INDEX_ENTRIES * 8
FILE_SIZES = {"de": 165486, "en": 141966}
ENCODING = "cp1252"

SAMPLE_BYTES = 9001
MARKER = b"Datei"
# Non-zero bytes of the sample, and where "Datei" starts in the German one (1-based).
SAMPLE_LENGTHS = {"de": 1666, "en": 1650}
GERMAN_MARKER_POSITION = 746
GERMAN_INDEX_NONZERO = 728

OUTPUT_NAMES = {"de": "deutsch.eng", "en": "englisch.eng"}

# First ids of the composed sections; each building, good and cover is a run of its own.
BUILDING_IDS, BUILDING_STEP = 2000, 100
GOODS_IDS, GOODS_STEP = 9000, 50
TERRAIN_IDS, TERRAIN_STEP = 12000, 20
OBJECT_IDS = 13000
PROFESSION_IDS = 13200
TOOL_HELP_IDS = 13500
GUIDE_IDS = 14080  # 0x3700: one non-zero byte, which brings the German index to its figure
SCENARIO_IDS, SCENARIO_STEP = 14100, 100
TIP_IDS = 15000


def fixed_sections():
    """All runs but the tips, as (first id, [(German, English), ...])."""
    sections = list(lt.HAND_WRITTEN)
    for k, building in enumerate(lt.BUILDINGS):
        sections.append((BUILDING_IDS + BUILDING_STEP * k, lt.building_texts(building)))
    for k, key in enumerate(lt.GOODS):
        sections.append((GOODS_IDS + GOODS_STEP * k, lt.goods_texts(key)))
    for k, terrain in enumerate(lt.TERRAINS):
        sections.append((TERRAIN_IDS + TERRAIN_STEP * k, lt.terrain_texts(terrain)))
    sections.append((OBJECT_IDS, [t for entry in lt.OBJECTS for t in lt.object_texts(entry)]))
    sections.append((PROFESSION_IDS, [t for entry in lt.PROFESSIONS for t in lt.profession_texts(entry)]))
    sections.append((TOOL_HELP_IDS, list(lt.TOOL_HELP)))
    sections.append((GUIDE_IDS, list(lt.GUIDE)))
    for k, scenario in enumerate(lt.SCENARIOS):
        sections.append((SCENARIO_IDS + SCENARIO_STEP * k, list(scenario)))
    return sections


def encode(text):
    data = text.encode(ENCODING)
    if b"\0" in data:
        raise ValueError(f"zero byte inside text {text!r}")
    return data


def area_size(sections, language):
    column = 0 if language == "de" else 1
    return sum(len(encode(pair[column])) + 1 for _, texts in sections for pair in texts) + 1


def choose_tips(sections):
    """Picks tips from the pool so that both files come out at their exact sizes.

    A two-way subset sum (German and English byte counts at once), kept as one bitset of
    reachable English sums per German sum. Walking back prefers to leave out the later tips,
    so the pool's order is its order of preference."""
    room = {lang: FILE_SIZES[lang] - TEXT_AREA_OFFSET - area_size(sections, lang) for lang in ("de", "en")}
    if room["de"] < 0 or room["en"] < 0:
        raise SystemExit(f"texts too long for the file sizes: room {room}")
    sizes = [(len(encode(de)) + 1, len(encode(en)) + 1) for de, en in lt.TIPS]

    target_de, target_en = room["de"], room["en"]
    en_mask = (1 << (target_en + 1)) - 1
    reach = [0] * (target_de + 1)
    reach[0] = 1
    history = []  # reach before each tip; lists share the unchanged entries
    for de_size, en_size in sizes:
        history.append(list(reach))
        for d in range(target_de, de_size - 1, -1):
            if reach[d - de_size]:
                reach[d] |= (reach[d - de_size] << en_size) & en_mask
    if not (reach[target_de] >> target_en) & 1:
        raise SystemExit(f"no choice of tips fills {target_de} German and {target_en} English bytes")

    d, e, chosen = target_de, target_en, []
    for k in range(len(sizes) - 1, -1, -1):
        if (history[k][d] >> e) & 1:
            continue  # reachable without tip k
        chosen.append(k)
        d -= sizes[k][0]
        e -= sizes[k][1]
    assert d == 0 and e == 0
    return [lt.TIPS[k] for k in sorted(chosen)]


def all_sections():
    sections = fixed_sections()
    sections.append((TIP_IDS, choose_tips(sections)))
    return sections


def build(sections, language):
    column = 0 if language == "de" else 1
    area = bytearray()
    entries = []
    next_free = 1
    for first_id, texts in sections:
        if first_id < next_free:
            raise ValueError(f"run at id {first_id} overlaps the run before it")
        entries.append((first_id, len(area)))
        for pair in texts:
            area += encode(pair[column]) + b"\0"
        next_free = first_id + len(texts)
    area += b"\0"
    if len(entries) > INDEX_ENTRIES:
        raise ValueError(f"{len(entries)} runs, the index holds {INDEX_ENTRIES}")

    index = b"".join(struct.pack("<II", i, o) for i, o in entries)
    index += bytes(8 * (INDEX_ENTRIES - len(entries)))
    header = MAGIC + struct.pack("<III", FORMAT_VERSION, *HEADER_WORDS[language])
    return header + index + bytes(area)


def sample_text(data):
    return bytes(b for b in data[:SAMPLE_BYTES] if b)


def check(files):
    """Raises with the figure that is off; the README says which texts move which figure."""
    de, en = files["de"], files["en"]
    problems = []

    def expect(what, actual, wanted):
        if actual != wanted:
            problems.append(f"{what}: {actual}, must be {wanted}")

    for language, data in files.items():
        name = OUTPUT_NAMES[language]
        expect(f"{name} size", len(data), FILE_SIZES[language])
        expect(f"{name} sample length", len(sample_text(data)), SAMPLE_LENGTHS[language])
        expect(f"{name} ends with two zero bytes", data.endswith(b"\0\0"), True)
    expect("German index non-zero bytes", sum(1 for b in de[28:TEXT_AREA_OFFSET] if b), GERMAN_INDEX_NONZERO)
    expect("German zero bytes in the sampled texts", de[TEXT_AREA_OFFSET:SAMPLE_BYTES].count(0),
           (SAMPLE_BYTES - TEXT_AREA_OFFSET) - (SAMPLE_LENGTHS["de"] - GERMAN_MARKER_POSITION + 1))
    expect("position of \"Datei\" in the German sample", sample_text(de).find(MARKER) + 1, GERMAN_MARKER_POSITION)
    expect("German first text", de[TEXT_AREA_OFFSET:].startswith(MARKER + b"\0"), True)
    expect("English first text", en[TEXT_AREA_OFFSET:].startswith(b"File\0"), True)
    # Stronger than the tool needs: not even with the zeros of the whole file left out.
    expect("\"Datei\" in the English file", MARKER in en.replace(b"\0", b""), False)
    if problems:
        raise SystemExit("language files do not meet their figures:\n  " + "\n  ".join(problems))


def figures(files):
    lines = []
    for language, data in files.items():
        sample = sample_text(data)
        position = sample.find(MARKER) + 1
        lines.append(f"{OUTPUT_NAMES[language]}: {len(data)} bytes, sample {len(sample)} characters, "
                     f"index non-zero {sum(1 for b in data[28:TEXT_AREA_OFFSET] if b)}, "
                     f"\"Datei\" at {position if position else 'none'}")
    return lines


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=str(pathlib.Path(__file__).resolve().parent.parent / "resources"))
    args = parser.parse_args()
    sections = all_sections()
    files = {language: build(sections, language) for language in ("de", "en")}
    print("\n".join(figures(files)))
    check(files)
    out = pathlib.Path(args.out)
    out.mkdir(parents=True, exist_ok=True)
    for language, data in files.items():
        (out / OUTPUT_NAMES[language]).write_bytes(data)


if __name__ == "__main__":
    main()
