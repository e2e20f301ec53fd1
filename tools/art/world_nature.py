"""Natural scenery: trees, bushes, rocks, stumps, reeds. Each function returns
an RGBA drawing of width x height fields; the caller outlines and keys it."""
import math

from world_common import FIELD, canvas, ellipse, jitter, line, put, rect, rng, shade

LEAF = [(34, 74, 34), (50, 104, 42), (72, 136, 52), (112, 170, 70)]
PINE = [(22, 58, 40), (32, 82, 52), (48, 110, 64), (82, 142, 84)]
BARK = (104, 72, 44)


def foliage(img, blobs, palette, rnd):
    """Clumps of leaves: each blob lit from the upper left, grainy inside."""
    for cx, cy, r in blobs:
        for y in range(int(cy - r) - 1, int(cy + r) + 2):
            for x in range(int(cx - r) - 1, int(cx + r) + 2):
                dx, dy = x + 0.5 - cx, y + 0.5 - cy
                d = math.hypot(dx, dy)
                if d > r:
                    continue
                light = -(dx + dy) / (2 * r) + rnd.uniform(-0.28, 0.28)
                if d > r - 1.5 and dx + dy > 0:
                    light -= 0.5
                level = 0 if light < -0.35 else 1 if light < 0.05 else 2 if light < 0.4 else 3
                put(img, x, y, palette[level])


def trunk(img, x0, x1, y0, y1, rnd):
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            c = shade(BARK, 1.2) if x == x0 else shade(BARK, 0.7) if x == x1 else BARK
            if rnd.random() < 0.2:
                c = shade(c, 0.8)
            put(img, x, y, c)
    # roots flaring at the foot
    put(img, x0 - 1, y1, shade(BARK, 0.9))
    put(img, x0 - 2, y1, shade(BARK, 0.8))
    put(img, x1 + 1, y1, shade(BARK, 0.7))
    put(img, x1 + 2, y1, shade(BARK, 0.6))


def _crown(rnd, cx, cy, rx, ry, count, rmin, rmax):
    blobs = []
    for i in range(count):
        a = rnd.uniform(0, 2 * math.pi)
        k = math.sqrt(rnd.random())
        blobs.append((cx + math.cos(a) * rx * k, cy + math.sin(a) * ry * k, rnd.uniform(rmin, rmax)))
    blobs.sort(key=lambda b: b[1] + b[0] * 0.2)  # far (upper) clumps first
    return blobs


