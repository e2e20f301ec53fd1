"""The large interface panels, drawn so their wells, labels and troughs sit under what the game
prints and blits at the coordinates in layout.py."""
from PIL import Image, ImageDraw

import layout as L
from artlib import (BRONZE, BRONZE_DARK, BRONZE_LIGHT, CLEAR, INK, LABEL, LABEL_DIM, divider,
                    dotted_leader, font, framed_panel, shade, text_width, vdivider, well)
from glyphs import glyph_paste

SMALL = 11        # the game prints values at this size; labels use it too so baselines match


def _panel(name, kind="leather", seed=1, **kw):
    (px, py), size = L.PANELS[name]
    img = framed_panel(size, kind, seed, **kw)
    return img, ImageDraw.Draw(img), (px, py)


def _label_row(d, origin, label, vx, vy, lx, colour=LABEL):
    """Label at local x lx on the row of a value printed at screen (vx, vy), dotted up to it."""
    x, y = vx - origin[0], vy - origin[1]
    f = font(SMALL)
    d.text((lx, y), label, font=f, fill=colour)
    end = lx + text_width(label, f) + 4
    dotted_leader(d, end, x - 3, y + 10)


def _arrow_trough(d, x, y0, y1):
    """Dark groove at local x .. x + 19 where a panel's scroll arrows appear."""
    d.rounded_rectangle((x, y0, x + 19, y1), radius=3, fill=shade(INK, 1.3), outline=shade(BRONZE_DARK, 0.8))
    d.line((x + 9, y0 + 14, x + 9, y1 - 14), fill=shade(BRONZE_DARK, 0.7))
    d.line((x + 10, y0 + 14, x + 10, y1 - 14), fill=shade(INK, 0.8))


