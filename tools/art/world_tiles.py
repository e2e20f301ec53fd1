"""Terrain tiles, 25 x 25 each. Every tile wraps at its edges so a field of
equal tiles shows no seams; variants of one ground break up the repetition."""
import math

from PIL import Image

from world_common import FIELD, jitter, mix, rng, shade, smooth_noise, solid

S = FIELD


def _wrap(px, x, y, colour):
    px[x % S, y % S] = tuple(colour[:3])


def _base(seed, colour, blotch=0.18, grain=10, cells=5):
    """Ground colour with soft blotches and per-pixel grain."""
    rnd = rng("base", seed)
    noise = smooth_noise(rnd, S, cells)
    img = Image.new("RGB", (S, S))
    px = img.load()
    for y in range(S):
        for x in range(S):
            c = shade(colour, 1 - blotch / 2 + blotch * noise[y][x])
            px[x, y] = jitter(c, grain, rnd)
    return img, px, rnd


def grass(seed, colour=(78, 140, 58), tufts=14, flowers=0):
    img, px, rnd = _base(("grass", seed), colour)
    dark, light = shade(colour, 0.74), shade(colour, 1.2)
    for _ in range(tufts):
        x, y = rnd.randrange(S), rnd.randrange(S)
        for blade in (-1, 0, 1):
            h = rnd.randint(2, 4)
            lean = rnd.choice((-1, 0, 1)) if blade else 0
            for k in range(h):
                _wrap(px, x + blade * 1 + (lean if k == h - 1 else 0), y - k, dark if k < h - 1 else light)
    for _ in range(flowers):
        x, y = rnd.randrange(S), rnd.randrange(S)
        petal = rnd.choice([(250, 248, 235), (248, 214, 64), (222, 78, 88), (160, 120, 220)])
        for dx, dy in ((0, -1), (-1, 0), (1, 0), (0, 1)):
            _wrap(px, x + dx, y + dy, petal)
        _wrap(px, x, y, (240, 190, 40) if petal != (248, 214, 64) else (200, 110, 30))
        _wrap(px, x, y + 2, shade(colour, 0.7))
    return solid(img)


def dirt(seed, colour=(150, 112, 72), pebbles=7):
    img, px, rnd = _base(("dirt", seed), colour, blotch=0.22, grain=9)
    for _ in range(pebbles):
        x, y = rnd.randrange(S), rnd.randrange(S)
        stone = jitter((168, 160, 146), 14, rnd)
        _wrap(px, x, y, shade(stone, 1.15))
        _wrap(px, x + 1, y, stone)
        _wrap(px, x, y + 1, shade(colour, 0.62))
        _wrap(px, x + 1, y + 1, shade(colour, 0.62))
    for _ in range(10):  # cart ruts and footprints: short dark dashes
        x, y = rnd.randrange(S), rnd.randrange(S)
        _wrap(px, x, y, shade(colour, 0.8))
    return solid(img)


def _voronoi(rnd, count, jitter_min=0):
    points = [(rnd.uniform(0, S), rnd.uniform(0, S)) for _ in range(count)]
    owner, edge = [[0] * S for _ in range(S)], [[0.0] * S for _ in range(S)]
    for y in range(S):
        for x in range(S):
            ds = []
            for i, (px_, py_) in enumerate(points):
                dx = min(abs(x + 0.5 - px_), S - abs(x + 0.5 - px_))
                dy = min(abs(y + 0.5 - py_), S - abs(y + 0.5 - py_))
                ds.append((math.hypot(dx, dy), i, x + 0.5 - px_, y + 0.5 - py_))
            ds.sort()
            owner[y][x] = ds[0][1]
            edge[y][x] = ds[1][0] - ds[0][0]
    return points, owner, edge


def cobble(seed, colour=(156, 150, 140), gap=(100, 92, 82), count=12):
    rnd = rng("cobble", seed)
    points, owner, edge = _voronoi(rnd, count)
    tints = [jitter(colour, 18, rnd) for _ in points]
    img = Image.new("RGB", (S, S))
    px = img.load()
    for y in range(S):
        for x in range(S):
            if edge[y][x] < 1.3:
                px[x, y] = jitter(gap, 6, rnd)
                continue
            c = tints[owner[y][x]]
            # light on the upper-left rim of each stone, shadow on the lower-right
            up = owner[(y - 2) % S][x] != owner[y][x] or owner[y][(x - 2) % S] != owner[y][x]
            down = owner[(y + 2) % S][x] != owner[y][x] or owner[y][(x + 2) % S] != owner[y][x]
            if up and not down:
                c = shade(c, 1.18)
            elif down and not up:
                c = shade(c, 0.78)
            px[x, y] = jitter(c, 6, rnd)
    return solid(img)


