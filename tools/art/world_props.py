"""Built scenery: houses, the well, market stall, fences, camp, ruins, signs.
Drawn in the game's three-quarter view: roofs above, front walls below."""
import math

from world_common import FIELD, canvas, ellipse, jitter, line, put, rect, rng, shade
from world_nature import stone

WOOD = (128, 86, 50)
PLASTER = (226, 212, 178)
STONE = (146, 140, 130)


def _roof(img, x0, x1, y0, y1, kind, rnd):
    """Front slope of a gabled roof, ridge along the top."""
    colours = {"tiles": (170, 70, 50), "slate": (74, 88, 116), "thatch": (202, 168, 86)}
    base = colours[kind]
    for y in range(y0, y1 + 1):
        row = (y - y0) // 5
        inset = max(0, 3 - (y - y0))  # rounded ends of the ridge
        for x in range(x0 + inset, x1 - inset + 1):
            c = base
            if kind == "thatch":
                c = shade(base, 0.78 if (x * 7 + y * 3 + rnd.randrange(4)) % 9 == 0 else 1.0)
                if (y - y0) % 6 == 5:
                    c = shade(base, 0.72)
            else:
                u = (x - x0 + (3 if row % 2 else 0)) % 7
                if (y - y0) % 5 == 4:
                    c = shade(base, 0.62)
                elif u == 0:
                    c = shade(base, 0.78)
                elif (y - y0) % 5 == 0:
                    c = shade(base, 1.18)
            c = shade(c, 1.08 - 0.22 * (x - x0) / max(1, x1 - x0))  # light from the left
            put(img, x, y, jitter(c, 5, rnd))
    rect(img, x0 + 3, y0, x1 - 3, y0 + 1, shade(base, 0.55))  # ridge cap
    rect(img, x0, y1 - 1, x1, y1, shade(base, 0.5))  # eave


def _window(img, x, y, lit=False):
    rect(img, x - 1, y - 1, x + 8, y + 9, (96, 64, 40))
    rect(img, x, y, x + 7, y + 8, (250, 210, 110) if lit else (86, 120, 160))
    rect(img, x, y, x + 2, y + 2, (150, 190, 220) if not lit else (255, 236, 170))
    rect(img, x + 3, y, x + 4, y + 8, (96, 64, 40))
    rect(img, x, y + 4, x + 7, y + 4, (96, 64, 40))
    rect(img, x - 1, y + 10, x + 8, y + 10, (170, 160, 150))  # sill