def stats_panel():
    img, d, o = _panel("panelStats", seed=51, border=4, radius=6)
    w, h = img.size
    f12 = font(12)
    title = "Character"
    d.text((220 - text_width(title, f12) // 2, 2), title, font=f12, fill=BRONZE_LIGHT)
    for label, x, y in L.STATS_TOP:
        _label_row(d, o, label, x, y, 12)
    divider(d, 8, 56, w - 9)
    for label, x, y in L.STATS_POOLS:
        _label_row(d, o, label, x, y, 12, colour=(236, 150, 140) if label == "HP" else (150, 176, 246))
    divider(d, 8, 97, 140)
    for label, x, y in L.STATS_ATTRIBUTES:
        _label_row(d, o, label, x, y, 12)
    vdivider(d, 144, 59, h - 9)
    for label, x, y in L.STATS_COMBAT:
        _label_row(d, o, label, x, y, 152)
    divider(d, 148, 136, w - 9)
    for label, x, y in L.STATS_SKILLS:
        _label_row(d, o, label, x, y, 152)
    return img


def points_box():
    """panelPSPA.bmp: unspent attribute and skill points, printed at local x 25."""
    (px, py), size = L.PANELS["panelPSPA"]
    w, h = size
    img = Image.new("RGBA", size, CLEAR)
    d = ImageDraw.Draw(img)
    d.rounded_rectangle((0, 0, w - 1, h - 1), radius=3, fill=(28, 44, 24), outline=INK)
    d.rounded_rectangle((1, 1, w - 2, h - 2), radius=2, outline=(96, 170, 84))
    d.line((3, h // 2, w - 4, h // 2), fill=(60, 100, 54))
    f = font(9)
    for label, x, y in L.PSPA_VALUES:
        d.text((3, y - py + 3), label, font=f, fill=(190, 230, 170))
    return img


def _slot_glyphs():
    return {"helmet": "helmet", "necklace": "necklace", "armor": "armor", "boots": "boots",
            "ring1": "ring", "ring2": "ring", "leftHand": "sword", "rightHand": "shield"}


def _figure(d, cx, top, bottom):
    """A dim mannequin between the slot columns."""
    col, line = (64, 50, 40), (30, 22, 17)
    d.ellipse((cx - 10, top, cx + 10, top + 22), fill=col, outline=line)
    d.polygon([(cx - 22, top + 28), (cx + 22, top + 28), (cx + 16, top + 80), (cx - 16, top + 80)],
              fill=col, outline=line)
    d.polygon([(cx - 22, top + 28), (cx - 30, top + 78), (cx - 24, top + 80), (cx - 14, top + 40)],
              fill=col, outline=line)
    d.polygon([(cx + 22, top + 28), (cx + 30, top + 78), (cx + 24, top + 80), (cx + 14, top + 40)],
              fill=col, outline=line)
    d.polygon([(cx - 16, top + 80), (cx - 2, top + 80), (cx - 4, bottom), (cx - 16, bottom)],
              fill=col, outline=line)
    d.polygon([(cx + 16, top + 80), (cx + 2, top + 80), (cx + 4, bottom), (cx + 16, bottom)],
              fill=col, outline=line)


def equipment_panel():
    img, d, o = _panel("panelIventChar", seed=61, border=4, radius=6, rivets=False)
    h = img.size[1]
    left, right = L.EQUIPMENT_SLOTS["helmet"][0], L.EQUIPMENT_SLOTS["necklace"][0]
    _figure(d, (left + 26 + right) // 2 - o[0], 12, h - 12)
    for slot, (x, y) in L.EQUIPMENT_SLOTS.items():
        x, y = x - o[0], y - o[1]
        d.rectangle((x - 3, y - 3, x + 27, y + 27), outline=BRONZE_DARK)
        well(d, (x - 2, y - 2, x + 26, y + 26))
        glyph_paste(img, _slot_glyphs()[slot], (x + 2, y + 2), 21, (60, 48, 38))
    return img


def _item_grid(name, seed, cells, arrows):
    """A panel of item wells (33 px apart, icon 3 px inside) with a scroll trough."""
    img, d, o = _panel(name, seed=seed, border=4, radius=6, rivets=False)
    for row in cells:
        for x, y in row:
            x, y = x - o[0], y - o[1]
            well(d, (x - 3, y - 3, x + 27, y + 27))
    (ux, uy), (_, dy) = arrows
    _arrow_trough(d, ux - o[0] - 1, uy - o[1] - 1, dy - o[1] + 10)
    return img, d, o


def inventory_panel():
    return _item_grid("panelIventory", 71, L.INVENTORY_CELLS, L.INVENTORY_ARROWS)[0]


def _search_button(img, box, pressed, label=None, direction=None):
    """One search-window button in local box (x0, y0, x1, y1); pressed = sunk and darker."""
    d = ImageDraw.Draw(img)
    x0, y0, x1, y1 = box
    face = (62, 46, 34) if not pressed else (34, 25, 19)
    d.rectangle(box, fill=face, outline=INK)
    if pressed:
        d.line((x0 + 1, y1 - 1, x0 + 1, y0 + 1, x1 - 1, y0 + 1), fill=(10, 7, 5))
    else:
        d.line((x0 + 1, y1 - 1, x0 + 1, y0 + 1, x1 - 1, y0 + 1), fill=BRONZE)
        d.line((x0 + 2, y1 - 1, x1 - 1, y1 - 1, x1 - 1, y0 + 2), fill=BRONZE_DARK)
    o = 1 if pressed else 0
    ink = LABEL if not pressed else LABEL_DIM
    if label:
        f = font(10 if y1 - y0 < 20 else 12)
        tw = text_width(label, f)
        ty = y0 + (y1 - y0) // 2 - (6 if f.size == 10 else 8)
        d.text((x0 + (x1 - x0 - tw) // 2 + o, ty + o), label, font=f, fill=ink)
    if direction:
        cx, cy = (x0 + x1) / 2 + o, (y0 + y1) / 2 + o
        tri = {"up": [(0, -3), (4, 2), (-4, 2)], "down": [(0, 3), (4, -2), (-4, -2)],
               "left": [(-3, 0), (2, -4), (2, 4)], "right": [(3, 0), (-2, -4), (-2, 4)]}[direction]
        d.polygon([(cx + a, cy + b) for a, b in tri], fill=BRONZE_LIGHT if not pressed else BRONZE)


_BUTTON_LOOK = {"remove": ("Remove", None), "takeAll": ("Take all", None), "up": (None, "up"),
                "down": (None, "down"), "left": (None, "left"), "right": (None, "right")}


def search_window():
    """enemyInventory.bmp: item wells, arrow trough and the six buttons in their released look."""
    img, d, o = _item_grid("enemyInventory", 81, L.SEARCH_CELLS, L.SEARCH_ARROWS)
    d.text((13, 5), "Corpse", font=font(12), fill=BRONZE_LIGHT)
    d.text((13, 24), "push it", font=font(9), fill=LABEL_DIM)
    # Hub of the push pad, between the four direction buttons.
    up_x = L.SEARCH_BUTTONS["up"][0][0] - o[0]
    left_y = L.SEARCH_BUTTONS["left"][0][1] - o[1]
    d.ellipse((up_x - 3, left_y - 1, up_x + 17, left_y + 15), fill=(30, 22, 17), outline=BRONZE_DARK)
    glyph_paste(img, "skull", (up_x + 1, left_y + 2), 13, (150, 140, 120))
    for name, ((x, y), (_, _, bw, bh)) in L.SEARCH_BUTTONS.items():
        label, direction = _BUTTON_LOOK[name]
        x, y = x - o[0], y - o[1]
        _search_button(img, (x, y, x + bw - 1, y + bh - 1), False, label, direction)
    return img


def search_buttons_pressed():
    """enemyButtons.bmp, 56 x 73: the pressed look of each button at its source rectangle."""
    img = Image.new("RGBA", L.ENEMY_BUTTONS_SIZE, CLEAR)
    for name, (_, (sx, sy, bw, bh)) in L.SEARCH_BUTTONS.items():
        label, direction = _BUTTON_LOOK[name]
        _search_button(img, (sx, sy, sx + bw - 1, sy + bh - 1), True, label, direction)
    return img


def dialogue_panel():
    img, d, o = _panel("textPanel", seed=91, border=4, radius=7, rivets=False)
    (ux, uy), (_, dy) = L.DIALOGUE_ARROWS
    _arrow_trough(d, ux - o[0] - 1, uy - o[1] - 1, dy - o[1] + 10)
    return img


def quest_panel():
    img, d, o = _panel("questPanel", seed=101, border=4, radius=7, rivets=False)
    (ax, a0), (_, a1), (_, a2), (_, a3) = L.QUEST_ARROWS
    x = ax - o[0] - 1
    _arrow_trough(d, x, a0 - o[1] - 1, a1 - o[1] + 10)
    _arrow_trough(d, x, a2 - o[1] - 1, a3 - o[1] + 10)
    split = (a1 - o[1] + 10 + a2 - o[1]) // 2      # between the quest rows and the description
    divider(d, 8, split, x - 4)
    return img
