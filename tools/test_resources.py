#!/usr/bin/env python3
"""Checks the committed files in resources/ with readers written independently of the generators,
and that the generators still reproduce them byte for byte.

Run: /usr/bin/python3 -m unittest discover -s tools -v
"""
import filecmp
import importlib.util
import pathlib
import struct
import subprocess
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ET

TOOLS = pathlib.Path(__file__).resolve().parent
RESOURCES = TOOLS.parent / "resources"
sys.path.insert(0, str(TOOLS))

HAVE_PIL = importlib.util.find_spec("PIL") is not None
HAVE_FONTTOOLS = importlib.util.find_spec("fontTools") is not None


def read_language_file(path):
    """{text id: bytes} from a language file, following its index."""
    data = path.read_bytes()
    entries = [struct.unpack_from("<II", data, 28 + 8 * k) for k in range(1000)]
    entries = [e for e in entries if e != (0, 0)]
    area = data[8028:]
    texts = {}
    for k, (first_id, offset) in enumerate(entries):
        end = entries[k + 1][1] if k + 1 < len(entries) else len(area) - 1
        for n, text in enumerate(area[offset:end].split(b"\0")[:-1]):
            texts[first_id + n] = text
    return data, entries, texts


def sample(data):
    return bytes(b for b in data[:9001] if b)


class LanguageFileTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.de, cls.de_index, cls.de_texts = read_language_file(RESOURCES / "deutsch.eng")
        cls.en, cls.en_index, cls.en_texts = read_language_file(RESOURCES / "englisch.eng")

    def test_header_and_size(self):
        cases = [  # data, size, word at 20, word at 24
            (self.de, 165486, 4178, 21164),
            (self.en, 141966, 4160, 21142),
        ]
        for data, size, word20, word24 in cases:
            with self.subTest(size=size):
                self.assertEqual(len(data), size)
                self.assertEqual(data[:16], b"AV textfile.\0\0\0\0")
                self.assertEqual(struct.unpack_from("<III", data, 16), (201, word20, word24))
                self.assertTrue(data.endswith(b"\0\0"))

    def test_language_sample_as_the_tool_reads_it(self):
        de, en = sample(self.de), sample(self.en)
        self.assertEqual(len(de), 1666)
        self.assertEqual(de.find(b"Datei") + 1, 746)
        self.assertEqual(len(en), 1650)
        self.assertEqual(en.find(b"Datei"), -1, "German marker in the English sample")
        self.assertEqual(self.en.find(b"Datei"), -1, "German marker in the English file")
        self.assertTrue(self.de[8028:].startswith(b"Datei\0"))
        self.assertTrue(self.en[8028:].startswith(b"File\0"))

    def test_both_files_pair_the_same_ids(self):
        self.assertEqual([i for i, _ in self.de_index], [i for i, _ in self.en_index])
        self.assertEqual(self.de_texts.keys(), self.en_texts.keys())
        self.assertEqual(self.de_index, sorted(self.de_index))
        self.assertTrue(all(self.de_texts.values()) and all(self.en_texts.values()), "empty text")

    def test_lookup_by_id(self):
        cases = [  # id, German, English
            (1, "Datei", "File"),
            (8, "Hilfe", "Help"),
            (10, "Karte öffnen...\tStrg+O", "Open Map...\tCtrl+O"),
            (401, "Abbrechen", "Cancel"),
            (2200, "Sägewerk", "Sawmill"),
            (2214, "Einzugsbereich des Sägewerks anzeigen", "Show Sawmill catchment area"),
        ]
        for text_id, german, english in cases:
            with self.subTest(id=text_id):
                self.assertEqual(self.de_texts[text_id].decode("cp1252"), german)
                self.assertEqual(self.en_texts[text_id].decode("cp1252"), english)
        self.assertIn(b"\xf6", self.de_texts[10], "umlauts are single Windows-1252 bytes")