def water(seed, colour=(48, 98, 168), lily=False):
    img, px, rnd = _base(("water", seed), colour, blotch=0.3, grain=4, cells=5)
    for _ in range(7):
        x, y, n = rnd.randrange(S), rnd.randrange(S), rnd.randint(3, 6)
        for k in range(n):
            arc = 0 if 0 < k < n - 1 else 1
            _wrap(px, x + k, y + arc, shade(colour, 1.5 if arc == 0 else 1.25))
            _wrap(px, x + k, y + arc + 1, shade(colour, 0.82))
    for _ in range(5):  # glints
        _wrap(px, rnd.randrange(S), rnd.randrange(S), (214, 234, 250))
    if lily:
        cx, cy = rnd.randint(7, 17), rnd.randint(7, 17)
        for y in range(-4, 5):
            for x in range(-4, 5):
                if x * x + y * y <= 17 and not (x > 0 and abs(y) <= x // 3):  # pad with a notch
                    c = (74, 150, 62) if x * x + y * y < 9 else (46, 110, 44)
                    _wrap(px, cx + x, cy + y, c)
        for dx, dy in ((0, 0), (1, 0), (0, -1), (-1, 0)):
            _wrap(px, cx - 2 + dx, cy - 1 + dy, (244, 186, 210) if (dx, dy) != (0, 0) else (250, 220, 90))
    return solid(img)


def sand(seed, colour=(214, 190, 132)):
    img, px, rnd = _base(("sand", seed), colour, blotch=0.12, grain=8)
    for _ in range(16):
        _wrap(px, rnd.randrange(S), rnd.randrange(S), shade(colour, rnd.choice((0.8, 1.12))))
    for _ in range(3):  # tiny shells
        x, y = rnd.randrange(S), rnd.randrange(S)
        _wrap(px, x, y, (246, 238, 222))
        _wrap(px, x + 1, y, (226, 206, 184))
    return solid(img)


def planks(seed, colour=(150, 104, 60), vertical=False):
    rnd = rng("planks", seed)
    img = Image.new("RGB", (S, S))
    px = img.load()
    width = 5
    boards = [jitter(colour, 16, rnd) for _ in range(S // width)]
    seams = [rnd.randrange(S) for _ in boards]
    for y in range(S):
        for x in range(S):
            u, v = (y, x) if vertical else (x, y)  # u runs along the board
            b = v // width
            c = boards[b]
            if v % width == width - 1:
                c = shade(c, 0.5)
            elif v % width == 0:
                c = shade(c, 1.12)
            elif u == seams[b]:
                c = shade(c, 0.55)
            elif (u * 3 + b * 7) % 11 == 0 and rnd.random() < 0.6:
                c = shade(c, 0.85)  # grain
            c = jitter(c, 5, rnd)
            if u in ((seams[b] + 2) % S, (seams[b] - 2) % S) and v % width == 2:
                c = (70, 60, 58)  # nail heads either side of the seam
            px[x, y] = c
    return solid(img)


def bricks(seed, colour=(150, 146, 140), mortar=(92, 86, 80)):
    rnd = rng("bricks", seed)
    img = Image.new("RGB", (S, S))
    px = img.load()
    courses = [(0, 6), (6, 12), (12, 18), (18, 25)]
    tints = {}
    for y in range(S):
        for ci, (top, bottom) in enumerate(courses):
            if top <= y < bottom:
                break
        for x in range(S):
            shift = 0 if ci % 2 == 0 else 6
            xx = (x + shift) % S
            brick = 0 if xx < 12 else 1
            if y == top or xx in (0, 12):
                px[x, y] = jitter(mortar, 5, rnd)
                continue
            key = (ci, brick)
            if key not in tints:
                tints[key] = jitter(colour, 16, rnd)
            c = tints[key]
            if y == top + 1:
                c = shade(c, 1.15)
            elif y == bottom - 1:
                c = shade(c, 0.8)
            px[x, y] = jitter(c, 7, rnd)
    for _ in range(3):  # moss in the joints
        x, y = rnd.randrange(S), rnd.choice((6, 12, 18))
        for k in range(rnd.randint(2, 4)):
            _wrap(px, x + k, y, (84, 120, 60))
    return solid(img)


def rock(seed, colour=(118, 112, 104)):
    rnd = rng("rock", seed)
    points, owner, edge = _voronoi(rnd, 5)
    tints = [jitter(colour, 14, rnd) for _ in points]
    noise = smooth_noise(rnd, S, 5)
    img = Image.new("RGB", (S, S))
    px = img.load()
    for y in range(S):
        for x in range(S):
            c = shade(tints[owner[y][x]], 0.85 + 0.3 * noise[y][x])
            if edge[y][x] < 1.0:
                c = (52, 48, 46)  # cracks between the slabs
            elif edge[y][x] < 2.2:
                up = owner[(y - 2) % S][x] != owner[y][x]
                c = shade(c, 1.25 if up else 0.75)
            px[x, y] = jitter(c, 7, rnd)
    for _ in range(4):
        x, y = rnd.randrange(S), rnd.randrange(S)
        _wrap(px, x, y, (96, 124, 70))
        _wrap(px, x + 1, y, (80, 108, 60))
    return solid(img)


def crops(seed, soil=(112, 78, 50), leaf=(96, 168, 64)):
    img, px, rnd = _base(("crops", seed), soil, blotch=0.15, grain=7)
    for y in range(S):
        for x in range(S):
            row = y % 5
            if row == 0:
                px[x, y] = shade(px[x, y], 0.7)
            elif row == 1:
                px[x, y] = shade(px[x, y], 1.15)
    for y in range(3, S, 5):
        for x in range(1, S, 4):
            xx = (x + rnd.randint(-1, 1)) % S
            _wrap(px, xx, y, leaf)
            _wrap(px, xx - 1, y - 1, shade(leaf, 1.2))
            _wrap(px, xx + 1, y - 1, leaf)
            _wrap(px, xx, y - 2, shade(leaf, 0.8))
    return solid(img)


def leaves(seed, ground=(70, 62, 40)):
    img, px, rnd = _base(("leaves", seed), ground, blotch=0.25, grain=8)
    palette = [(150, 96, 40), (176, 126, 48), (112, 90, 44), (96, 112, 46), (140, 64, 34)]
    for _ in range(18):
        x, y = rnd.randrange(S), rnd.randrange(S)
        c = rnd.choice(palette)
        _wrap(px, x, y, c)
        _wrap(px, x + 1, y, shade(c, 0.85))
        if rnd.random() < 0.5:
            _wrap(px, x, y + 1, shade(c, 1.1))
    for _ in range(4):  # twigs
        x, y = rnd.randrange(S), rnd.randrange(S)
        for k in range(rnd.randint(3, 5)):
            _wrap(px, x + k, y + k // 2, (58, 44, 30))
    return solid(img)


def flagstones(seed, colour=(134, 128, 118)):
    rnd = rng("flags", seed)
    img = Image.new("RGB", (S, S))
    px = img.load()
    tints = {}
    for y in range(S):
        for x in range(S):
            slab = (x // 13 if y < 12 else (x + 6) % S // 13, y // 12 if y < 24 else 1)
            edge = x in (0, 13) if y < 12 else (x + 6) % S in (0, 13)
            if y in (0, 12) or edge:
                px[x, y] = jitter((74, 78, 62), 8, rnd)  # mossy joints
                continue
            if slab not in tints:
                tints[slab] = jitter(colour, 14, rnd)
            px[x, y] = jitter(tints[slab], 7, rnd)
    for _ in range(2):  # cracks
        x, y = rnd.randrange(2, 22), rnd.randrange(2, 22)
        for k in range(rnd.randint(3, 6)):
            _wrap(px, x + k, y + rnd.randint(0, 1), (70, 66, 60))
    return solid(img)


def travel(seed, direction, ground=(150, 112, 72)):
    """The road leaving the map: worn path, kerb stones and arrows out.
    Direction 0 is for a map left on both sides: an arrow out each way."""
    img = dirt(("travel", seed), ground, pebbles=3)
    px = img.load()
    arrow = shade(ground, 1.35)
    edge = shade(ground, 0.55)
    if direction == 0:  # two chevrons each way, shadowed so they read
        marks = [(x, y, out) for tip, out in ((1, -1), (5, -1), (19, 1), (23, 1))
                 for y in range(8, 17) for x in (tip - out * abs(y - 12),)]
        for x, y, out in marks:
            px[x, y + 1] = edge
        for x, y, out in marks:
            px[x, y] = arrow
            px[x - out, y] = shade(ground, 1.15)
        return solid(img)
    for y in range(S):
        for x in range(S):
            u = x if direction > 0 else S - 1 - x
            # two chevrons pointing off the map
            for tip in (10, 20):
                if abs(y - 12) <= 5 and u == tip - abs(y - 12):
                    px[x, y] = arrow
                    if 0 <= x + (-direction) < S:
                        px[x - direction, y] = shade(ground, 1.15)
            if u >= S - 3:  # darkening toward the world's edge
                px[x, y] = mix(px[x, y], edge, (u - (S - 4)) / 4)
    return solid(img)


def void(seed, colour=(14, 24, 18)):
    img, px, rnd = _base(("void", seed), colour, blotch=0.25, grain=2, cells=1)
    return solid(img)
