"""Terrain tiles of the crypt, 25 x 25 each: flagstone floors laid in
courses whose variants mix without seams, brick wall faces, wall
tops, the cave's rock face, bedrock, the chieftain's runner and the stairs
up to the forest."""
from PIL import Image

from world_common import FIELD, jitter, rng, shade, smooth_noise, solid
import world_tiles as tiles
from world_tiles import _voronoi, _wrap

S = FIELD
STONE = (98, 94, 104)
JOINT = (44, 40, 48)
ROCK = (52, 48, 56)

# Each row of fields is a course of long slabs. A variant cuts its slab at
# one place or not at all, so variants mixed at random give slabs of every
# length with the joints nowhere in step; all are cut from the same stone,
# so a slab running on into the next field shows no seam there.


def slabs(seed, cut=0, colour=STONE, cracks=0, dust=6, bones=0):
    """Worn flagstones lit from the upper left: a light rim at the top of the
    course and after a joint, a dark one at the foot and before a joint;
    cut is the column of the joint, None for none."""
    rnd = rng("slabs", seed)
    noise = smooth_noise(rnd, S, 5)
    img = Image.new("RGB", (S, S))
    px = img.load()
    after = -1 if cut is None else (cut + 1) % S
    before = -1 if cut is None else (cut - 1) % S
    for y in range(S):
        for x in range(S):
            if y == 0 or x == cut:
                px[x, y] = jitter(JOINT, 5, rnd)
                continue
            c = shade(colour, 0.94 + 0.12 * noise[y][x])
            if y == 1 or x == after:
                c = shade(c, 1.14)
            elif y == S - 1 or x == before:
                c = shade(c, 0.8)
            elif y == S - 2:
                c = shade(c, 0.9)
            px[x, y] = jitter(c, 6, rnd)
    for _ in range(cracks):
        x, y = rnd.randrange(2, 22), rnd.randrange(3, 21)
        for k in range(rnd.randint(4, 7)):
            x += rnd.choice((0, 1, 1))
            y += rnd.choice((-1, 0, 1))
            _wrap(px, x, y, shade(JOINT, 0.9))
    for _ in range(dust):  # grit and crumbs of mortar
        _wrap(px, rnd.randrange(S), rnd.randrange(1, S), shade(colour, rnd.choice((0.78, 1.2))))
    _strew(px, rnd, bones)
    return solid(img)


