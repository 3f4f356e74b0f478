"""The Stonewrights' emblem: a gold disc with a crossed hammer and chisel inside a Greek key
border. Shared by the emblem picture and the program icon.

Everything is drawn at SCALE times the target size and reduced at the end, which gives smooth
edges without relying on anti-aliasing in PIL's primitives.
"""
import math

from PIL import Image, ImageChops, ImageDraw, ImageFilter

SCALE = 4

GOLD_LIGHT = (255, 232, 150)
GOLD = (226, 180, 72)
GOLD_DEEP = (160, 112, 28)
BRONZE = (92, 58, 14)
BRONZE_DARK = (58, 36, 8)
STEEL = (70, 64, 60)
STEEL_LIGHT = (170, 164, 156)
WOOD = (120, 72, 26)
WOOD_LIGHT = (170, 112, 52)
# Small sizes: darker parts, so the tools stand out against the gold in a few pixels.
WOOD_DARK = (78, 42, 10)
STEEL_DARK = (40, 36, 34)

# One unit of the key: a hook rising from the inner border line, read from the outer row
# inwards. Column 4 stays empty and separates the units.
KEY_UNIT = [
    "XXXX.",
    "X..X.",
    "X.XX.",
    "X....",
    "XXXXX",
]


def _radial_gold(size, centre, radius):
    """Gold lit from the upper left: light near the highlight, deep at the far rim."""
    image = Image.new("RGB", (size, size))
    pixels = image.load()
    hx, hy = centre[0] - 0.35 * radius, centre[1] - 0.4 * radius
    span = 1.75 * radius
    for y in range(size):
        for x in range(size):
            t = min(1.0, math.hypot(x - hx, y - hy) / span)
            if t < 0.45:
                a, b, u = GOLD_LIGHT, GOLD, t / 0.45
            else:
                a, b, u = GOLD, GOLD_DEEP, (t - 0.45) / 0.55
            pixels[x, y] = tuple(round(a[i] + (b[i] - a[i]) * u) for i in range(3))
    return image


def _disc(size, centre, radius):
    mask = Image.new("L", (size, size), 0)
    ImageDraw.Draw(mask).ellipse(
        [centre[0] - radius, centre[1] - radius, centre[0] + radius, centre[1] + radius], fill=255)
    return mask


def _key_band(size, centre, outer, inner, units):
    """Mask of the Greek key in the ring between the radii, KEY_UNIT repeated units times."""
    rows, cols = len(KEY_UNIT), len(KEY_UNIT[0])
    mask = Image.new("L", (size, size), 0)
    pixels = mask.load()
    row_height = (outer - inner) / rows
    for y in range(size):
        for x in range(size):
            r = math.hypot(x - centre[0], y - centre[1])
            if not inner <= r < outer:
                continue
            row = min(rows - 1, int((outer - r) / row_height))
            angle = (math.atan2(y - centre[1], x - centre[0]) + math.pi) / (2 * math.pi)
            col = int(angle * units * cols) % cols
            if KEY_UNIT[row][col] == "X":
                pixels[x, y] = 255
    return mask


def _polygon(points, angle, origin, scale):
    """Rotates points given in units of scale around (0, 0) and moves them to origin."""
    c, s = math.cos(angle), math.sin(angle)
    return [(origin[0] + scale * (x * c - y * s), origin[1] + scale * (x * s + y * c)) for x, y in points]


def _hammer(draw, origin, scale, angle, bold):
    w = 0.12 if bold else 0.06
    wood, steel = (WOOD_DARK, STEEL_DARK) if bold else (WOOD, STEEL)
    handle = [(-w, 0.72), (w, 0.72), (w * 0.8, -0.38), (-w * 0.8, -0.38)]
    head_h = 0.26 if bold else 0.16
    head = [(-0.3, -0.38 - head_h), (0.22, -0.38 - head_h), (0.3, -0.38 - head_h * 0.55),
            (0.22, -0.38), (-0.3, -0.38)]
    face = [(-0.36, -0.38 - head_h * 0.9), (-0.3, -0.38 - head_h), (-0.3, -0.38), (-0.36, -0.38 - head_h * 0.1)]
    draw.polygon(_polygon(handle, angle, origin, scale), fill=wood, outline=BRONZE_DARK)
    draw.polygon(_polygon(head, angle, origin, scale), fill=steel, outline=BRONZE_DARK)
    if not bold:
        draw.polygon(_polygon(face, angle, origin, scale), fill=STEEL_LIGHT, outline=BRONZE_DARK)
        shine = [(-0.26, -0.38 - head_h * 0.78), (0.16, -0.38 - head_h * 0.78),
                 (0.16, -0.38 - head_h * 0.64), (-0.26, -0.38 - head_h * 0.64)]
        draw.polygon(_polygon(shine, angle, origin, scale), fill=STEEL_LIGHT)
        grain = [(-w * 0.3, 0.66), (w * 0.1, 0.66), (w * 0.1, -0.32), (-w * 0.3, -0.32)]
        draw.polygon(_polygon(grain, angle, origin, scale), fill=WOOD_LIGHT)


