"""Item pictures, 25 x 25, on the magenta key."""
import math

from world_common import FIELD, canvas, ellipse, flatten, line, outline, put, rect, shade
from world_treasure import PICTURES as TREASURE
from world_trophies import PICTURES as TROPHIES

STEEL = (196, 202, 212)
GOLD = (226, 184, 64)
WOOD = (132, 88, 48)
LEATHER = (140, 92, 52)


def _blade(img, length, width, guard, grip, pommel):
    """A blade along the diagonal, tip at the upper right."""
    x0, y0 = 5, 19
    for i in range(length):
        x, y = x0 + i, y0 - i
        for k in range(width):
            put(img, x + k, y, shade(STEEL, 1.25 if k == 0 else 0.72 if k == width - 1 else 1.0))
    put(img, x0 + length - 1 + width - 1, y0 - length, STEEL)  # tip
    for k in range(-3, 4):  # cross guard across the blade
        put(img, x0 - 1 + k, y0 + 1 + k, guard)
        put(img, x0 + k, y0 + 1 + k, shade(guard, 0.75))
    for k in range(1, grip + 1):
        put(img, x0 - k, y0 + k + 1, WOOD)
        put(img, x0 - k + 1, y0 + k + 1, shade(WOOD, 0.7))
    ellipse(img, x0 - grip - 0.5, y0 + grip + 2.5, 1.5, 1.5, pommel)


def shortsword():
    img = canvas(FIELD, FIELD)
    _blade(img, 14, 3, GOLD, 3, GOLD)
    return img


def dagger():
    img = canvas(FIELD, FIELD)
    _blade(img, 8, 2, (150, 150, 160), 3, (150, 150, 160))
    return img


def axe():
    img = canvas(FIELD, FIELD)
    line(img, 3, 23, 17, 4, WOOD)
    line(img, 4, 23, 18, 4, shade(WOOD, 0.7))
    # a broad crescent bit on both sides of the haft near its top
    for y in range(25):
        for x in range(25):
            for sx in (1, -1):
                dx, dy = (x - 15) * sx, y - 7
                r = math.hypot(dx, dy)
                if dx > 0 and 3 <= r <= 9 - (2 if sx < 0 else 0) and abs(math.atan2(dy, dx)) < 0.9:
                    edge = r > 7.5 - (2 if sx < 0 else 0)
                    put(img, x, y, shade(STEEL, 1.3 if edge else 0.95 - 0.04 * dy))
    rect(img, 14, 5, 17, 9, shade(STEEL, 0.6))
    rect(img, 2, 22, 4, 24, (80, 80, 90))
    return img


def bow():
    img = canvas(FIELD, FIELD)
    for i in range(37):
        t = i / 36
        b = 1 - (2 * t - 1) ** 2
        x = round(4 + 17 * t - 5 * b)
        y = round(21 - 17 * t - 5 * b)
        put(img, x, y, WOOD)
        put(img, x + 1, y + 1, shade(WOOD, 0.7))
    line(img, 4, 21, 21, 4, (236, 230, 210))
    rect(img, 7, 7, 8, 8, (200, 60, 50))  # grip wrap
    return img


def _arrow(img, x0, y0, length, fletch, head=STEEL, shaft=(176, 140, 90)):
    line(img, x0, y0, x0 + length, y0 - length, shaft)
    for k in range(3):
        put(img, x0 + length + k - 1, y0 - length - k + 1, head)
        put(img, x0 + length + k, y0 - length - k + 1, shade(head, 0.75))
    for k in range(3):
        put(img, x0 + k - 1, y0 - k, fletch)
        put(img, x0 + k + 1, y0 - k + 2, shade(fletch, 0.8))


def arrows():
    img = canvas(FIELD, FIELD)
    for dx, colour in ((0, (220, 60, 50)), (3, (240, 236, 226)), (6, (220, 60, 50))):
        _arrow(img, 3 + dx, 22, 15, colour)
    rect(img, 10, 14, 14, 15, (110, 70, 40))  # binding cord
    return img


def crossbow():
    img = canvas(FIELD, FIELD)
    rect(img, 11, 6, 13, 23, WOOD)
    rect(img, 11, 6, 11, 23, shade(WOOD, 1.2))
    rect(img, 10, 20, 14, 23, shade(WOOD, 0.8))
    for x in range(2, 23):  # steel prod, bent back at the tips
        y = 7 + abs(x - 12) // 4
        put(img, x, y, STEEL)
        put(img, x, y + 1, shade(STEEL, 0.7))
    line(img, 2, 10, 12, 15, (230, 224, 206))
    line(img, 22, 10, 12, 15, (230, 224, 206))
    rect(img, 12, 17, 12, 19, (70, 60, 56))  # trigger
    return img


def bolts():
    img = canvas(FIELD, FIELD)
    for dx in (0, 4, 8):
        _arrow(img, 4 + dx, 21, 11, (90, 90, 100), head=(160, 166, 176), shaft=(120, 84, 50))
    return img


def leatherarmor():
    img = canvas(FIELD, FIELD)
    rect(img, 6, 4, 18, 21, LEATHER)
    rect(img, 3, 4, 6, 11, LEATHER)  # shoulders
    rect(img, 18, 4, 21, 11, LEATHER)
    for x in range(10, 15):  # neck opening
        for y in range(3, 7):
            img.putpixel((x, y), (0, 0, 0, 0))
    rect(img, 6, 4, 7, 21, shade(LEATHER, 1.2))
    rect(img, 17, 4, 18, 21, shade(LEATHER, 0.7))
    for y in range(8, 21, 3):
        rect(img, 9, y, 15, y, shade(LEATHER, 0.8))
    for y in range(7, 21, 2):  # stitching down the front
        put(img, 12, y, (226, 200, 150))
    rect(img, 6, 17, 18, 18, (90, 60, 34))
    put(img, 12, 17, GOLD)
    return img


