"""Small interface pieces: bars, quick-slot frame, plus button, arrows, NPC panel, action icons."""
from PIL import Image, ImageDraw

import layout as L
from artlib import (BRONZE, BRONZE_DARK, BRONZE_LIGHT, CLEAR, HP_RED, INK, LABEL, MP_BLUE,
                    bevel, font, framed_panel, mix, shade, supersampled, texture, well)
from glyphs import glyph


def arrows(face=(44, 32, 24)):
    """18 x 21: up arrow button in rows 0-9, down arrow in rows 11-20, transparent between."""
    img = Image.new("RGBA", L.ARROWS_SIZE, CLEAR)
    for top, up in ((0, True), (11, False)):
        def paint(d, k, up=up):
            d.rounded_rectangle((0, 0, 18 * k - 1, 10 * k - 1), radius=3 * k, fill=INK + (255,))
            d.rounded_rectangle((k, k, 17 * k - 1, 9 * k - 1), radius=2 * k, fill=BRONZE_DARK + (255,))
            d.rounded_rectangle((2 * k, 2 * k, 16 * k - 1, 8 * k - 1), radius=k, fill=face + (255,))
            tri = [(9 * k, 2.4 * k), (13.6 * k, 7.6 * k), (4.4 * k, 7.6 * k)]
            if not up:
                tri = [(x, 10 * k - y) for x, y in tri]
            d.polygon(tri, fill=BRONZE_LIGHT + (255,))
        img.alpha_composite(supersampled((18, 10), paint), (0, top))
    return img


def plus_buttons():
    """adds.bmp, 9 x 19: released (0, 0, 9, 9) and pressed (0, 10, 9, 9)."""
    img = Image.new("RGBA", (9, 19), CLEAR)
    d = ImageDraw.Draw(img)
    for top, pressed in ((0, False), (10, True)):
        face = (52, 120, 48) if not pressed else (30, 74, 28)
        d.rectangle((0, top, 8, top + 8), fill=face)
        if pressed:
            bevel(d, (0, top, 8, top + 8), INK, (110, 170, 100))
        else:
            bevel(d, (0, top, 8, top + 8), (150, 214, 140), INK)
        o = 1 if pressed else 0
        cross = (232, 244, 214) if not pressed else (176, 200, 160)
        d.line((2 + o, top + 4 + o, 6 + o, top + 4 + o), fill=cross)
        d.line((4 + o, top + 2 + o, 4 + o, top + 6 + o), fill=cross)
    return img


def _bar_colours(kind):
    return (HP_RED, (58, 12, 10)) if kind == "hp" else (MP_BLUE, (10, 16, 56))


def empty_stripes():
    """emptyStripes.bmp, 200 x 40: an empty HP bar frame (rows 0-19) and an MP one (rows 20-39)."""
    img = Image.new("RGBA", (200, 40), CLEAR)
    d = ImageDraw.Draw(img)
    for top, kind in ((0, "hp"), (20, "mp")):
        _, trough = _bar_colours(kind)
        d.rectangle((0, top, 199, top + 19), fill=INK)
        d.rectangle((1, top + 1, 198, top + 18), fill=BRONZE)
        d.line((1, top + 1, 198, top + 1), fill=BRONZE_LIGHT)
        d.line((1, top + 18, 198, top + 18), fill=BRONZE_DARK)
        d.rectangle((2, top + 2, 197, top + 17), fill=trough)
        d.line((2, top + 2, 197, top + 2), fill=shade(trough, 0.5))
        for x in range(22, 198, 22):          # faint notches every tenth of the bar
            d.line((x, top + 3, x, top + 16), fill=shade(trough, 1.5))
    return img


def full_stripes():
    """fullStripes.bmp, 198 x 34: full HP rows 0-15, full MP rows 18-33.

    Drawn at x + 2 over the empty frame and cut to the current width; at full width it also
    covers the frame's last two columns, so those are repainted as the frame's right edge."""
    img = Image.new("RGBA", (198, 34), CLEAR)
    d = ImageDraw.Draw(img)
    for top, kind in ((0, "hp"), (18, "mp")):
        base, _ = _bar_colours(kind)
        for row in range(16):
            t = row / 15.0
            col = mix(shade(base, 1.45), base, t * 2) if t < 0.5 else mix(base, shade(base, 0.5), (t - 0.5) * 2)
            d.line((0, top + row, 195, top + row), fill=col)
        d.line((0, top + 2, 195, top + 2), fill=mix(shade(base, 1.6), (255, 240, 230), 0.35))
        for x in range(20, 196, 22):
            d.line((x, top + 1, x, top + 14), fill=shade(base, 0.75))
        # Right edge of the frame, hidden under a full bar otherwise.
        d.line((196, top, 196, top + 15), fill=BRONZE)
        d.line((197, top, 197, top + 15), fill=INK)
    return img


