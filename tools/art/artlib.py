"""Shared drawing helpers: fonts, textures, frames, wells, colour-keyed saving."""
import random
from functools import lru_cache
from pathlib import Path

from PIL import Image, ImageDraw, ImageFilter, ImageFont

ROOT = Path(__file__).resolve().parents[2]
FONT_PATH = ROOT / "data" / "comic.ttf"

MAGENTA = (255, 0, 255)
WHITE = (255, 255, 255)
CLEAR = (0, 0, 0, 0)

# Palette shared by the menus and the interface.
INK = (18, 12, 8)
WOOD = (92, 60, 36)
WOOD_DARK = (58, 37, 22)
STONE = (78, 76, 82)
LEATHER = (38, 29, 24)
BRONZE = (176, 132, 58)
BRONZE_LIGHT = (234, 198, 112)
BRONZE_DARK = (98, 68, 28)
LABEL = (226, 208, 164)
LABEL_DIM = (168, 150, 112)
HP_RED = (196, 28, 24)
MP_BLUE = (36, 78, 210)


@lru_cache(maxsize=None)
def font(size):
    return ImageFont.truetype(str(FONT_PATH), size)


def rng(seed):
    """Every picture uses its own fixed seed so that regenerating gives identical files."""
    return random.Random(seed)


