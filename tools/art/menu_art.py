"""Menu pictures: the title and load/save backgrounds, the three-frame buttons, the list box."""
from PIL import Image, ImageDraw, ImageFilter

import menu_layout as M
from artlib import (BRONZE, BRONZE_DARK, CLEAR, INK, LABEL, framed_panel, font,
                    mix, rng, rounded_mask, shade, text_width, texture)

SIZE = (800, 600)


def _vertical_gradient(size, stops):
    """stops: [(t 0..1, colour)], drawn top to bottom."""
    w, h = size
    img = Image.new("RGBA", size)
    d = ImageDraw.Draw(img)
    for y in range(h):
        t = y / (h - 1)
        for (t0, c0), (t1, c1) in zip(stops, stops[1:]):
            if t0 <= t <= t1:
                d.line((0, y, w, y), fill=mix(c0, c1, (t - t0) / (t1 - t0)))
                break
    return img


def _glow(img, centre, radius, colour, strength):
    """Soft round light added over img."""
    # radial_gradient reaches 181 at the middle of an edge: scale so the glow ends there.
    g = Image.radial_gradient("L").resize((radius * 2, radius * 2))
    mask = g.point(lambda v: int(max(0, 181 - v) / 181 * 255 * strength))
    layer = Image.new("RGBA", mask.size, colour + (255,))
    layer.putalpha(mask)
    img.alpha_composite(layer, (centre[0] - radius, centre[1] - radius))


