"""Colour and image helpers shared by the world drawing modules.

Everything is drawn pixel by pixel without anti-aliasing: the game keys out
exact magenta, so a blended edge would leave pink fringes around objects.
"""
import os
import random

from PIL import Image

MAGENTA = (255, 0, 255)
FIELD = 25
CLEAR = (0, 0, 0, 0)
INK = (28, 22, 30)  # outline colour of every object and figure


def rng(*seed):
    """A generator that gives the same picture on every run."""
    return random.Random("/".join(str(s) for s in seed))


def clamp(v):
    return max(0, min(255, int(round(v))))


def shade(colour, factor):
    """Darker below 1, lighter above 1 (lightening moves toward white)."""
    r, g, b = colour[:3]
    if factor <= 1:
        return (clamp(r * factor), clamp(g * factor), clamp(b * factor))
    t = factor - 1
    return (clamp(r + (255 - r) * t), clamp(g + (255 - g) * t), clamp(b + (255 - b) * t))


def mix(a, b, t):
    return tuple(clamp(a[i] + (b[i] - a[i]) * t) for i in range(3))


def jitter(colour, amount, rnd):
    d = rnd.uniform(-amount, amount)
    return tuple(clamp(c + d * (0.8 + 0.4 * rnd.random())) for c in colour[:3])


def rgba(colour):
    return tuple(colour[:3]) + (255,)


def canvas(w, h):
    return Image.new("RGBA", (w, h), CLEAR)


def opaque(img, x, y):
    w, h = img.size
    return 0 <= x < w and 0 <= y < h and img.getpixel((x, y))[3] > 0


def outline(img, colour=INK, diagonal=False):
    """Rings every drawn shape with a one-pixel line so it reads on any ground."""
    w, h = img.size
    src = img.copy()
    px = img.load()
    ring = [(1, 0), (-1, 0), (0, 1), (0, -1)]
    if diagonal:
        ring += [(1, 1), (1, -1), (-1, 1), (-1, -1)]
    for y in range(h):
        for x in range(w):
            if src.getpixel((x, y))[3]:
                continue
            if any(opaque(src, x + dx, y + dy) for dx, dy in ring):
                px[x, y] = rgba(colour)
    return img


def flatten(img):
    """RGBA drawing onto the magenta key; drawn pixels never equal the key."""
    out = Image.new("RGB", img.size, MAGENTA)
    src = img.load()
    dst = out.load()
    w, h = img.size
    for y in range(h):
        for x in range(w):
            r, g, b, a = src[x, y]
            if a:
                dst[x, y] = (254, 0, 254) if (r, g, b) == MAGENTA else (r, g, b)
    return out


def solid(img):
    """Terrain must be fully opaque and free of the key colour."""
    out = img.convert("RGB")
    px = out.load()
    w, h = out.size
    for y in range(h):
        for x in range(w):
            if px[x, y] == MAGENTA:
                px[x, y] = (254, 0, 254)
    return out


def save_bmp(img, path):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    img.convert("RGB").save(path, "BMP")


def put(img, x, y, colour):
    w, h = img.size
    x, y = int(x), int(y)
    if 0 <= x < w and 0 <= y < h:
        img.putpixel((x, y), rgba(colour) if img.mode == "RGBA" else tuple(colour[:3]))


def rect(img, x0, y0, x1, y1, colour):
    """Filled rectangle, corners inclusive, clipped to the image."""
    x0, y0, x1, y1 = (int(round(v)) for v in (x0, y0, x1, y1))
    for y in range(min(y0, y1), max(y0, y1) + 1):
        for x in range(min(x0, x1), max(x0, x1) + 1):
            put(img, x, y, colour)


def lit_box(img, x0, y0, x1, y1, colour, lit=True):
    """A body part lit from the left: light left column, dark right column."""
    rect(img, x0, y0, x1, y1, colour)
    if lit and x1 > x0:
        rect(img, x0, y0, x0, y1, shade(colour, 1.18))
        rect(img, x1, y0, x1, y1, shade(colour, 0.72))


def ellipse(img, cx, cy, rx, ry, colour, light=None, dark=None):
    """Filled ellipse; optional light top-left and dark bottom-right rims."""
    for y in range(int(cy - ry) - 1, int(cy + ry) + 2):
        for x in range(int(cx - rx) - 1, int(cx + rx) + 2):
            dx = (x + 0.5 - cx) / max(rx, 0.5)
            dy = (y + 0.5 - cy) / max(ry, 0.5)
            d = dx * dx + dy * dy
            if d > 1:
                continue
            c = colour
            if dark is not None and d > 0.55 and dx + dy > 0.35:
                c = dark
            elif light is not None and d > 0.3 and dx + dy < -0.5:
                c = light
            put(img, x, y, c)


def line(img, x0, y0, x1, y1, colour):
    steps = max(abs(x1 - x0), abs(y1 - y0), 1)
    for i in range(steps + 1):
        put(img, round(x0 + (x1 - x0) * i / steps), round(y0 + (y1 - y0) * i / steps), colour)


def smooth_noise(rnd, size, cells):
    """Tileable value noise: a cells x cells lattice on a torus, interpolated."""
    lattice = [[rnd.random() for _ in range(cells)] for _ in range(cells)]
    step = size / cells
    out = [[0.0] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            gx, gy = x / step, y / step
            x0, y0 = int(gx) % cells, int(gy) % cells
            x1, y1 = (x0 + 1) % cells, (y0 + 1) % cells
            tx, ty = gx - int(gx), gy - int(gy)
            tx, ty = tx * tx * (3 - 2 * tx), ty * ty * (3 - 2 * ty)
            a = lattice[y0][x0] + (lattice[y0][x1] - lattice[y0][x0]) * tx
            b = lattice[y1][x0] + (lattice[y1][x1] - lattice[y1][x0]) * tx
            out[y][x] = a + (b - a) * ty
    return out
