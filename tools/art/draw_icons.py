#!/usr/bin/env python3
"""Draw the desktop icon in the hicolor sizes into packaging/icons/.

    python3 tools/art/draw_icons.py         # from the repository root

The title screen in small: dusk over the vale, the crescent moon and the
castle on its hill, in a bronze frame. Each size is painted on its own (the
small ones with less detail) so that none is a blurred copy of a big one.
Output is deterministic.
"""
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import pil_check  # noqa: E402,F401  (before anything that needs Pillow)

from PIL import Image, ImageDraw  # noqa: E402

from artlib import BRONZE, BRONZE_DARK, BRONZE_LIGHT, INK, ROOT  # noqa: E402
from menu_art import _vertical_gradient  # noqa: E402

SIZES = (16, 22, 24, 32, 48, 64, 128, 256, 512)
OUT = ROOT / "packaging" / "icons"
SCALE = 8  # painted this many times larger, then shrunk: smooth edges

SKY = [(0.0, (26, 22, 64)), (0.28, (90, 56, 118)), (0.48, (210, 108, 102)), (0.62, (250, 178, 98)),
       (1.0, (250, 190, 110))]
FAR_HILL = (92, 66, 116)
CASTLE_HILL = (52, 38, 70)
CASTLE = (30, 22, 42)
WINDOW = (255, 214, 120)
FOREGROUND = (14, 10, 18)
MOON = (250, 244, 218)


def _castle(d, s, detail):
    """Towers with pointed roofs on the hill top, in units of the icon's side."""
    base = 0.64
    towers = [(0.26, 0.09, 0.26), (0.39, 0.13, 0.34), (0.50, 0.07, 0.44), (0.63, 0.09, 0.29)]
    d.rectangle((0.28 * s, (base - 0.17) * s, 0.70 * s, base * s + 1), fill=CASTLE)   # the wall
    for x, w, h in towers:
        top = base - h
        d.rectangle((x * s, top * s, (x + w) * s, base * s + 1), fill=CASTLE)
        d.polygon([((x - 0.015) * s, top * s), ((x + w + 0.015) * s, top * s),
                   ((x + w / 2) * s, (top - 0.11) * s)], fill=CASTLE)
    if detail >= 2:
        for x, y in ((0.30, 0.44), (0.44, 0.35), (0.52, 0.27), (0.66, 0.42), (0.45, 0.52), (0.60, 0.53)):
            d.rectangle((x * s, y * s, (x + 0.022) * s, (y + 0.045) * s), fill=WINDOW)
        d.chord((0.445 * s, 0.58 * s, 0.535 * s, 0.70 * s), 180, 360, fill=INK)


def _pines(d, s):
    for x, h in ((0.11, 0.22), (0.19, 0.28), (0.27, 0.18), (0.76, 0.19), (0.84, 0.29), (0.92, 0.22)):
        d.polygon([(x * s, (0.95 - h) * s), ((x + h * 0.3) * s, 0.95 * s), ((x - h * 0.3) * s, 0.95 * s)],
                  fill=FOREGROUND)


def _paint(size):
    s = size * SCALE
    detail = 0 if size < 24 else 1 if size < 48 else 2
    img = _vertical_gradient((s, s), SKY)
    d = ImageDraw.Draw(img)
    # A crescent: the moon's disc less a disc of sky beside it.
    moon = Image.new("L", (s, s), 0)
    md = ImageDraw.Draw(moon)
    md.ellipse((0.66 * s, 0.10 * s, 0.90 * s, 0.34 * s), fill=255)
    md.ellipse((0.72 * s, 0.06 * s, 0.95 * s, 0.29 * s), fill=0)
    img.paste(MOON + (255,), (0, 0), moon)
    d.polygon([(0, 0.66 * s), (0.3 * s, 0.60 * s), (0.7 * s, 0.62 * s), (s, 0.57 * s), (s, s), (0, s)],
              fill=FAR_HILL)
    d.ellipse((-0.1 * s, 0.58 * s, 1.1 * s, 1.3 * s), fill=CASTLE_HILL)
    _castle(d, s, detail)
    if detail >= 1:
        d.ellipse((-0.3 * s, 0.86 * s, 1.3 * s, 1.5 * s), fill=FOREGROUND)
        _pines(d, s)
    # The frame: ink outside, then bronze (light, mid, dark on the bigger sizes).
    radius = 0.16 * s
    unit = max(1, size // 96) * SCALE
    rings = (INK, BRONZE_LIGHT, BRONZE, BRONZE_DARK) if size >= 32 else (INK, BRONZE)
    for i, colour in enumerate(rings):
        inset = i * unit
        d.rounded_rectangle((inset, inset, s - 1 - inset, s - 1 - inset), radius - inset, outline=colour, width=unit)
    mask = Image.new("L", (s, s), 0)
    ImageDraw.Draw(mask).rounded_rectangle((0, 0, s - 1, s - 1), radius, fill=255)
    img.putalpha(mask)
    return img.resize((size, size), Image.LANCZOS)


def main():
    for size in SIZES:
        path = OUT / "hicolor" / f"{size}x{size}" / "apps" / "rpg-vale.png"
        path.parent.mkdir(parents=True, exist_ok=True)
        _paint(size).save(path, format="PNG", optimize=True)
        print(path.relative_to(ROOT))


if __name__ == "__main__":
    main()
