#!/usr/bin/env python3
"""Writes the window's pictures: resources/banner.jpg (278 x 75, the game's title over a town at
dusk) and resources/emblem.jpg (146 x 146, the Stonewrights' emblem on white).

Both are baseline JPEGs: the tool decodes them with libjpeg without progressive support.
Random strokes come from a fixed seed, so every run gives the same bytes.
"""
import argparse
import math
import pathlib
import random
import sys

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import emblem_art  # noqa: E402

BANNER_SIZE = (278, 75)
EMBLEM_SIZE = 146
SCALE = 4
TITLE = "Arvent"
TITLE_FONT = pathlib.Path("/usr/share/fonts/opentype/linux-libertine/LinLibertine_RZ.otf")
JPEG_OPTIONS = dict(quality=90, progressive=False, optimize=True, subsampling=0)

SKY = [(0.0, (28, 36, 72)), (0.45, (92, 70, 112)), (0.78, (214, 130, 92)), (1.0, (250, 198, 120))]


def _blend(stops, t):
    for (t0, c0), (t1, c1) in zip(stops, stops[1:]):
        if t <= t1:
            u = (t - t0) / (t1 - t0)
            return tuple(round(c0[i] + (c1[i] - c0[i]) * u) for i in range(3))
    return stops[-1][1]


def _sky(width, height, rng):
    sky = Image.new("RGB", (width, height))
    draw = ImageDraw.Draw(sky)
    for y in range(height):
        draw.line([(0, y), (width, y)], fill=_blend(SKY, y / (height - 1)))

    # Brush-like cloud streaks, lit from the setting sun below.
    clouds = Image.new("L", (width, height), 0)
    cdraw = ImageDraw.Draw(clouds)
    for _ in range(26):
        cx, cy = rng.uniform(-0.1, 1.1) * width, rng.uniform(0.12, 0.62) * height
        w, h = rng.uniform(0.12, 0.35) * width, rng.uniform(0.025, 0.06) * height
        cdraw.ellipse([cx - w, cy - h, cx + w, cy + h], fill=rng.randint(40, 90))
    clouds = clouds.filter(ImageFilter.GaussianBlur(height / 30))
    glow = Image.new("RGB", (width, height), (255, 206, 160))
    sky.paste(glow, mask=clouds)

    # The sun's glow low on the right.
    sun = Image.new("L", (width, height), 0)
    sx, sy, r = width * 0.8, height * 0.86, height * 0.55
    ImageDraw.Draw(sun).ellipse([sx - r, sy - r, sx + r, sy + r], fill=120)
    sun = sun.filter(ImageFilter.GaussianBlur(height / 5))
    sky.paste(Image.new("RGB", (width, height), (255, 226, 160)), mask=sun)
    return sky