def _door(img, x, y0, y1):
    rect(img, x, y0, x + 9, y1, (88, 56, 32))
    for xx in (x + 3, x + 6):
        line(img, xx, y0 + 1, xx, y1, (70, 44, 26))
    rect(img, x + 7, (y0 + y1) // 2, x + 7, (y0 + y1) // 2, (222, 190, 80))
    rect(img, x - 1, y0 - 1, x + 10, y0 - 1, (70, 44, 26))


def house(seed, w=4, h=4, roof="tiles", walls="timber", chimney=True, lit=False):
    rnd = rng("house", seed)
    W, H = w * FIELD, h * FIELD
    img = canvas(W, H)
    eave = int(H * 0.58)
    wall_top, wall_bottom = eave - 2, H - 2
    # front wall
    for y in range(wall_top, wall_bottom + 1):
        for x in range(6, W - 6):
            if walls == "stone":
                course = (y - wall_top) // 5
                joint = (y - wall_top) % 5 == 0 or (x + (4 if course % 2 else 0)) % 9 == 0
                c = shade(STONE, 0.7) if joint else jitter(STONE, 10, rnd)
            else:
                c = jitter(PLASTER, 4, rnd)
            put(img, x, y, c)
    if walls == "timber":
        for x in range(6, W - 6, 16):
            rect(img, x, wall_top, x + 2, wall_bottom, (92, 58, 34))
        rect(img, W - 9, wall_top, W - 7, wall_bottom, (92, 58, 34))
        rect(img, 6, wall_top + 2, W - 7, wall_top + 4, (92, 58, 34))
    rect(img, 6, wall_bottom - 3, W - 7, wall_bottom, shade(STONE, 0.8))  # footing
    door_x = W // 2 - 5
    _door(img, door_x, wall_bottom - 17, wall_bottom - 1)
    for wx in range(14, W - 20, 24):
        if abs(wx + 4 - W // 2) > 10:
            _window(img, wx, wall_top + 9, lit)
    # roof over it, with a chimney poking out
    if chimney:
        cx = W - 26 if seed % 2 else 16
        for y in range(2, 16):
            for x in range(cx, cx + 8):
                put(img, x, y, shade((150, 82, 62), 0.7 if (y % 4 == 0 or (x + y // 4) % 4 == 0) else 1.0))
        rect(img, cx - 1, 2, cx + 8, 3, (70, 64, 60))
    _roof(img, 1, W - 2, 8, eave, roof, rnd)
    rect(img, 6, eave + 1, W - 7, eave + 2, (60, 48, 40))  # shadow under the eave
    return img


def well(seed):
    img = canvas(2 * FIELD, 2 * FIELD)
    for x in (9, 38):  # posts
        rect(img, x, 6, x + 2, 34, WOOD)
        rect(img, x, 6, x, 34, shade(WOOD, 1.2))
    rect(img, 9, 12, 40, 13, shade(WOOD, 0.8))  # crossbar with the rope
    line(img, 25, 13, 25, 26, (196, 176, 130))
    ellipse(img, 25, 36, 20, 11, STONE, light=shade(STONE, 1.2), dark=shade(STONE, 0.7))
    ellipse(img, 25, 34, 14, 6, (26, 40, 56))
    ellipse(img, 25, 35, 11, 4, (40, 72, 104))
    for a in range(0, 40, 6):  # stones of the ring
        for x, y in ((8 + a, 40), (10 + a, 44)):
            if img.getpixel((x, y))[3]:
                put(img, x, y, shade(STONE, 0.65))
    rect(img, 22, 24, 28, 29, (110, 76, 44))  # bucket
    rect(img, 22, 24, 28, 24, (80, 80, 84))
    for y in range(1, 9):  # little roof
        half = 6 + y * 2
        for x in range(25 - half, 25 + half):
            put(img, x, y + 1, shade((160, 68, 50), 0.75 if y % 3 == 0 else 1.05 - 0.02 * (x - 25 + half)))
    return img


def _fruit(img, x, y, colour):
    rect(img, x, y, x + 2, y + 2, colour)
    put(img, x - 1, y + 1, shade(colour, 0.8))
    put(img, x + 3, y + 1, shade(colour, 0.7))
    rect(img, x, y + 2, x + 2, y + 2, shade(colour, 0.7))
    put(img, x, y, shade(colour, 1.5))


def stall(seed):
    img = canvas(3 * FIELD, 2 * FIELD)
    for x in (4, 69):
        rect(img, x, 10, x + 2, 46, WOOD)
    rect(img, 2, 26, 72, 40, (150, 104, 60))  # counter
    for x in range(2, 73):
        put(img, x, 26, shade((150, 104, 60), 1.25))
        put(img, x, 40, shade((150, 104, 60), 0.6))
    for cx, colour in ((12, (200, 40, 40)), (26, (120, 180, 60)), (40, (236, 176, 70)), (54, (200, 40, 40)), (64, (150, 90, 200))):
        for fx, fy in ((-4, 31), (0, 31), (4, 31), (-2, 28), (2, 28)):  # a little heap of produce
            _fruit(img, cx + fx, fy, colour)
    for y in range(2, 21):  # striped awning
        for x in range(0, 75):
            stripe = (x // 8) % 2
            c = (206, 54, 50) if stripe else (240, 230, 206)
            if y > 16:
                c = shade(c, 0.8)
                if (x % 8) in (3, 4) and y == 20:
                    continue
            put(img, x, y, shade(c, 1.05 - 0.15 * y / 20))
    return img


def fence(seed, vertical=False):
    img = canvas(FIELD, FIELD)
    if vertical:
        rect(img, 10, 0, 11, 24, WOOD)
        rect(img, 14, 0, 15, 24, shade(WOOD, 0.8))
        rect(img, 9, 3, 16, 9, shade(WOOD, 0.9))
        rect(img, 9, 3, 16, 4, shade(WOOD, 1.25))
        rect(img, 9, 15, 16, 21, shade(WOOD, 0.9))
        rect(img, 9, 15, 16, 16, shade(WOOD, 1.25))
    else:
        rect(img, 0, 10, 24, 11, shade(WOOD, 1.1))
        rect(img, 0, 16, 24, 17, WOOD)
        for x in (3, 18):
            rect(img, x, 6, x + 3, 22, shade(WOOD, 0.9))
            rect(img, x, 6, x + 3, 6, shade(WOOD, 1.3))
            rect(img, x + 3, 7, x + 3, 22, shade(WOOD, 0.65))
    return img


def barrel(seed):
    img = canvas(FIELD, FIELD)
    ellipse(img, 12, 14, 8, 9, (146, 96, 52), light=(178, 126, 72), dark=(104, 66, 36))
    for y in (8, 19):
        rect(img, 5, y, 19, y, (80, 80, 86))
    ellipse(img, 12, 7, 6.5, 3, (120, 80, 44))
    return img


def crate(seed):
    img = canvas(FIELD, FIELD)
    rect(img, 4, 6, 20, 21, (170, 126, 74))
    for y in range(6, 22):
        put(img, 4, y, (200, 156, 100))
        put(img, 20, y, (120, 84, 48))
    rect(img, 4, 6, 20, 7, (200, 156, 100))
    line(img, 5, 8, 19, 20, (120, 84, 48))
    line(img, 5, 20, 19, 8, (120, 84, 48))
    return img


def sign(seed, direction=1):
    img = canvas(FIELD, FIELD)
    rect(img, 11, 8, 13, 23, WOOD)
    tip = 22 if direction > 0 else 2
    back = 4 if direction > 0 else 20
    rect(img, min(back, tip - 4 * direction), 4, max(back, tip - 4 * direction), 11, (182, 136, 82))
    for k in range(4):
        rect(img, tip - direction * (3 - k), 4 + k, tip - direction * (3 - k), 11 - k, (182, 136, 82))
    line(img, min(back, tip) + 3, 7, max(back, tip) - 4, 7, (100, 68, 40))
    line(img, min(back, tip) + 3, 9, max(back, tip) - 6, 9, (100, 68, 40))
    return img


def gatepost(seed):
    img = canvas(FIELD, FIELD)
    rect(img, 6, 4, 18, 22, STONE)
    for y in range(4, 23, 5):
        rect(img, 6, y, 18, y, shade(STONE, 0.7))
    rect(img, 6, 4, 7, 22, shade(STONE, 1.2))
    rect(img, 17, 4, 18, 22, shade(STONE, 0.75))
    rect(img, 5, 2, 19, 4, shade(STONE, 1.1))
    ellipse(img, 12, 0.5, 2.5, 2.5, (250, 200, 90))  # lantern on top
    return img


def lamp(seed):
    """Lamp post, two fields high, lantern lit."""
    img = canvas(FIELD, 2 * FIELD)
    rect(img, 11, 12, 13, 45, (58, 56, 62))
    rect(img, 11, 12, 11, 45, (96, 94, 104))
    rect(img, 8, 44, 16, 47, (70, 68, 76))
    rect(img, 8, 3, 16, 12, (40, 38, 44))
    rect(img, 9, 5, 15, 10, (252, 214, 110))
    rect(img, 10, 6, 11, 8, (255, 246, 200))
    rect(img, 7, 2, 17, 3, (58, 56, 62))
    put(img, 12, 1, (58, 56, 62))
    return img


def tent(seed):
    rnd = rng("tent", seed)
    img = canvas(3 * FIELD, 3 * FIELD)
    canvas_col = (150, 124, 86)
    for y in range(6, 70):
        half = (y - 6) * 34 // 64
        for x in range(37 - half, 38 + half):
            side = (x - 37) / max(half, 1)
            c = shade(canvas_col, 1.12 - 0.3 * (side + 1) / 2)
            if (y - 6) % 16 == 15:
                c = shade(c, 0.8)
            put(img, x, y, jitter(c, 4, rnd))
    for y in range(40, 70):  # dark opening
        half = (y - 40) * 9 // 30
        rect(img, 37 - half, y, 37 + half, y, (40, 30, 26))
    rect(img, 46, 22, 54, 30, shade(canvas_col, 0.7))  # a patch
    line(img, 37, 2, 37, 8, WOOD)
    line(img, 4, 72, 10, 60, (180, 160, 120))  # ropes and pegs
    line(img, 70, 72, 64, 60, (180, 160, 120))
    return img


def campfire(seed):
    rnd = rng("fire", seed)
    img = canvas(FIELD, FIELD)
    for a in range(8):
        x = 12 + round(9 * math.cos(a * math.pi / 4))
        y = 16 + round(5 * math.sin(a * math.pi / 4))
        ellipse(img, x, y, 2.2, 1.8, (128, 124, 118), light=(170, 166, 160))
    line(img, 6, 18, 18, 14, (110, 70, 40))
    line(img, 6, 14, 18, 18, (92, 58, 34))
    for y in range(4, 17):
        half = (y - 3) * 5 // 13
        for x in range(12 - half, 13 + half):
            t = (y - 4) / 13 + rnd.uniform(-0.15, 0.15)
            put(img, x, y, (255, 236, 120) if t > 0.7 and abs(x - 12) < 2 else (246, 150, 40) if t > 0.35 else (214, 70, 30))
    return img


def pillar(seed):
    rnd = rng("pillar", seed)
    img = canvas(FIELD, 2 * FIELD)
    top = 10 + seed % 3 * 4
    for y in range(top, 46):
        for x in range(6, 19):
            flute = (x - 6) % 4 == 3
            put(img, x, y, jitter(shade(STONE, 1.2 - 0.45 * (x - 6) / 12 - (0.12 if flute else 0)), 5, rnd))
    for x in range(6, 19):  # broken top edge
        put(img, x, top - rnd.randint(0, 3), shade(STONE, 1.1))
    rect(img, 3, 44, 21, 48, shade(STONE, 0.9))
    rect(img, 3, 44, 21, 44, shade(STONE, 1.2))
    for _ in range(4):
        put(img, rnd.randint(7, 17), rnd.randint(top, 40), (90, 126, 62))
    return img


def grave(seed):
    img = canvas(FIELD, FIELD)
    rect(img, 7, 6, 17, 20, (128, 128, 132))
    ellipse(img, 12, 6, 5.5, 4, (128, 128, 132))
    rect(img, 7, 4, 8, 20, (160, 160, 166))
    rect(img, 16, 6, 17, 20, (96, 96, 102))
    rect(img, 11, 8, 13, 16, (90, 90, 96))
    rect(img, 9, 10, 15, 11, (90, 90, 96))
    rect(img, 4, 20, 20, 23, (100, 80, 56))
    return img


def rubble(seed):
    rnd = rng("rubble", seed)
    img = canvas(FIELD, FIELD)
    for cx, cy, r in ((7, 16, 5), (16, 14, 5), (13, 20, 4), (19, 20, 3)):
        stone(img, cx, cy, r, r * 0.8, rnd, base=STONE)
    return img