def _ridge(r, x_step, base, jitter, smooth=2):
    """A silhouette line: list of y for every x."""
    pts = [base + r.uniform(-jitter, jitter) for _ in range(SIZE[0] // x_step + 2)]
    for _ in range(smooth):
        pts = [pts[0]] + [(a + 2 * b + c) / 4 for a, b, c in zip(pts, pts[1:], pts[2:])] + [pts[-1]]
    ys = []
    for x in range(SIZE[0]):
        i, f = divmod(x / x_step, 1)
        i = int(i)
        ys.append(pts[i] * (1 - f) + pts[i + 1] * f)
    return ys


def _fill_below(d, ys, colour):
    d.polygon([(0, SIZE[1])] + [(x, y) for x, y in enumerate(ys)] + [(SIZE[0], SIZE[1])], fill=colour)


def _castle(d, x, base, colour, window):
    """A keep with towers on a hill top; base is the y of its foot."""
    def tower(x0, w, h, roof=True):
        top = base - h
        d.rectangle((x0, top, x0 + w, base), fill=colour)
        for bx in range(x0, x0 + w, 6):
            d.rectangle((bx, top - 5, bx + 3, top), fill=colour)
        if roof:
            d.polygon([(x0 - 3, top - 4), (x0 + w + 3, top - 4), (x0 + w / 2, top - 30)], fill=colour)
        return top
    tower(x + 30, 90, 70, roof=False)                     # curtain wall and keep
    tower(x + 55, 40, 110)
    tower(x, 26, 100)
    tower(x + 130, 26, 92)
    tower(x + 82, 18, 130)
    for wx, wy in ((x + 9, base - 80), (x + 70, base - 90), (x + 88, base - 108), (x + 139, base - 70),
                   (x + 60, base - 45), (x + 100, base - 40)):
        d.rectangle((wx, wy, wx + 3, wy + 6), fill=window)
    d.chord((x + 65, base - 24, x + 85, base + 10), 180, 360, fill=(20, 14, 10))


def _pines(d, r, y_line, colour, count, size):
    for _ in range(count):
        x = r.uniform(-10, SIZE[0] + 10)
        h = r.uniform(size * 0.6, size)
        y = y_line(x) + r.uniform(0, 10)
        d.polygon([(x, y - h), (x + h * 0.28, y), (x - h * 0.28, y)], fill=colour)


def _stars(img, r, count, max_y):
    d = ImageDraw.Draw(img)
    for _ in range(count):
        x, y = r.randrange(SIZE[0]), int(r.random() ** 1.6 * max_y)
        v = r.randrange(150, 255)
        d.point((x, y), fill=(v, v, min(255, v + 20)))
        if r.random() < 0.08:
            d.point([(x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)], fill=(v // 2, v // 2, v // 2 + 20))


def _title(img, text, centre_x, top, size):
    f = font(size)
    w = text_width(text, f)
    x = centre_x - w // 2
    shadow = Image.new("RGBA", img.size, CLEAR)
    ImageDraw.Draw(shadow).text((x + 4, top + 5), text, font=f, fill=(0, 0, 0, 200),
                                stroke_width=4, stroke_fill=(0, 0, 0, 200))
    img.alpha_composite(shadow.filter(ImageFilter.GaussianBlur(4)))
    mask = Image.new("L", img.size, 0)
    ImageDraw.Draw(mask).text((x, top), text, font=f, fill=255)
    outline = Image.new("L", img.size, 0)
    ImageDraw.Draw(outline).text((x, top), text, font=f, fill=255, stroke_width=3, stroke_fill=255)
    ink = Image.new("RGBA", img.size, (40, 22, 8, 255))
    img.paste(ink, (0, 0), outline)
    gold = _vertical_gradient(img.size, [(0, (255, 244, 190)), (top / 600 + 0.05, (255, 232, 150)),
                                         (top / 600 + size / 1200, (232, 170, 58)),
                                         ((top + size) / 600, (150, 90, 24)), (1, (150, 90, 24))])
    img.paste(gold, (0, 0), mask)


def title_background():
    """menubk.bmp: dusk over the vale, a castle on the right hill, the title over the buttons."""
    r = rng(7)
    img = _vertical_gradient(SIZE, [(0, (14, 14, 40)), (0.3, (44, 36, 84)), (0.52, (128, 66, 98)),
                                    (0.64, (232, 128, 72)), (1, (250, 180, 96))])
    _stars(img, r, 260, 300)
    _glow(img, (650, 112), 110, (255, 240, 200), 0.35)
    d = ImageDraw.Draw(img)
    moon = Image.new("L", SIZE, 0)
    ImageDraw.Draw(moon).ellipse((622, 84, 678, 140), fill=255)
    ImageDraw.Draw(moon).ellipse((640, 78, 692, 132), fill=0)                  # crescent
    img.paste((250, 244, 218, 255), (0, 0), moon)
    _glow(img, (400, 420), 420, (255, 150, 80), 0.25)
    d = ImageDraw.Draw(img)
    far = _ridge(r, 40, 352, 30)
    _fill_below(d, far, (84, 62, 108))
    mid = _ridge(r, 90, 400, 26)
    mid = [y - 70 * max(0, 1 - abs(x - 640) / 170) ** 1.5 for x, y in enumerate(mid)]   # castle hill
    _fill_below(d, mid, (56, 40, 72))
    _castle(d, 566, int(mid[640]) + 6, (34, 24, 46), (255, 214, 120))
    mist = Image.new("RGBA", SIZE, CLEAR)
    md = ImageDraw.Draw(mist)
    for y0 in (410, 438):
        md.rectangle((0, y0, SIZE[0], y0 + 14), fill=(230, 170, 150, 60))
    img.alpha_composite(mist.filter(ImageFilter.GaussianBlur(7)))
    d = ImageDraw.Draw(img)
    near = _ridge(r, 120, 470, 30)
    _fill_below(d, near, (34, 24, 40))
    _pines(d, r, lambda x: near[max(0, min(799, int(x)))], (24, 18, 30), 70, 46)
    front = _ridge(r, 160, 548, 24)
    _fill_below(d, front, (16, 12, 20))
    _pines(d, r, lambda x: front[max(0, min(799, int(x)))], (12, 9, 14), 40, 90)
    # Calm the sky behind the button column.
    calm = Image.new("RGBA", SIZE, CLEAR)
    ImageDraw.Draw(calm).rounded_rectangle((262, 196, 538, 500), radius=24, fill=(10, 8, 20, 70))
    img.alpha_composite(calm.filter(ImageFilter.GaussianBlur(10)))
    _title(img, M.TITLE, 400, 52, 72)
    d = ImageDraw.Draw(img)
    hint = "F12: full screen"
    d.text((792 - text_width(hint, font(12)), 580), hint, font=font(12), fill=(150, 130, 150))
    return img


def _bricks(size, seed):
    """Stone wall: each brick a little darker or lighter, dark mortar, lit upper edges."""
    r = rng(seed)
    img = texture(size, "stone", seed)
    shading = Image.new("RGBA", size, CLEAR)
    sd = ImageDraw.Draw(shading)
    bh, bw = 32, 70
    rows = range(size[1] // bh + 1)
    for row in rows:
        off = (row % 2) * bw // 2
        for x in range(-off, size[0], bw):
            sd.rectangle((x, row * bh, x + bw, row * bh + bh), fill=(0, 0, 0, r.randrange(0, 110)))
    img.alpha_composite(shading)
    d = ImageDraw.Draw(img)
    for row in rows:
        y, off = row * bh, (row % 2) * bw // 2
        d.line((0, y, size[0], y), fill=(22, 20, 24), width=3)
        d.line((0, y + 2, size[0], y + 2), fill=(118, 114, 118))
        for x in range(-off, size[0], bw):
            d.line((x, y, x, y + bh), fill=(22, 20, 24), width=3)
    return img


def load_save_background():
    """loadsavebk.bmp: a torch-lit stone wall with a heading over the list box."""
    img = _bricks(SIZE, 11)
    dark = Image.new("RGBA", SIZE, (8, 6, 12, 110))
    img.alpha_composite(dark)
    for x in (66, 734):
        _glow(img, (x, 210), 190, (255, 150, 60), 0.55)
        d = ImageDraw.Draw(img)
        d.rectangle((x - 5, 220, x + 5, 290), fill=(48, 30, 18), outline=INK)
        d.polygon([(x - 12, 214), (x + 12, 214), (x + 7, 228), (x - 7, 228)], fill=BRONZE_DARK, outline=INK)
        d.ellipse((x - 9, 180, x + 9, 214), fill=(255, 150, 40))
        d.ellipse((x - 5, 190, x + 5, 212), fill=(255, 226, 140))
    vignette = Image.radial_gradient("L").resize(SIZE).point(lambda v: min(255, max(0, v - 110) * 2))
    shadow = Image.new("RGBA", SIZE, (0, 0, 0, 255))
    shadow.putalpha(vignette)
    img.alpha_composite(shadow)
    _title(img, "Chronicles", 400, 24, 52)
    d = ImageDraw.Draw(img)
    sub = "Choose a saved game"
    d.text((400 - text_width(sub, font(16)) // 2, 86), sub, font=font(16), fill=LABEL)
    return img


def list_box():
    """The list of saved games: rows 20 px apart from y 5, arrows in the strip at the right."""
    name, _, (w, h) = M.LIST_BOX
    img = framed_panel((w, h), "leather", seed=21, border=4, radius=8, rivets=False)
    d = ImageDraw.Draw(img)
    for row in range(h // 21):
        y = 5 + 20 * row
        if row % 2:
            d.rectangle((6, y, w - 31, y + 19), fill=(52, 40, 32))
    d.rounded_rectangle((w - 27, 5, w - 4, h - 6), radius=4, fill=(22, 16, 12), outline=BRONZE_DARK)
    return img


def menu_button(label, size, text_size):
    """Three frames stacked: normal, under the pointer, pressed."""
    w, h = size
    img = Image.new("RGBA", (w, 3 * h), CLEAR)
    wood = texture(size, "wood", seed=len(label) * 13 + w)
    f = font(text_size)
    tw = text_width(label, f)
    top = f.getbbox(label)[1]
    glyph_h = f.getbbox("Hg")[3] - top
    for i, look in enumerate(("normal", "hover", "pressed")):
        face = wood.copy()
        if look == "hover":
            face = Image.blend(face, Image.new("RGBA", size, (200, 140, 70, 255)), 0.28)
        elif look == "pressed":
            face = Image.blend(face, Image.new("RGBA", size, (10, 6, 4, 255)), 0.45)
        d = ImageDraw.Draw(face)
        rim = {"normal": BRONZE, "hover": (255, 222, 130), "pressed": BRONZE_DARK}[look]
        d.rounded_rectangle((0, 0, w - 1, h - 1), radius=9, outline=INK, width=1)
        d.rounded_rectangle((1, 1, w - 2, h - 2), radius=8, outline=rim, width=2 if look != "hover" else 3)
        inner = (3, 3, w - 4, h - 4) if look != "hover" else (4, 4, w - 5, h - 5)
        if look == "pressed":
            d.line((inner[0] + 2, inner[1], inner[2] - 2, inner[1]), fill=(8, 5, 3), width=3)
            d.line((inner[0], inner[1] + 2, inner[0], inner[3] - 2), fill=(8, 5, 3), width=2)
        else:
            d.line((inner[0] + 6, inner[1], inner[2] - 6, inner[1]), fill=shade(rim, 1.15))
        o = 2 if look == "pressed" else 0
        ink = {"normal": LABEL, "hover": (255, 246, 200), "pressed": (170, 150, 110)}[look]
        x, y = (w - tw) // 2 + o, (h - glyph_h) // 2 - top + o
        d.text((x, y), label, font=f, fill=ink, stroke_width=2, stroke_fill=INK)
        face.putalpha(rounded_mask(size, 9))
        img.alpha_composite(face, (0, i * h))
    return img
