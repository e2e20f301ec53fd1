"""Scenery of the crypt: tombs, coffins, bones, columns, braziers, candles,
urns, the altar, the chieftain's throne, his chest, wall torches and a
ghoul's nest. Each returns an RGBA drawing of width x height fields in the
game's three-quarter view; the caller outlines and keys it."""
import math

from world_common import FIELD, canvas, ellipse, jitter, line, put, rect, rng, shade

GRANITE = (124, 120, 132)
BONE = (220, 212, 184)
IRON = (70, 68, 76)
OAK = (106, 72, 44)
FLAME = ((206, 64, 26), (248, 150, 42), (255, 236, 140))  # rim, body, core


def _grain(img, x0, y0, x1, y1, colour, rnd, amount=6):
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            put(img, x, y, jitter(colour, amount, rnd))


def _flame(img, cx, base, height, rnd):
    """A tongue of fire standing on (cx, base), core low and bright."""
    rim, body, core = FLAME
    for y in range(base - height, base + 1):
        t = (y - (base - height)) / max(1, height)
        half = round(t * height / 3 + rnd.uniform(-0.3, 0.3))
        for x in range(cx - half, cx + half + 1):
            c = core if t > 0.55 and abs(x - cx) < max(1, half) else body if t > 0.25 else rim
            put(img, x, y, c)


def _skull(img, cx, cy, r=3.0, tint=BONE):
    ellipse(img, cx, cy, r, r * 0.9, tint, light=shade(tint, 1.12), dark=shade(tint, 0.72))
    rect(img, int(cx - r * 0.6), int(cy), int(cx - r * 0.6) + 1, int(cy) + 1, (34, 26, 30))
    rect(img, int(cx + r * 0.2), int(cy), int(cx + r * 0.2) + 1, int(cy) + 1, (34, 26, 30))
    rect(img, int(cx - 1), int(cy + r * 0.8), int(cx + 1), int(cy + r * 0.8), shade(tint, 0.8))


def _bone(img, x0, y0, x1, y1, tint=BONE):
    line(img, x0, y0, x1, y1, tint)
    line(img, x0, y0 + 1, x1, y1 + 1, shade(tint, 0.75))
    for x, y in ((x0, y0), (x1, y1)):  # knobbed ends
        rect(img, x - 1, y - 1, x, y + 1, tint)
        put(img, x - 1, y - 1, shade(tint, 1.15))


def tomb(seed, w=1, h=2):
    """A stone sarcophagus; its lid carved with the sleeper, a sword on the
    breast, and the panelled end or side facing the room."""
    rnd = rng("tomb", seed)
    W, H = w * FIELD, h * FIELD
    img = canvas(W, H)
    upright = h > w
    face = 7
    x0, y0, x1, y1 = 2, 3, W - 3, H - 3 - face
    _grain(img, x0 + 1, y1 + 1, x1 - 1, y1 + face, shade(GRANITE, 0.7), rnd)  # the face
    for k in range(x0 + 4, x1 - 3, 8):  # its carved panels
        rect(img, k, y1 + 2, k + 4, y1 + face - 1, shade(GRANITE, 0.55))
        rect(img, k, y1 + 2, k + 4, y1 + 2, shade(GRANITE, 0.85))
    _grain(img, x0, y0, x1, y1, GRANITE, rnd)  # the lid
    rect(img, x0, y0, x1, y0, shade(GRANITE, 1.25))
    rect(img, x0, y0, x0, y1, shade(GRANITE, 1.18))
    rect(img, x1, y0, x1, y1, shade(GRANITE, 0.75))
    rect(img, x0, y1, x1, y1, shade(GRANITE, 0.6))
    figure = shade(GRANITE, 1.12)
    if upright:  # head to the north
        cx = (x0 + x1) // 2
        ellipse(img, cx + 0.5, y0 + 7, 3.5, 3.5, figure, dark=shade(figure, 0.8))
        rect(img, cx - 4, y0 + 12, cx + 5, y1 - 4, figure)
        rect(img, cx + 5, y0 + 12, cx + 5, y1 - 4, shade(figure, 0.8))
        line(img, cx, y0 + 14, cx, y1 - 6, shade(GRANITE, 0.65))  # the sword
        rect(img, cx - 2, y0 + 16, cx + 2, y0 + 16, shade(GRANITE, 0.65))
        rect(img, cx - 1, y0 + 18, cx + 2, y0 + 19, shade(figure, 1.1))  # folded hands
    else:  # head to the west
        cy = (y0 + y1) // 2
        ellipse(img, x0 + 7, cy + 0.5, 3.5, 3.5, figure, dark=shade(figure, 0.8))
        rect(img, x0 + 12, cy - 3, x1 - 4, cy + 3, figure)
        rect(img, x0 + 12, cy + 3, x1 - 4, cy + 3, shade(figure, 0.8))
        line(img, x0 + 14, cy, x1 - 6, cy, shade(GRANITE, 0.65))
        rect(img, x0 + 16, cy - 2, x0 + 16, cy + 2, shade(GRANITE, 0.65))
    for _ in range(3):  # moss and chips
        put(img, rnd.randint(x0 + 1, x1 - 1), rnd.randint(y0 + 1, y1 - 1), (88, 110, 72))
    return img


