"""The forest: a dense wood crossed by a stream, the road in from the village
on the west edge, a clearing with wolves, a bandit camp in the north-east,
ruins with skeletons in the south-east, the way down to the crypt east of
them, and a hidden glade in the north-west."""
import math

import world_nature as nature
import world_props as props
import world_tiles as tiles
from world_common import rng
from world_mapkit import MapPlan

COLS, ROWS = 50, 40
WEST_GATE = ((0, 19), (0, 20))
CRYPT_GATE = ((49, 30), (49, 31))  # at the far end, past the ruins
GRASS = (66, 120, 50)

# The roads a stranger walks between the quest places: straight legs along a
# row or a column, two fields wide, with a field of open ground on either
# side, so that nothing stands in the way and a creature coming from the side
# meets no tree. tools/sim walks the same corners (Roads.cpp) and reports
# what blocks them.
ROADS = (((0, 19), (33, 19)),  # in from the village to the wolves' clearing
         ((33, 19), (33, 9)),  # north into the bandit camp
         ((33, 19), (33, 30), (48, 30)))  # south, then east past the ruins to the way down

# Harder the further from the village road: wolves first, then the camp, where
# the bandit at the way in and the bowman meet the player first and the two
# crossbowmen only once it walks in, then the ruins with the mage behind his
# dead.
# Each stands where it first sees a player on a road with open ground
# between them, so that it comes at once instead of waiting behind a tree.
PEOPLE = ((17, 18, "wolf"), (32, 18, "wolf"), (31, 21, "wolf"), (34, 7, "bandit"),
          (37, 4, "banditarcher"), (45, 3, "crossbowman"), (47, 6, "crossbowman"),
          (44, 30, "skeleton"), (46, 31, "skeleton"), (45, 34, "mage"))
GROUND = ((10, 10, "healrune"), (29, 24, "mppotion"), (40, 9, "crossbow"), (40, 9, "bolts"),
          (40, 4, "arrows"), (39, 32, "helmet"), (42, 32, "firerune"), (43, 34, "necklace"),
          (16, 30, "axe"))


def _tiles():
    return [
        ("g", tiles.grass("f1", GRASS, tufts=10)), ("h", tiles.grass("f2", (58, 110, 46), tufts=6)),
        ("f", tiles.grass("f3", GRASS, tufts=6, flowers=4)), ("l", tiles.leaves("f1")),
        ("k", tiles.leaves("f2", (62, 58, 38))), ("d", tiles.dirt("f1", (132, 98, 64))),
        ("e", tiles.dirt("f2", (124, 92, 60), pebbles=3)), ("o", tiles.flagstones("f1")),
        ("w", tiles.water("f1", (40, 86, 126))), ("r", tiles.rock("f1")),
        ("p", tiles.planks("f1", (138, 96, 56), vertical=True)),
        ("*", tiles.travel("f1", 0, (132, 98, 64))), ("", tiles.void("f")),  # left both ways
    ]


def _declare(m):
    m.declare("oak", 2, 2, nature.oak(1))
    m.declare("darkoak", 2, 2, nature.oak(3))
    m.declare("bigoak", 3, 3, nature.oak(2, 3, 3))
    m.declare("pine", 1, 2, nature.pine(1))
    m.declare("tallpine", 2, 3, nature.pine(2, 2, 3))
    m.declare("bush", 1, 1, nature.bush(3))
    m.declare("berrybush", 1, 1, nature.bush(4, berries=True))
    m.declare("rock", 1, 1, nature.rock(2))
    m.declare("boulder", 2, 2, nature.boulder(1))
    m.declare("stump", 1, 1, nature.stump(1))
    m.declare("log", 2, 1, nature.log(1))
    m.declare("mushrooms", 1, 1, nature.mushrooms(1))
    m.declare("reeds", 1, 1, nature.reeds(2))
    m.declare("tent", 3, 3, props.tent(1))
    m.declare("campfire", 1, 1, props.campfire(1))
    m.declare("crate", 1, 1, props.crate(2))
    m.declare("barrel", 1, 1, props.barrel(2))
    m.declare("pillar", 1, 2, props.pillar(1))
    m.declare("brokenpillar", 1, 2, props.pillar(2))
    m.declare("grave", 1, 1, props.grave(1))
    m.declare("rubble", 1, 1, props.rubble(1))
    m.declare("signwest", 1, 1, props.sign(2, -1))
    m.declare("signeast", 1, 1, props.sign(3, 1))


def _open(m, cx, cy, rx, ry, code, rnd):
    m.blob(cx, cy, rx, ry, code, rnd, 0.25)
    for r in range(m.rows):
        for c in range(m.cols):
            if ((c - cx) / rx) ** 2 + ((r - cy) / ry) ** 2 <= 1:
                m.keep.add((c, r))


def _keep_beside(m, road):
    """One field of open ground on either side of a two-field road."""
    for (c0, r0), (c1, r1) in zip(road, road[1:]):
        for c in range(min(c0, c1) - 1, max(c0, c1) + 3):
            for r in range(min(r0, r1) - 1, max(r0, r1) + 3):
                m.keep.add((c, r))