def oak(seed, w=2, h=2):
    rnd = rng("oak", seed)
    W, H = w * FIELD, h * FIELD
    img = canvas(W, H)
    trunk(img, W // 2 - 3, W // 2 + 2, int(H * 0.62), H - 2, rnd)
    blobs = [(W / 2, H * 0.38, W * 0.3)] + _crown(rnd, W / 2, H * 0.38, W * 0.26, H * 0.22, 9 + 3 * w, W * 0.13, W * 0.2)
    foliage(img, blobs, LEAF if seed % 3 else [(40, 80, 30), (62, 110, 36), (96, 146, 48), (140, 180, 70)], rnd)
    return img


def pine(seed, w=1, h=2):
    rnd = rng("pine", seed)
    W, H = w * FIELD, h * FIELD
    img = canvas(W, H)
    cx = W / 2 - 0.5
    trunk(img, int(cx) - 1, int(cx) + 1, H - 9, H - 2, rnd)
    tiers = 4
    top, bottom = 2, H - 8
    for t in range(tiers):
        ty0 = top + (bottom - top) * t // (tiers + 1)
        ty1 = top + (bottom - top) * (t + 2) // (tiers + 1)
        for y in range(ty0, ty1 + 1):
            half = (y - ty0 + 2) * (W / 2 - 1) / (ty1 - ty0 + 2) * (0.55 + 0.45 * (t + 1) / tiers)
            for x in range(int(cx - half), int(cx + half) + 1):
                side = (x - cx) / max(half, 1)
                light = -side * 0.6 + rnd.uniform(-0.3, 0.3) - (0.5 if y > ty1 - 2 else 0)
                level = 0 if light < -0.45 else 1 if light < 0.0 else 2 if light < 0.45 else 3
                put(img, x, y, PINE[level])
    return img


def bush(seed, berries=False):
    rnd = rng("bush", seed)
    img = canvas(FIELD, FIELD)
    blobs = _crown(rnd, 12.5, 14, 6, 4, 6, 4, 6.5)
    foliage(img, blobs, LEAF, rnd)
    if berries:
        for _ in range(6):
            x, y = rnd.randint(6, 18), rnd.randint(8, 20)
            if img.getpixel((x, y))[3]:
                put(img, x, y, (200, 40, 52))
                put(img, x - 1, y - 1, (240, 120, 120))
    return img


def stone(img, cx, cy, rx, ry, rnd, base=(132, 128, 122)):
    ellipse(img, cx, cy, rx, ry, base, light=shade(base, 1.25), dark=shade(base, 0.68))
    for _ in range(int(rx * ry / 12)):  # speckle and a crack or two
        x, y = int(cx + rnd.uniform(-rx, rx) * 0.7), int(cy + rnd.uniform(-ry, ry) * 0.7)
        if img.getpixel((x, y))[3]:
            put(img, x, y, jitter(base, 20, rnd))
    x = int(cx + rnd.uniform(-rx / 3, rx / 3))
    line(img, x, int(cy - ry / 3), x + 2, int(cy + ry / 4), shade(base, 0.6))
    for _ in range(3):  # moss on the upper side
        x, y = int(cx + rnd.uniform(-rx / 2, rx / 2)), int(cy - ry * 0.6)
        put(img, x, y, (90, 126, 62))
        put(img, x + 1, y, (74, 108, 52))


def rock(seed):
    rnd = rng("rock", seed)
    img = canvas(FIELD, FIELD)
    stone(img, 12, 15, 10, 8, rnd)
    stone(img, 17, 19, 5, 4, rnd, base=(120, 116, 112))
    return img


def boulder(seed):
    rnd = rng("boulder", seed)
    img = canvas(2 * FIELD, 2 * FIELD)
    stone(img, 22, 26, 19, 17, rnd, base=(126, 122, 116))
    stone(img, 37, 37, 10, 8, rnd, base=(116, 112, 108))
    stone(img, 10, 40, 7, 6, rnd, base=(136, 130, 122))
    return img


def stump(seed):
    rnd = rng("stump", seed)
    img = canvas(FIELD, FIELD)
    rect(img, 5, 12, 19, 21, BARK)
    for y in range(12, 22):
        put(img, 5, y, shade(BARK, 1.2))
        put(img, 19, y, shade(BARK, 0.7))
        if rnd.random() < 0.5:
            put(img, rnd.randint(7, 17), y, shade(BARK, 0.75))
    ellipse(img, 12, 12, 7.5, 4, (196, 158, 104))
    for r in (5, 3):
        for a in range(0, 360, 20):
            put(img, round(12 + r * math.cos(math.radians(a))), round(12 + r * 0.5 * math.sin(math.radians(a))), (160, 120, 76))
    put(img, 3, 21, BARK)
    put(img, 21, 21, shade(BARK, 0.7))
    return img


def log(seed):
    rnd = rng("log", seed)
    img = canvas(2 * FIELD, FIELD)
    rect(img, 4, 9, 44, 19, BARK)
    for x in range(4, 45):
        put(img, x, 9, shade(BARK, 1.25))
        put(img, x, 19, shade(BARK, 0.65))
        if rnd.random() < 0.4:
            put(img, x, rnd.randint(11, 17), shade(BARK, 0.75))
    ellipse(img, 44, 14, 3.5, 5.5, (196, 158, 104))
    put(img, 44, 14, (150, 110, 70))
    for x, y in ((14, 8), (15, 7), (30, 8)):  # a stub of a branch and moss
        put(img, x, y, BARK)
    for x in range(18, 24):
        put(img, x, 10, (88, 126, 60))
    return img


def reeds(seed):
    rnd = rng("reeds", seed)
    img = canvas(FIELD, FIELD)
    for _ in range(7):
        x = rnd.randint(3, 21)
        top = rnd.randint(3, 10)
        lean = rnd.choice((-1, 0, 1))
        line(img, x, 23, x + lean, top, rnd.choice(((70, 130, 56), (92, 150, 64), (58, 110, 48))))
        if rnd.random() < 0.6:
            rect(img, x + lean, top - 3, x + lean + 1, top + 1, (120, 78, 42))
    return img


def mushrooms(seed):
    img = canvas(FIELD, FIELD)
    for cx, cy, r in ((8, 16, 4), (16, 19, 3), (15, 10, 2.5)):
        rect(img, cx - 1, cy, cx, cy + r + 1, (232, 222, 200))
        ellipse(img, cx - 0.5, cy, r + 0.5, r * 0.7, (196, 48, 40), light=(228, 96, 80))
        put(img, int(cx - 2), int(cy - 1), (246, 240, 230))
        put(img, int(cx + 1), int(cy), (246, 240, 230))
    return img