def coffin(seed):
    """A wooden coffin, its lid shoved half off: darkness and a skull inside."""
    rnd = rng("coffin", seed)
    img = canvas(FIELD, 2 * FIELD)

    def half(y):  # widest at the shoulders
        return 5 + (y - 4) * 5 // 10 if y < 14 else 10 - (y - 14) * 4 // 30

    for y in range(4, 44):
        for x in range(12 - half(y), 13 + half(y)):
            edge = x in (12 - half(y), 12 + half(y))
            put(img, x, y, shade(OAK, 0.7) if edge else jitter(OAK, 6, rnd))
    for y in range(20, 41):  # the open part
        for x in range(13 - half(y), 12 + half(y)):
            put(img, x, y, (30, 22, 22))
    _skull(img, 11, 25, 3.2)
    _bone(img, 9, 32, 15, 37)
    for y in range(6, 22):  # the lid, pushed up and to the right
        for x in range(15 - half(y), 16 + half(y) - 2):
            put(img, min(x + 2, 23), y - 2, shade(OAK, 1.12) if (x + y) % 7 else shade(OAK, 0.9))
    rect(img, 8, 44, 17, 46, shade(OAK, 0.55))  # foot end in shadow
    return img


def bones(seed):
    rnd = rng("bones", seed)
    img = canvas(FIELD, FIELD)
    for _ in range(5):
        x0, y0 = rnd.randint(3, 12), rnd.randint(8, 20)
        _bone(img, x0, y0, x0 + rnd.randint(6, 10), y0 + rnd.randint(-5, 3), jitter(BONE, 8, rnd))
    _skull(img, 16, 17, 3.4)
    for k in range(3):  # a few ribs
        line(img, 5 + k * 2, 20, 8 + k * 2, 16, shade(BONE, 0.9))
    return img


def skulls(seed):
    rnd = rng("skulls", seed)
    img = canvas(FIELD, FIELD)
    for cx, cy in ((6, 19), (12, 20), (18, 19), (9, 14), (15, 14), (12, 9)):
        _skull(img, cx + rnd.uniform(-0.4, 0.4), cy, 3.2, jitter(BONE, 10, rnd))
    return img