def _strew(px, rnd, count):
    """Gnawed bits of bone kicked about."""
    for _ in range(count):
        x, y = rnd.randrange(S), rnd.randrange(S)
        bone = jitter((214, 206, 180), 10, rnd)
        length = rnd.randint(3, 5)
        for k in range(length):
            _wrap(px, x + k, y + (k if rnd.random() < 0.3 else 0) // 2, bone)
        _wrap(px, x, y + 1, shade(bone, 0.7))
        _wrap(px, x + length - 1, y + 1, shade(bone, 0.7))


def strewn(img, seed, count=4):
    """Any ground tile with bones on it."""
    out = img.copy()
    _strew(out.load(), rng("strewn", seed), count)
    return solid(out)


def rock_face(seed):
    """The cave's wall seen from below: rough strata, lit along their tops,
    in shadow at the foot."""
    rnd = rng("rockface", seed)
    noise = smooth_noise(rnd, S, 5)
    img = Image.new("RGB", (S, S))
    px = img.load()
    bands = sorted(rnd.sample(range(3, 21), 4))
    for y in range(S):
        for x in range(S):
            c = shade(ROCK, 0.9 + 0.45 * noise[y][x])
            wave = round(1.2 * noise[(y + 7) % S][x])
            if any(y == b + wave for b in bands):
                c = shade(c, 0.55)  # the crack under a ledge
            elif any(y == b + wave + 1 for b in bands):
                c = shade(c, 1.25)  # the ledge's lit edge
            if y >= 22:
                c = shade(c, 0.45 - 0.08 * (y - 22))
            px[x, y] = jitter(c, 5, rnd)
    return solid(img)


def wall_face(seed, colour=(84, 78, 90), roots=False):
    """The face of a wall seen from the room below it: dark brick courses,
    damp, and a shadow where it meets the floor."""
    img = tiles.bricks(("wallface", seed), colour, JOINT)
    rnd = rng("wallface", seed)
    px = img.load()
    for y in (23, 24):  # the foot of the wall in shadow
        for x in range(S):
            px[x, y] = jitter((26, 22, 28), 3, rnd)
    if roots:  # roots pushed through the joints from the forest above
        x = rnd.randrange(3, 20)
        for y in range(0, rnd.randint(12, 20)):
            x += rnd.choice((-1, 0, 0, 1))
            _wrap(px, x, y, (74, 56, 40))
            _wrap(px, x + 1, y, (52, 40, 30))
    for _ in range(3):  # damp stains
        x, y = rnd.randrange(S), rnd.randrange(14, 22)
        _wrap(px, x, y, (56, 66, 60))
    return solid(img)


def wall_top(seed):
    """Masonry seen from above where a wall runs beside a room."""
    rnd = rng("walltop", seed)
    points, owner, edge = _voronoi(rnd, 6)
    tints = [jitter((70, 66, 76), 10, rnd) for _ in points]
    img = Image.new("RGB", (S, S))
    px = img.load()
    for y in range(S):
        for x in range(S):
            if edge[y][x] < 1.4:
                px[x, y] = jitter((30, 26, 34), 4, rnd)
                continue
            c = tints[owner[y][x]]
            if owner[(y - 2) % S][x] != owner[y][x]:
                c = shade(c, 1.2)
            elif owner[(y + 2) % S][x] != owner[y][x]:
                c = shade(c, 0.75)
            px[x, y] = jitter(c, 6, rnd)
    return solid(img)


def bedrock(seed):
    """The rock the crypt is cut from: dark, calm, a crack or two and a
    glint of ore, so the rooms stand out from it."""
    rnd = rng("bedrock", seed)
    noise = smooth_noise(rnd, S, 5)
    img = Image.new("RGB", (S, S))
    px = img.load()
    for y in range(S):
        for x in range(S):
            px[x, y] = jitter(shade(ROCK, 0.78 + 0.3 * noise[y][x]), 4, rnd)
    for _ in range(2):
        x, y = rnd.randrange(S), rnd.randrange(S)
        for k in range(rnd.randint(4, 8)):
            x += rnd.choice((1, 1, 0))
            y += rnd.choice((-1, 0, 1))
            _wrap(px, x, y, (28, 25, 32))
            _wrap(px, x, y + 1, shade(ROCK, 1.1))
    _wrap(px, rnd.randrange(S), rnd.randrange(S), (150, 146, 120))
    return solid(img)


def runner(seed, edge):
    """The chieftain's faded red runner, two fields wide: edge 'top' or
    'bottom' says which half, and so where the gold border runs."""
    rnd = rng("runner", seed)
    base, gold = (118, 32, 38), (186, 146, 62)
    img = Image.new("RGB", (S, S))
    px = img.load()
    for y in range(S):
        v = y if edge == "top" else S - 1 - y  # distance from the outer edge
        for x in range(S):
            if v < 2:
                c = shade(base, 0.6) if (x + v) % 2 else shade(base, 0.5)  # fringe
            elif v in (3, 4):
                c = gold if (x // 2 + v) % 3 else shade(gold, 0.7)
            else:
                c = base
                d = 2 * abs(x - 12) + 49 - 2 * v  # half a diamond meets the other half
                if 9 <= d <= 13:
                    c = shade(gold, 0.8)
                elif d < 5:
                    c = (60, 70, 120)
            px[x, y] = jitter(c, 5, rnd)
    for _ in range(5):  # threadbare patches
        x, y = rnd.randrange(S), rnd.randrange(6, 20)
        _wrap(px, x, y, shade(base, 1.3))
        _wrap(px, x + 1, y, shade(base, 1.2))
    return solid(img)


def stairs(seed, colour=(112, 108, 116)):
    """Steps up toward the light to the west, with arrows out."""
    rnd = rng("stairs", seed)
    img = Image.new("RGB", (S, S))
    px = img.load()
    for y in range(S):
        for x in range(S):
            step = x // 5
            c = shade(colour, 1.45 - 0.14 * step)  # daylight from the top step
            if x % 5 == 4:
                c = shade(colour, 0.45)  # the riser's shadow
            elif x % 5 == 0:
                c = shade(c, 1.12)  # worn nosing
            px[x, y] = jitter(c, 5, rnd)
    arrow = (226, 214, 176)
    for y in range(S):
        for tip in (4, 14):
            if abs(y - 12) <= 5:
                px[tip + abs(y - 12), y] = arrow
    for y in (0, 24):
        for x in range(S):
            px[x, y] = shade(colour, 0.5)
    return solid(img)


def void(seed, colour=(12, 10, 14)):
    rnd = rng("void", seed)
    img = Image.new("RGB", (S, S))
    px = img.load()
    for y in range(S):
        for x in range(S):
            px[x, y] = jitter(colour, 2, rnd)
    return solid(img)