class GermanGrammarTest(unittest.TestCase):
    def test_article_forms(self):
        from language_texts import Noun
        cases = [  # noun, genitive, accusative, "in" + dative
            (Noun("Sägewerk", "n", "Sägewerke", "Sawmill"), "des Sägewerks", "das Sägewerk", "im Sägewerk"),
            (Noun("Rathaus", "n", "Rathäuser", "Town Hall"), "des Rathauses", "das Rathaus", "im Rathaus"),
            (Noun("Marktplatz", "m", "Marktplätze", "Marketplace"), "des Marktplatzes", "den Marktplatz",
             "im Marktplatz"),
            (Noun("Steinbruch", "m", "Steinbrüche", "Quarry"), "des Steinbruchs", "den Steinbruch", "im Steinbruch"),
            (Noun("Mühle", "f", "Mühlen", "Mill"), "der Mühle", "die Mühle", "in der Mühle"),
        ]
        for noun, genitive, accusative, inside in cases:
            with self.subTest(noun=noun.de):
                self.assertEqual(noun.genitive, genitive)
                self.assertEqual(noun.the("acc"), accusative)
                self.assertEqual(noun.in_the, inside)

    def test_every_text_encodes_in_windows_1252(self):
        import make_language_files
        for first_id, texts in make_language_files.fixed_sections():
            for n, (german, english) in enumerate(texts):
                with self.subTest(id=first_id + n):
                    german.encode("cp1252")
                    english.encode("cp1252")
                    self.assertNotIn("{", german + english, "unfilled template field")