def brazier(seed):
    """An iron bowl of coals on three legs, burning."""
    rnd = rng("brazier", seed)
    img = canvas(FIELD, FIELD)
    for x0, x1 in ((6, 4), (12, 12), (18, 20)):
        line(img, x0, 16, x1, 23, IRON)
    ellipse(img, 12, 14, 8, 3.5, IRON, light=shade(IRON, 1.4), dark=shade(IRON, 0.7))
    ellipse(img, 12, 13, 6.5, 2, (120, 40, 24))
    for x in range(7, 18, 2):
        put(img, x, 13, (240, 120, 40))
    _flame(img, 12, 12, 10, rnd)
    _flame(img, 9, 12, 6, rnd)
    _flame(img, 15, 12, 7, rnd)
    return img


def candles(seed):
    rnd = rng("candles", seed)
    img = canvas(FIELD, FIELD)
    ellipse(img, 12, 20, 9, 3, (226, 214, 176))  # spilt wax
    for cx, top in ((7, 12), (11, 8), (15, 13), (18, 16), (10, 15)):
        rect(img, cx, top, cx + 1, 20, (236, 226, 190))
        put(img, cx + 1, top + 1, (196, 184, 150))
        put(img, cx - 1, top + 3, (236, 226, 190))  # a drip
        _flame(img, cx, top - 1, 3, rnd)
    return img


def urn(seed):
    img = canvas(FIELD, FIELD)
    clay = (150, 96, 60)
    ellipse(img, 12.5, 15, 7, 7, clay, light=shade(clay, 1.25), dark=shade(clay, 0.65))
    rect(img, 9, 4, 16, 8, clay)
    rect(img, 9, 4, 9, 8, shade(clay, 1.2))
    rect(img, 16, 4, 16, 8, shade(clay, 0.7))
    rect(img, 8, 2, 17, 4, shade(clay, 0.8))  # lid
    rect(img, 11, 1, 14, 1, shade(clay, 0.9))
    for x in range(7, 19):  # painted band
        put(img, x, 13 + (x % 3 == 0), (120, 36, 30))
        put(img, x, 15, (40, 30, 30) if x % 4 == 0 else (120, 36, 30))
    line(img, 14, 17, 16, 21, shade(clay, 0.5))  # a crack
    rect(img, 8, 21, 17, 22, shade(clay, 0.6))
    return img


def column(seed):
    """A whole column holding up the vault: plinth, fluted shaft, capital."""
    rnd = rng("column", seed)
    img = canvas(FIELD, 2 * FIELD)
    for y in range(10, 43):
        for x in range(7, 18):
            flute = (x - 7) % 3 == 2
            c = shade(GRANITE, 1.22 - 0.5 * (x - 7) / 10 - (0.1 if flute else 0))
            put(img, x, y, jitter(c, 4, rnd))
    rect(img, 4, 4, 20, 9, shade(GRANITE, 0.95))  # capital
    rect(img, 4, 4, 20, 4, shade(GRANITE, 1.25))
    rect(img, 5, 9, 19, 9, shade(GRANITE, 0.6))
    rect(img, 3, 2, 21, 3, shade(GRANITE, 1.1))
    rect(img, 3, 43, 21, 48, shade(GRANITE, 0.85))  # plinth
    rect(img, 3, 43, 21, 43, shade(GRANITE, 1.2))
    rect(img, 21, 44, 21, 48, shade(GRANITE, 0.6))
    for _ in range(3):
        put(img, rnd.randint(8, 16), rnd.randint(14, 40), (88, 104, 80))
    return img


def altar(seed):
    """A stone altar under a purple cloth, candles at its ends, a skull."""
    rnd = rng("altar", seed)
    img = canvas(2 * FIELD, FIELD)
    _grain(img, 3, 12, 46, 22, shade(GRANITE, 0.7), rnd)
    for k in (6, 20, 34):
        rect(img, k, 14, k + 9, 21, shade(GRANITE, 0.55))
    cloth = (74, 40, 96)
    rect(img, 2, 7, 47, 12, cloth)
    rect(img, 2, 7, 47, 7, shade(cloth, 1.3))
    for x in range(14, 36):  # the cloth hangs down the front
        put(img, x, 13, cloth)
        put(img, x, 14, (190, 150, 64) if x % 2 else cloth)
    _skull(img, 25, 8, 3.4)
    for cx in (6, 43):
        rect(img, cx, 2, cx + 1, 8, (236, 226, 190))
        _flame(img, cx, 1, 2, rnd)
    return img