def _chisel(draw, origin, scale, angle, bold):
    hw = 0.13 if bold else 0.08
    bw = 0.085 if bold else 0.045
    wood, steel = (WOOD_DARK, STEEL_DARK) if bold else (WOOD, STEEL)
    handle = [(-hw, 0.72), (hw, 0.72), (hw, 0.22), (-hw, 0.22)]
    ferrule = [(-hw * 1.1, 0.22), (hw * 1.1, 0.22), (hw * 1.1, 0.14), (-hw * 1.1, 0.14)]
    blade = [(-bw, 0.14), (bw, 0.14), (bw, -0.5), (bw * 1.6, -0.62), (0, -0.74),
             (-bw * 1.6, -0.62), (-bw, -0.5)]
    draw.polygon(_polygon(handle, angle, origin, scale), fill=wood, outline=BRONZE_DARK)
    draw.polygon(_polygon(blade, angle, origin, scale), fill=steel, outline=BRONZE_DARK)
    draw.polygon(_polygon(ferrule, angle, origin, scale), fill=BRONZE, outline=BRONZE_DARK)
    if not bold:
        edge = [(-bw * 0.2, 0.1), (bw * 0.5, 0.1), (bw * 0.5, -0.56), (-bw * 0.2, -0.62)]
        draw.polygon(_polygon(edge, angle, origin, scale), fill=STEEL_LIGHT)


def draw_emblem(size, detail="full", background=None):
    """The emblem in a size x size square.

    detail "full" draws the key border, "simple" a plain double rim and bolder tools for icon
    sizes where the key would blur. background None leaves the corners transparent (RGBA),
    otherwise it is the RGB colour behind the disc."""
    big = size * SCALE
    centre = (big / 2, big / 2)
    outer = big / 2 - SCALE * (1 if size >= 64 else 0.5)
    full = detail == "full"

    disc = _disc(big, centre, outer)
    gold = _radial_gold(big, centre, outer)
    picture = Image.new("RGB", (big, big), BRONZE_DARK)

    if full:
        picture.paste(gold, mask=disc)  # thin gold rim around the dark edge
        picture.paste(BRONZE_DARK, mask=_disc(big, centre, outer * 0.965))
        band_outer = outer * 0.94
        band_inner = outer * 0.76
        picture.paste(BRONZE, mask=_disc(big, centre, band_outer))
        units = max(12, round(2 * math.pi * (band_outer + band_inner) / 2 / ((band_outer - band_inner) * 1.05)))
        picture.paste(gold, mask=_key_band(big, centre, band_outer * 0.97, band_inner * 1.02, units))
        field = band_inner * 0.97
    else:
        picture.paste(gold, mask=_disc(big, centre, outer * 0.9))
        picture.paste(BRONZE_DARK, mask=_disc(big, centre, outer * 0.84))
        field = outer * 0.8
    picture.paste(gold, mask=_disc(big, centre, field))

    # The tools with a soft shadow to the lower right, as if struck in relief.
    tools = Image.new("RGBA", (big, big), (0, 0, 0, 0))
    draw = ImageDraw.Draw(tools)
    scale = field * (1.18 if full else 1.12)
    bold = not full
    _chisel(draw, centre, scale, math.radians(40), bold)
    _hammer(draw, centre, scale, math.radians(-40), bold)
    if full:
        shadow = tools.getchannel("A").filter(ImageFilter.GaussianBlur(big / 120))
        shadow = ImageChops.offset(shadow, round(big / 110), round(big / 110))
        shade = Image.new("RGB", (big, big), GOLD_DEEP)
        picture.paste(shade, mask=ImageChops.multiply(shadow, _disc(big, centre, field)))
    picture.paste(tools, mask=tools.getchannel("A"))

    small = picture.resize((size, size), Image.LANCZOS)
    alpha = disc.resize((size, size), Image.LANCZOS)
    if background is None:
        small = small.convert("RGBA")
        small.putalpha(alpha)
        return small
    result = Image.new("RGB", (size, size), background)
    result.paste(small, mask=alpha)
    return result