def _terrain(m, rnd):
    for _ in range(16):  # patches of grass where light gets through
        m.blob(rnd.uniform(0, COLS), rnd.uniform(0, ROWS), rnd.uniform(2, 4.5), rnd.uniform(1.5, 3), "g", rnd, 0.35)
    m.scatter("h", 0.4, rnd, "g")
    m.scatter("k", 0.45, rnd, "l")
    water = set()
    for r in range(ROWS):  # the stream, meandering north to south
        x = 22 + round(2 * math.sin(r / 4.5))
        for c in (x, x + 1):
            m.set(c, r, "w")
            water.add((c, r))
    for cx, cy, rx, ry in ((7, 5, 3.5, 2.2), (14, 33, 3, 2), (47, 21, 2, 3.5), (28, 36, 3, 1.6), (45, 14, 2.5, 1.5)):
        m.blob(cx, cy, rx, ry, "r", rnd, 0.2)
    _open(m, 30, 20, 6.5, 4.8, "g", rnd)  # the wolves' clearing
    m.scatter("fh", 0.25, rnd, "g")
    _open(m, 39, 5, 9, 4.6, "h", rnd)  # bandit camp, where the road north ends
    _open(m, 10, 10, 2.6, 2.2, "f", rnd)  # hidden glade
    _open(m, 42, 31, 6.5, 4.8, "k", rnd)  # ruins
    m.fill(37, 29, 47, 34, "o")
    for c, r in ((37, 29), (47, 34), (46, 29), (38, 34), (41, 33)):
        m.set(c, r, "k")
    for road in ROADS:
        m.path(list(road), "d")
        _keep_beside(m, road)
    m.path([(8, 18), (9, 14), (10, 12)], "d", width=1)
    m.path([(25, 22), (25, 25), (18, 25), (16, 30)], "e", width=1)  # a trail to the southern rocks
    m.scatter("e", 0.3, rnd, "d")
    for c, r in water:  # where a road meets the stream, a plank bridge
        if m.code(c, r) in "de":
            m.set(c, r, "p")
        elif m.code(c, r) != "w":
            m.set(c, r, "w")


def _props(m, rnd):
    m.must_place("signwest", 3, 17)
    m.must_place("signeast", 47, 28)
    m.must_place("tent", 30, 1)
    m.must_place("tent", 41, 1)
    m.must_place("campfire", 37, 1)
    for name, c, r in (("log", 43, 9), ("crate", 48, 8), ("crate", 48, 9), ("barrel", 30, 8),
                       ("stump", 31, 10)):
        m.must_place(name, c, r)
    for c, r in ((37, 27), (46, 27), (37, 33), (47, 33)):
        m.must_place("pillar" if (c + r) % 2 else "brokenpillar", c, r)
    for c, r in ((40, 33), (42, 33), (44, 33)):
        m.must_place("grave", c, r)
    for c, r in ((39, 28), (43, 28), (36, 33)):
        m.must_place("rubble", c, r)
    for name, c, r in (("stump", 26, 16), ("log", 37, 24), ("mushrooms", 24, 23), ("rock", 37, 18),
                       ("boulder", 11, 3), ("boulder", 17, 34), ("rock", 44, 18), ("rock", 27, 34),
                       ("mushrooms", 12, 9), ("stump", 6, 23), ("boulder", 46, 25)):
        m.place(name, c, r)
    for r in range(ROWS):  # loose stones on the outcrops
        for c in range(COLS):
            if m.code(c, r) == "r" and rnd.random() < 0.3:
                m.place(rnd.choice(("rock", "boulder")), c, r, on="r")
    for r in range(ROWS):  # reeds along the banks
        for c in range(COLS):
            if m.code(c, r) not in "wp" and rnd.random() < 0.25 and any(
                    m.inside(c + d, r) and m.code(c + d, r) == "w" for d in (-1, 1)):
                m.place("reeds", c, r, on="ghkl")


def _trees(m, rnd):
    """Big trees first so they set the shape of the wood, then smaller ones
    into the gaps; some gaps stay open as undergrowth."""
    spots = [(c, r) for r in range(ROWS) for c in range(COLS)]
    passes = ((("bigoak", "tallpine"), 1.0), (("oak", "darkoak", "tallpine"), 1.0),
              (("pine", "oak"), 1.0), (("bush", "berrybush", "pine"), 0.6))
    for kinds, share in passes:
        rnd.shuffle(spots)
        for c, r in spots:
            if rnd.random() < share:
                m.place(rnd.choice(kinds), c, r, on="ghklf")


def build():
    rnd = rng("forest")
    m = MapPlan("forest", COLS, ROWS, _tiles(), "wr", "l")
    _declare(m)
    _terrain(m, rnd)
    for (c, r), arrive in zip(WEST_GATE, ((46, 17), (46, 18))):
        m.travel(c, r, "village", *arrive)
    for (c, r), arrive in zip(CRYPT_GATE, ((1, 16), (1, 17))):
        m.travel(c, r, "crypt", *arrive)
    m.populate(PEOPLE, GROUND)
    _props(m, rnd)
    _trees(m, rnd)
    return m