def throne(seed):
    """The chieftain's seat: a high stone back crowned with skulls, bones
    along the arms, a red cushion and a step in front."""
    rnd = rng("throne", seed)
    img = canvas(2 * FIELD, 2 * FIELD)
    _grain(img, 10, 6, 39, 30, shade(GRANITE, 0.8), rnd)  # the back
    rect(img, 10, 6, 10, 30, shade(GRANITE, 1.1))
    rect(img, 39, 6, 39, 30, shade(GRANITE, 0.55))
    rect(img, 14, 10, 35, 28, (92, 26, 34))  # its cloth
    for y in range(10, 29, 3):
        rect(img, 14, y, 35, y, (110, 34, 40))
    for cx in (11, 25, 38):
        _skull(img, cx, 5, 3.6)
    _grain(img, 5, 26, 44, 38, GRANITE, rnd)  # seat and arms
    rect(img, 5, 26, 44, 26, shade(GRANITE, 1.25))
    rect(img, 12, 29, 37, 36, (150, 36, 44))  # cushion
    rect(img, 12, 29, 37, 29, (190, 70, 74))
    for x0 in (6, 38):
        _bone(img, x0, 30, x0 + 5, 33)
    _grain(img, 2, 39, 47, 46, shade(GRANITE, 0.7), rnd)  # the step
    rect(img, 2, 39, 47, 39, shade(GRANITE, 1.05))
    return img


def chest(seed):
    img = canvas(FIELD, FIELD)
    rect(img, 3, 9, 21, 21, OAK)
    rect(img, 3, 5, 21, 10, shade(OAK, 1.15))  # lid
    rect(img, 3, 5, 21, 5, shade(OAK, 1.35))
    rect(img, 3, 10, 21, 10, shade(OAK, 0.6))
    for x in (5, 18):  # iron bands
        rect(img, x, 5, x + 1, 21, IRON)
    rect(img, 3, 20, 21, 21, shade(OAK, 0.55))
    rect(img, 11, 10, 13, 13, (196, 160, 70))  # the lock
    put(img, 12, 12, (40, 30, 24))
    return img


def torch(seed):
    """An iron sconce on the wall face with a burning torch."""
    rnd = rng("torch", seed)
    img = canvas(FIELD, FIELD)
    rect(img, 10, 15, 14, 16, IRON)
    rect(img, 12, 16, 12, 20, IRON)
    rect(img, 11, 8, 13, 15, (110, 74, 44))
    rect(img, 13, 8, 13, 15, (80, 54, 32))
    _flame(img, 12, 7, 7, rnd)
    return img


def nest(seed):
    """Where a ghoul sleeps: a heap of rags and straw, gnawed bones round it."""
    rnd = rng("nest", seed)
    img = canvas(2 * FIELD, FIELD)
    ellipse(img, 25, 14, 20, 8, (112, 94, 62))
    for _ in range(260):
        a, k = rnd.uniform(0, 2 * math.pi), math.sqrt(rnd.random())
        x, y = 25 + math.cos(a) * 19 * k, 14 + math.sin(a) * 7 * k
        c = rnd.choice(((150, 128, 72), (120, 100, 60), (86, 76, 66), (104, 60, 50)))
        put(img, x, y, shade(c, 1.1 - 0.3 * k))
    ellipse(img, 25, 14, 8, 3, (52, 40, 34))  # the hollow it lies in
    _bone(img, 4, 20, 11, 17)
    _bone(img, 38, 19, 45, 22)
    _skull(img, 41, 12, 2.8)
    return img