def noise(size, r, blur=0.0):
    """Grey noise image ('L') centred on 128."""
    w, h = size
    img = Image.frombytes("L", size, bytes(r.getrandbits(8) for _ in range(w * h)))
    if blur:
        img = img.filter(ImageFilter.GaussianBlur(blur))
        # Blurring flattens the noise; stretch it back around the middle.
        lo, hi = img.getextrema()
        span = max(1, hi - lo)
        img = img.point(lambda v: max(0, min(255, (v - lo) * 255 // span)))
    return img


def tint(grey, dark, light):
    """Map a grey image onto the colour ramp dark..light (RGBA)."""
    lut = []
    for ch in range(3):
        lut += [dark[ch] + (light[ch] - dark[ch]) * v // 255 for v in range(256)]
    return Image.merge("RGB", (grey, grey, grey)).point(lut).convert("RGBA")


def mix(a, b, t):
    return tuple(int(a[i] + (b[i] - a[i]) * t) for i in range(3))


def shade(c, f):
    return tuple(max(0, min(255, int(v * f))) for v in c[:3])


def texture(size, kind, seed):
    """A filled RGBA texture: 'wood', 'stone', 'leather' or 'parchment'."""
    r = rng(seed)
    w, h = size
    if kind == "wood":
        streaks = noise((max(1, w // 8), h), r).resize((w, h), Image.BILINEAR)
        streaks = streaks.filter(ImageFilter.GaussianBlur(0.6))
        fine = noise(size, r)
        grey = Image.blend(streaks, fine, 0.18)
        return tint(grey, WOOD_DARK, (124, 84, 50))
    if kind == "stone":
        grey = Image.blend(noise(size, r, blur=2.5), noise(size, r), 0.25)
        return tint(grey, (52, 50, 56), (104, 100, 106))
    if kind == "leather":
        grey = Image.blend(noise(size, r, blur=1.2), noise(size, r), 0.3)
        return tint(grey, (26, 19, 15), (54, 41, 33))
    if kind == "parchment":
        grey = Image.blend(noise(size, r, blur=4), noise(size, r), 0.15)
        return tint(grey, (196, 170, 120), (236, 218, 176))
    raise ValueError(kind)


def rounded_mask(size, radius):
    mask = Image.new("L", size, 0)
    ImageDraw.Draw(mask).rounded_rectangle((0, 0, size[0] - 1, size[1] - 1), radius, fill=255)
    return mask


def bevel(draw, box, light, dark, width=1):
    """Raised edge: light top/left, dark bottom/right (swap colours for a sunken one)."""
    x0, y0, x1, y1 = box
    for i in range(width):
        draw.line((x0 + i, y1 - i, x0 + i, y0 + i, x1 - i, y0 + i), fill=light)
        draw.line((x0 + i, y1 - i, x1 - i, y1 - i, x1 - i, y0 + i), fill=dark)


def well(draw, box, fill=(20, 15, 12)):
    """A recessed square (inventory cell, slot) with a sunken bevel."""
    x0, y0, x1, y1 = box
    draw.rectangle(box, fill=fill)
    bevel(draw, box, (8, 6, 4), (132, 102, 64))
    draw.line((x0 + 1, y0 + 1, x1 - 1, y0 + 1), fill=(12, 9, 7))


def rivet(draw, cx, cy, r=2):
    draw.ellipse((cx - r, cy - r, cx + r, cy + r), fill=BRONZE_DARK)
    draw.ellipse((cx - r, cy - r, cx + r - 1, cy + r - 1), fill=BRONZE)
    draw.point((cx - 1, cy - 1), fill=BRONZE_LIGHT)


def framed_panel(size, kind="leather", seed=1, border=4, radius=5, rivets=True):
    """A panel: textured face, bronze frame, rounded corners left transparent."""
    w, h = size
    img = texture(size, kind, seed)
    d = ImageDraw.Draw(img)
    for i in range(border):
        t = i / max(1, border - 1)
        col = mix(BRONZE_LIGHT, BRONZE_DARK, t) if i else INK
        d.rounded_rectangle((i, i, w - 1 - i, h - 1 - i), max(0, radius - i), outline=col)
    # Inner shadow so the face looks set into the frame.
    d.line((border, border, w - 1 - border, border), fill=shade(INK, 1.4))
    d.line((border, border, border, h - 1 - border), fill=shade(INK, 1.4))
    if rivets and w > 40 and h > 40:
        for cx, cy in ((border + 3, border + 3), (w - border - 4, border + 3),
                       (border + 3, h - border - 4), (w - border - 4, h - border - 4)):
            rivet(d, cx, cy)
    img.putalpha(rounded_mask(size, radius))
    return img


def divider(draw, x0, y, x1):
    """A thin engraved rule."""
    draw.line((x0, y, x1, y), fill=(14, 10, 8))
    draw.line((x0, y + 1, x1, y + 1), fill=shade(BRONZE, 0.8))


def vdivider(draw, x, y0, y1):
    draw.line((x, y0, x, y1), fill=(14, 10, 8))
    draw.line((x + 1, y0, x + 1, y1), fill=shade(BRONZE, 0.8))


def dotted_leader(draw, x0, x1, y, colour=(96, 80, 56)):
    for x in range(x0, x1, 3):
        draw.point((x, y), fill=colour)


def outlined_text(draw, xy, text, fnt, fill, outline=INK, width=1, anchor="la"):
    draw.text(xy, text, font=fnt, fill=fill, anchor=anchor,
              stroke_width=width, stroke_fill=outline)


def text_width(text, fnt):
    box = fnt.getbbox(text)
    return box[2] - box[0]


def flatten(img, key):
    """RGBA -> RGB with transparent pixels set to the colour key.

    Opaque pixels that happen to equal the key are nudged by one step so they stay visible.
    """
    rgba = img.convert("RGBA")
    nudged = tuple(c - 1 if c == 255 else c for c in key)
    out = []
    for r_, g, b, a in rgba.getdata():
        if a < 128:
            out.append(key)
        elif (r_, g, b) == key:
            out.append(nudged)
        else:
            out.append((r_, g, b))
    flat = Image.new("RGB", rgba.size)
    flat.putdata(out)
    return flat


def save_bmp(img, path, key):
    path = Path(path)
    path.parent.mkdir(parents=True, exist_ok=True)
    flatten(img, key).save(path, format="BMP")
    return path


def supersampled(size, paint, scale=4):
    """Run paint(draw, k) on a transparent canvas k = `scale` times larger, then shrink it:
    smooth edges for small shapes. The painter multiplies its coordinates by k."""
    big = Image.new("RGBA", (size[0] * scale, size[1] * scale), CLEAR)
    paint(ImageDraw.Draw(big), scale)
    return big.resize(size, Image.LANCZOS)