def field():
    """field.bmp, 35 x 34: one quick slot; the item icon lands at (2, 2)."""
    img = texture(L.FIELD_SIZE, "wood", seed=31)
    d = ImageDraw.Draw(img)
    d.rectangle((0, 0, 34, 33), outline=INK)
    d.line((1, 1, 33, 1), fill=shade(BRONZE_LIGHT, 0.8))
    d.rectangle((0, 0, 28, 28), fill=INK)
    d.rectangle((1, 1, 27, 27), outline=BRONZE)
    well(d, (2, 2, 26, 26))
    d.line((29, 29, 34, 29), fill=shade(INK, 2))
    for x, y in ((31, 3), (31, 24), (5, 31), (24, 31)):
        d.point((x, y), fill=BRONZE_LIGHT)
    return img


def npc_stripes():
    """NPCStripesPanel.bmp, 60 x 9: HP rows 0-3, MP rows 5-8."""
    img = Image.new("RGBA", L.STRIPES_SIZE, CLEAR)
    d = ImageDraw.Draw(img)
    for top, base in ((0, HP_RED), (5, MP_BLUE)):
        for row, f in enumerate((1.5, 1.15, 0.9, 0.6)):
            d.line((0, top + row, 59, top + row), fill=shade(base, f))
    return img


def npc_panel():
    """NPCPanel.bmp: portrait well, name line, two stripe troughs and four icon rows."""
    (px, py), size = L.PANELS["NPCPanel"]
    img = framed_panel(size, "leather", seed=41, border=3, radius=4, rivets=False)
    d = ImageDraw.Draw(img)
    sx, sy = L.NPC_SPRITE_AT[0] - px, L.NPC_SPRITE_AT[1] - py
    well(d, (sx - 2, sy - 2, sx + 26, sy + 41))
    for (x, y), col in zip(L.NPC_STRIPES_AT, ((70, 14, 12), (14, 20, 70))):
        x, y = x - px, y - py
        d.rectangle((x - 1, y - 1, x + 60, y + 4), fill=col, outline=INK)
    top = L.NPC_ICONS_AT[0][1] - py
    d.line((6, top - 7, size[0] - 7, top - 7), fill=INK)
    d.line((6, top - 6, size[0] - 7, top - 6), fill=shade(BRONZE, 0.8))
    for x, y in L.NPC_ICONS_AT:       # faint sockets behind the action icons
        x, y = x - px, y - py
        d.rounded_rectangle((x - 1, y - 1, x + 80, y + 16), radius=3, fill=shade(INK, 1.6))
    return img


ACTIONS = {
    "mAttack": ("Attack", "swords", (214, 214, 226)),
    "mSearch": ("Search", "magnifier", BRONZE_LIGHT),
    "mTrade": ("Trade", "coins", (236, 196, 70)),
    "mTalk": ("Talk", "speech", (238, 230, 206)),
    "mPickUp": ("Pick up", "pickup", (150, 104, 60)),
}


def action_icon(name):
    """An 80 x 16 plaque with a symbol and its label."""
    label, symbol, colour = ACTIONS[name]
    w, h = L.ICON_SIZE

    def paint(d, k):
        d.rounded_rectangle((0, 0, w * k - 1, h * k - 1), radius=4 * k, fill=INK + (255,))
        d.rounded_rectangle((k, k, w * k - k - 1, h * k - k - 1), radius=3 * k, fill=BRONZE_DARK + (255,))
        d.rounded_rectangle((2 * k, 2 * k, w * k - 2 * k - 1, h * k - 2 * k - 1), radius=2 * k,
                            fill=(54, 40, 30, 255))

    img = supersampled((w, h), paint)
    img.alpha_composite(glyph(symbol, 14, colour), (3, 1))
    ImageDraw.Draw(img).text((21, 1), label, font=font(11), fill=LABEL)
    return img