def helmet():
    img = canvas(FIELD, FIELD)
    ellipse(img, 12, 12, 9, 9, STEEL, light=shade(STEEL, 1.3), dark=shade(STEEL, 0.7))
    for y in range(13, 23):
        for x in range(2, 23):
            img.putpixel((x, y), (0, 0, 0, 0))
    rect(img, 3, 12, 21, 14, shade(STEEL, 0.85))  # rim
    rect(img, 11, 14, 13, 20, shade(STEEL, 0.9))  # nose guard
    rect(img, 4, 14, 6, 19, shade(STEEL, 0.85))  # cheek guards
    rect(img, 18, 14, 20, 19, shade(STEEL, 0.85))
    rect(img, 11, 3, 13, 12, shade(STEEL, 1.15))  # ridge
    for x in (5, 9, 15, 19):
        put(img, x, 13, (90, 90, 100))
    return img


def boots():
    img = canvas(FIELD, FIELD)
    for x0, tint in ((2, 0.85), (12, 1.0)):
        c = shade(LEATHER, tint)
        rect(img, x0, 5, x0 + 5, 18, c)
        rect(img, x0, 16, x0 + 9, 20, c)
        rect(img, x0, 20, x0 + 9, 21, (60, 40, 26))  # sole
        rect(img, x0, 5, x0 + 5, 7, shade(c, 1.25))  # cuff
        put(img, x0 + 1, 10, shade(c, 1.3))
    return img


def ring():
    img = canvas(FIELD, FIELD)
    ellipse(img, 12, 14, 8, 7, GOLD, light=shade(GOLD, 1.35), dark=shade(GOLD, 0.65))
    ellipse(img, 12, 14.5, 5, 4, (0, 0, 0))
    for y in range(25):
        for x in range(25):
            if img.getpixel((x, y)) == (0, 0, 0, 255):
                img.putpixel((x, y), (0, 0, 0, 0))
    ellipse(img, 12, 6.5, 3.5, 3, (60, 120, 220), light=(170, 210, 250))
    return img


def necklace():
    img = canvas(FIELD, FIELD)
    for i in range(0, 181, 12):
        a = math.radians(i)
        x, y = 12 + 9 * math.cos(a), 4 + 10 * math.sin(a)
        put(img, round(x), round(y), GOLD)
        put(img, round(x) + 1, round(y), shade(GOLD, 0.7))
    ellipse(img, 12.5, 17, 3.5, 4.5, (220, 130, 30), light=(250, 200, 90), dark=(160, 80, 20))
    rect(img, 12, 12, 13, 13, GOLD)
    return img


def _potion(colour):
    img = canvas(FIELD, FIELD)
    ellipse(img, 12.5, 15, 8, 8, (200, 220, 230))
    ellipse(img, 12.5, 16, 7, 6.5, colour, light=shade(colour, 1.35), dark=shade(colour, 0.65))
    rect(img, 10, 3, 15, 8, (200, 220, 230))  # neck
    rect(img, 10, 1, 15, 3, (150, 104, 60))  # cork
    rect(img, 7, 11, 8, 13, (244, 250, 255))  # glint
    return img


def hppotion():
    return _potion((206, 30, 40))


def mppotion():
    return _potion((40, 80, 220))


def bread():
    img = canvas(FIELD, FIELD)
    ellipse(img, 12.5, 14, 10, 6.5, (196, 136, 62), light=(228, 180, 104), dark=(150, 96, 40))
    for x in (7, 11, 15):
        line(img, x, 11, x + 3, 15, (240, 210, 150))
    return img


def _rune(glyph):
    img = canvas(FIELD, FIELD)
    stone = (120, 118, 126)
    rect(img, 4, 3, 20, 22, stone)
    rect(img, 4, 3, 20, 4, shade(stone, 1.3))
    rect(img, 4, 3, 5, 22, shade(stone, 1.2))
    rect(img, 19, 3, 20, 22, shade(stone, 0.7))
    rect(img, 4, 21, 20, 22, shade(stone, 0.65))
    glyph(img)
    return img


def healrune():
    def glyph(img):
        glow = (110, 236, 120)
        rect(img, 11, 7, 13, 18, glow)
        rect(img, 7, 11, 17, 13, glow)
        rect(img, 12, 8, 12, 17, (220, 255, 220))
        rect(img, 8, 12, 16, 12, (220, 255, 220))
    return _rune(glyph)


def firerune():
    def glyph(img):
        for y in range(6, 19):  # flame: narrow tip, round belly
            half = (y - 5) * 5 // 10 if y < 15 else 5 - (y - 15)
            rect(img, 12 - half, y, 12 + half, y, (236, 90, 30))
            if y > 10:
                rect(img, 12 - half // 2, y, 12 + half // 2, y, (252, 200, 70))
    return _rune(glyph)


PICTURES = {
    "shortsword": shortsword, "dagger": dagger, "axe": axe, "bow": bow, "arrows": arrows,
    "crossbow": crossbow, "bolts": bolts, "leatherarmor": leatherarmor, "helmet": helmet,
    "boots": boots, "ring": ring, "necklace": necklace, "hppotion": hppotion,
    "mppotion": mppotion, "bread": bread, "healrune": healrune, "firerune": firerune,
}
PICTURES.update(TROPHIES)
PICTURES.update(TREASURE)


def item_picture(iid):
    return flatten(outline(PICTURES[iid]()))