class IconTest(unittest.TestCase):
    def test_directory_and_images(self):
        data = (RESOURCES / "app.ico").read_bytes()
        self.assertEqual(struct.unpack_from("<HHH", data), (0, 1, 5))
        cases = [  # size, bytes in the entry (None: PNG)
            (256, None), (48, 9640), (32, 4264), (24, 2440), (16, 1128),
        ]
        for k, (size, expected_bytes) in enumerate(cases):
            width, height, colours, _, planes, bits, length, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * k)
            blob = data[offset:offset + length]
            with self.subTest(size=size):
                self.assertEqual((width or 256, height or 256, colours, planes, bits), (size, size, 0, 1, 32))
                if expected_bytes is None:
                    self.assertEqual(blob[:8], b"\x89PNG\r\n\x1a\n")
                    w, h, depth, colour_type = struct.unpack(">IIBB", blob[16:26])
                    self.assertEqual((w, h, depth, colour_type), (256, 256, 8, 6))  # 8-bit RGBA
                    continue
                self.assertEqual(length, expected_bytes)
                header = struct.unpack_from("<IiiHHIIiiII", blob)
                self.assertEqual(header, (40, size, 2 * size, 1, 32, 0, 0, 0, 0, 0, 0))
                self.check_mask_follows_alpha(blob, size)

    def check_mask_follows_alpha(self, blob, size):
        colour = blob[40:40 + size * size * 4]
        mask = blob[40 + size * size * 4:]
        row_bytes = (size + 31) // 32 * 4
        self.assertEqual(len(mask), row_bytes * size)
        for x, y in [(0, 0), (size - 1, size - 1), (size // 2, size // 2)]:  # rows run bottom-up
            alpha = colour[(y * size + x) * 4 + 3]
            transparent = bool(mask[y * row_bytes + x // 8] & (0x80 >> (x % 8)))
            self.assertEqual(transparent, alpha < 128, (x, y, alpha))
        self.assertEqual(colour[((size // 2) * size + size // 2) * 4 + 3], 255, "centre opaque")
        self.assertEqual(colour[3], 0, "corner transparent")

    @unittest.skipUnless(HAVE_PIL, "python3-pil missing")
    def test_opens_with_pil(self):
        from PIL import Image
        with Image.open(RESOURCES / "app.ico") as image:
            self.assertEqual(image.info["sizes"], {(256, 256), (48, 48), (32, 32), (24, 24), (16, 16)})


class PictureTest(unittest.TestCase):
    def test_baseline_colour_jpegs(self):
        cases = [("banner.jpg", 278, 75), ("emblem.jpg", 146, 146)]
        for name, width, height in cases:
            data = (RESOURCES / name).read_bytes()
            with self.subTest(name=name):
                self.assertLess(len(data), 30 * 1024)
                frame = self.frame_header(data)
                self.assertEqual(frame[0], 0xC0, "baseline, not progressive")
                precision, h, w, components = struct.unpack(">BHHB", frame[1][:6])
                self.assertEqual((precision, w, h, components), (8, width, height, 3))

    @staticmethod
    def frame_header(data):
        """(marker, segment) of the first start-of-frame segment."""
        pos = 2
        while pos < len(data):
            marker, length = data[pos + 1], struct.unpack(">H", data[pos + 2:pos + 4])[0]
            if 0xC0 <= marker <= 0xCF and marker not in (0xC4, 0xC8, 0xCC):
                return marker, data[pos + 4:pos + 2 + length]
            pos += 2 + length
        raise AssertionError("no frame header")


class WindowDescriptionTest(unittest.TestCase):
    class Reader:
        def __init__(self, data):
            self.data, self.pos = data, 0

        def take(self, fmt):
            values = struct.unpack_from("<" + fmt, self.data, self.pos)
            self.pos += struct.calcsize("<" + fmt)
            return values if len(values) > 1 else values[0]

        def string(self):
            units = self.take("H")
            text = self.data[self.pos:self.pos + 2 * units].decode("utf-16-le")
            self.pos += 2 * units
            return text

    def test_contents(self):
        r = self.Reader((RESOURCES / "tmain.bin").read_bytes())
        self.assertEqual(r.data[:4], b"TMN1")
        r.pos = 4
        self.assertEqual(r.string(), "AV Modelleditor Spracheinstellung")
        self.assertEqual(r.take("iiI"), (486, 240, 20))
        self.assertEqual((r.string(), r.take("iIBB")), ("Comic Sans MS", (-13, 0, 0, 0)))
        controls = []
        for _ in range(r.take("I")):
            name, kind, box, text = r.string(), r.take("B"), r.take("iiii"), r.string()
            controls.append((name, kind, box, text) + r.take("iBI"))
        none = 0xFFFFFFFF
        self.assertEqual([c[:3] + c[4:] for c in controls], [
            ("Image1", 0, (8, 8, 278, 75), -1, 0, 0),
            ("Image2", 0, (304, 8, 169, 169), -1, 1, 1),
            ("Stonewrights", 1, (8, 196, 278, 35), -1, 0, none),
            ("Edit1", 2, (8, 255, 273, 26), 0, 0, none),
            ("Start", 3, (8, 96, 281, 81), 1, 0, none),
            ("Stop", 3, (304, 197, 169, 35), 2, 0, none),
        ])
        self.assertEqual([c[3] for c in controls][3:], ["Edit1", "Ersetzen", "Beenden"])
        blobs = []
        for _ in range(r.take("I")):
            size = r.take("I")
            blobs.append(r.data[r.pos:r.pos + size])
            r.pos += size
        self.assertEqual(r.take("I"), 2)
        self.assertEqual(r.pos, len(r.data), "trailing bytes")
        for blob, name in zip(blobs, ["banner.jpg", "emblem.jpg", "app.ico"]):
            self.assertEqual(blob, (RESOURCES / name).read_bytes(), name)

    @unittest.skipUnless(HAVE_PIL, "python3-pil missing")
    def test_label_text_fits_in_the_script_font(self):
        from PIL import ImageFont
        import make_tmain
        label = next(c for c in make_tmain.CONTROLS if c[0] == "Stonewrights")
        font = ImageFont.truetype(str(RESOURCES / "fonts" / "stone.ttf"), 17)  # 13 points at 96 dpi
        self.assertLessEqual(font.getlength(label[6]), label[4])


@unittest.skipUnless(HAVE_FONTTOOLS, "python3-fonttools missing")
class FontTest(unittest.TestCase):
    def test_names_outlines_and_characters(self):
        from fontTools.ttLib import TTFont
        cases = [("av.ttf", "BacciSmallCaps", "Normal"), ("stone.ttf", "Formal436 BT", "Regular")]
        for file_name, family, style in cases:
            path = RESOURCES / "fonts" / file_name
            with self.subTest(font=file_name):
                self.assertLess(path.stat().st_size, 100 * 1024)
                font = TTFont(path)
                self.assertIn("glyf", font)
                self.assertNotIn("CFF ", font)
                name = font["name"]
                for name_id, value in [(1, family), (2, style), (16, family), (17, style)]:
                    self.assertEqual(name.getName(name_id, 3, 1, 0x409).toUnicode(), value)
                    mac = name.getName(name_id, 1, 0, 0)
                    self.assertTrue(mac is None or mac.toUnicode() == value)
                for record in name.names:
                    self.assertNotIn("Garamond", record.toUnicode() if record.nameID in (1, 3, 4, 6, 16, 17) else "")
                # REGULAR set, ITALIC and BOLD clear: GDI registers the plain face of the family
                self.assertEqual(font["OS/2"].fsSelection & 0b0110_0001, 0b0100_0000)
                self.assertEqual(font["head"].macStyle, 0)
                cmap = font.getBestCmap()
                for ch in "AZaz09äöüÄÖÜß€„“–…":
                    self.assertIn(ord(ch), cmap, ch)
                self.assertTrue((RESOURCES / "fonts" / f"LICENSE-{file_name[:-4]}.txt").exists())


class ManifestTest(unittest.TestCase):
    ASM = "{urn:schemas-microsoft-com:asm.v1}"
    ASM3 = "{urn:schemas-microsoft-com:asm.v3}"
    COMPAT = "{urn:schemas-microsoft-com:compatibility.v1}"
    OS = {"vista": "{e2011457-1546-43c5-a5fe-008deee3d3f0}", "7": "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",
          "8": "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}", "8.1": "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",
          "10": "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"}

    def test_manifest(self):
        root = ET.parse(RESOURCES / "app.manifest").getroot()
        own = root.find(f"{self.ASM}assemblyIdentity")
        self.assertEqual(own.attrib, {"type": "win32", "name": "App", "version": "3.1.0.0",
                                      "processorArchitecture": "*"})
        controls = root.find(f"{self.ASM}dependency/{self.ASM}dependentAssembly/{self.ASM}assemblyIdentity")
        self.assertEqual(controls.attrib, {
            "type": "win32", "name": "Microsoft.Windows.Common-Controls", "version": "6.0.0.0",
            "processorArchitecture": "*", "publicKeyToken": "6595b64144ccf1df", "language": "*"})
        execution = root.find(f".//{self.ASM3}requestedExecutionLevel")
        self.assertEqual(execution.attrib, {"level": "requireAdministrator", "uiAccess": "false"})
        # Each DPI element counts only in its own namespace, inside asm.v3 windowsSettings.
        settings = root.find(f"{self.ASM3}application/{self.ASM3}windowsSettings")
        self.assertEqual([(e.tag, e.text) for e in settings], [
            ("{http://schemas.microsoft.com/SMI/2005/WindowsSettings}dpiAware", "true/pm"),
            ("{http://schemas.microsoft.com/SMI/2016/WindowsSettings}dpiAwareness", "PerMonitorV2, PerMonitor")])
        found = [e.get("Id") for e in root.iter(f"{self.COMPAT}supportedOS")]
        self.assertEqual(found, [self.OS[s] for s in ["vista", "7", "8", "8.1", "10"]])


@unittest.skipUnless(HAVE_PIL and HAVE_FONTTOOLS and pathlib.Path("/usr/share/fonts/truetype/ebgaramond").is_dir(),
                     "generator dependencies missing")
class RegenerationTest(unittest.TestCase):
    """The committed outputs are what the generators make: nobody edited one by hand or forgot to
    rerun a generator, and no run-dependent bytes (time stamps, unseeded randomness) crept in."""

    def test_generators_reproduce_committed_files(self):
        with tempfile.TemporaryDirectory() as temp:
            out = pathlib.Path(temp)
            steps = [
                ["make_language_files.py", "--out", str(out)],
                ["make_fonts.py", "--out", str(out / "fonts")],
                ["make_pictures.py", "--out", str(out)],
                ["make_icon.py", "--out", str(out)],
                ["make_tmain.py", "--resources", str(out)],
            ]
            for script, *arguments in steps:
                subprocess.run([sys.executable, str(TOOLS / script), *arguments], check=True, capture_output=True)
            made = sorted(p.relative_to(out) for p in out.rglob("*") if p.is_file())
            self.assertTrue(made)
            for relative in made:
                with self.subTest(file=str(relative)):
                    self.assertTrue(filecmp.cmp(out / relative, RESOURCES / relative, shallow=False))


if __name__ == "__main__":
    unittest.main()