def _ridge(width, height, base, amplitude, rng, waves=4):
    """Points of a hill line: a few sines with random phases."""
    parts = [(rng.uniform(1, 3.5) * k, rng.uniform(0, 2 * math.pi), amplitude / k) for k in range(1, waves + 1)]
    points = [(0, height)]
    for x in range(0, width + 1, max(1, width // 200)):
        y = base + sum(a * math.sin(f * 2 * math.pi * x / width + p) for f, p, a in parts)
        points.append((x, y))
    points.append((width, height))
    return points


def _skyline(draw, width, height, colour, rng):
    """A small town along the bottom: houses, a church, a castle keep and a windmill."""
    ground = height * 0.93
    unit = height / 75  # one pixel of the final picture
    x = -4 * unit
    while x < width:
        kind = rng.choice(["house", "house", "house", "tall"])
        w = rng.uniform(7, 12) * unit
        h = rng.uniform(6, 10) * unit if kind == "house" else rng.uniform(10, 14) * unit
        roof = w * rng.uniform(0.45, 0.7)
        draw.polygon([(x, ground), (x, ground - h), (x + w / 2, ground - h - roof), (x + w, ground - h),
                      (x + w, ground)], fill=colour)
        x += w - rng.uniform(0, 2) * unit

    def church(cx):
        nave_w, nave_h = 22 * unit, 11 * unit
        draw.polygon([(cx - nave_w / 2, ground), (cx - nave_w / 2, ground - nave_h), (cx, ground - nave_h - 6 * unit),
                      (cx + nave_w / 2, ground - nave_h), (cx + nave_w / 2, ground)], fill=colour)
        tw = 6 * unit
        tx = cx - nave_w / 2 - tw / 2
        draw.rectangle([tx - tw / 2, ground - 24 * unit, tx + tw / 2, ground], fill=colour)
        draw.polygon([(tx - tw / 2 - unit, ground - 24 * unit), (tx, ground - 36 * unit),
                      (tx + tw / 2 + unit, ground - 24 * unit)], fill=colour)

    def keep(cx):
        for dx, tw, th in ((-9, 7, 26), (9, 7, 22), (0, 12, 18)):
            left, right = cx + (dx - tw / 2) * unit, cx + (dx + tw / 2) * unit
            top = ground - th * unit
            draw.rectangle([left, top, right, ground], fill=colour)
            step = (right - left) / 5
            for k in range(0, 5, 2):
                draw.rectangle([left + k * step, top - 2 * unit, left + (k + 1) * step, top], fill=colour)

    def windmill(cx):
        draw.polygon([(cx - 4 * unit, ground), (cx - 2.5 * unit, ground - 14 * unit), (cx + 2.5 * unit, ground - 14 * unit),
                      (cx + 4 * unit, ground)], fill=colour)
        draw.polygon([(cx - 3 * unit, ground - 14 * unit), (cx, ground - 18 * unit), (cx + 3 * unit, ground - 14 * unit)],
                     fill=colour)
        hub = (cx, ground - 15 * unit)
        for a in (20, 110, 200, 290):
            t = math.radians(a)
            tip = (hub[0] + 11 * unit * math.cos(t), hub[1] + 11 * unit * math.sin(t))
            side = (hub[0] + 10 * unit * math.cos(t + 0.22), hub[1] + 10 * unit * math.sin(t + 0.22))
            draw.line([hub, tip], fill=colour, width=max(1, round(unit)))
            draw.polygon([hub, tip, side], fill=colour)

    keep(width * 0.09)
    church(width * 0.865)
    windmill(width * 0.955)
    draw.rectangle([0, ground, width, height], fill=colour)


def _title(size, width, height):
    """Gold title lettering with a dark edge and a soft drop shadow, as an RGBA layer."""
    font = ImageFont.truetype(str(TITLE_FONT), size)
    tracking = size * 0.04
    widths = [font.getlength(ch) for ch in TITLE]
    total = sum(widths) + tracking * (len(TITLE) - 1)
    left = (width - total) / 2
    box = font.getbbox("A")
    top = (height * 0.46) - (box[1] + box[3]) / 2

    mask = Image.new("L", (width, height), 0)
    draw = ImageDraw.Draw(mask)
    x = left
    for ch, w in zip(TITLE, widths):
        draw.text((x, top), ch, font=font, fill=255)
        x += w + tracking

    edge = mask.filter(ImageFilter.MaxFilter(2 * round(size / 40) + 1))
    shadow = edge.filter(ImageFilter.GaussianBlur(size / 18))
    shadow = ImageChops.offset(shadow, round(size / 28), round(size / 22))

    gold = Image.new("RGB", (width, height))
    gdraw = ImageDraw.Draw(gold)
    lettering = [(0.0, (255, 246, 196)), (0.42, (246, 206, 104)), (0.58, (198, 140, 40)), (1.0, (250, 214, 120))]
    glyph_top, glyph_bottom = top + box[1], top + box[3]
    for y in range(height):
        t = min(1.0, max(0.0, (y - glyph_top) / (glyph_bottom - glyph_top)))
        gdraw.line([(0, y), (width, y)], fill=_blend(lettering, t))

    layer = Image.new("RGBA", (width, height), (0, 0, 0, 0))
    layer.paste(Image.new("RGBA", (width, height), (20, 12, 24, 200)), mask=shadow)
    layer.paste(Image.new("RGBA", (width, height), (66, 38, 10, 255)), mask=edge)
    layer.paste(gold.convert("RGBA"), mask=mask)
    return layer


def banner():
    width, height = BANNER_SIZE[0] * SCALE, BANNER_SIZE[1] * SCALE
    rng = random.Random(1701)
    picture = _sky(width, height, rng)
    draw = ImageDraw.Draw(picture)
    draw.polygon(_ridge(width, height, height * 0.72, height * 0.05, rng), fill=(112, 84, 116))
    draw.polygon(_ridge(width, height, height * 0.8, height * 0.04, rng), fill=(76, 56, 88))
    _skyline(draw, width, height, (36, 26, 48), rng)

    title = _title(round(height * 0.68), width, height)
    picture.paste(title, mask=title.getchannel("A"))

    # A painted frame: dark edge, thin gold line, and corners a little darker.
    vignette = Image.new("L", (width, height), 0)
    ImageDraw.Draw(vignette).rectangle([0, 0, width, height], outline=255, width=round(height * 0.12))
    vignette = vignette.filter(ImageFilter.GaussianBlur(height * 0.1))
    picture.paste(Image.new("RGB", (width, height), (16, 10, 20)), mask=vignette.point(lambda v: v * 0.55))
    frame = ImageDraw.Draw(picture)
    frame.rectangle([0, 0, width - 1, height - 1], outline=(40, 26, 14), width=SCALE * 2)
    inset = SCALE * 3
    frame.rectangle([inset, inset, width - 1 - inset, height - 1 - inset], outline=(214, 170, 84), width=SCALE)
    return picture.resize(BANNER_SIZE, Image.LANCZOS)


def emblem():
    return emblem_art.draw_emblem(EMBLEM_SIZE, "full", background=(255, 255, 255))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=str(pathlib.Path(__file__).resolve().parent.parent / "resources"))
    args = parser.parse_args()
    out = pathlib.Path(args.out)
    out.mkdir(parents=True, exist_ok=True)
    banner().save(out / "banner.jpg", "JPEG", **JPEG_OPTIONS)
    emblem().save(out / "emblem.jpg", "JPEG", **JPEG_OPTIONS)


if __name__ == "__main__":
    main()
