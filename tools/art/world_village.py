"""The village: a cobbled square with a well and a market, houses around it,
a pond in the south-west, a fenced field in the south-east, a walled garden,
and the east road out to the forest."""
import world_nature as nature
import world_props as props
import world_tiles as tiles
from world_common import rng
from world_mapkit import MapPlan

COLS, ROWS = 48, 36
# arrival fields, shared with the forest's travel entries
EAST_GATE = ((47, 17), (47, 18))
START = (25, 19)

PEOPLE = ((21, 18, "villager"), (27, 15, "merchant"), (43, 16, "guard"), (34, 24, "farmer"))
# A new player finds a weapon and something to drink within a few steps of
# the well; the rest rewards a look round the village.
GROUND = ((5, 5, "ring"), (10, 27, "hppotion"), (38, 28, "bread"), (8, 20, "dagger"), (23, 21, "dagger"),
          (28, 21, "hppotion"), (29, 21, "hppotion"), (27, 22, "mppotion"))


def _tiles():
    return [
        ("g", tiles.grass("v1")), ("h", tiles.grass("v2", tufts=8)), ("f", tiles.grass("v3", flowers=5)),
        ("d", tiles.dirt("v1")), ("e", tiles.dirt("v2", pebbles=3)), ("s", tiles.cobble("v1")),
        ("w", tiles.water("v1")), ("l", tiles.water("v2", lily=True)), ("a", tiles.sand("v1")),
        ("p", tiles.planks("v1", vertical=True)), ("b", tiles.bricks("v1")), ("c", tiles.crops("v1")),
        ("*", tiles.travel("v1", 1)), ("", tiles.void("v")),
    ]


def _declare(m):
    m.declare("oak", 2, 2, nature.oak(1))
    m.declare("oak2", 2, 2, nature.oak(3))
    m.declare("bigoak", 3, 3, nature.oak(2, 3, 3))
    m.declare("pine", 1, 2, nature.pine(1))
    m.declare("bush", 1, 1, nature.bush(1))
    m.declare("berrybush", 1, 1, nature.bush(2, berries=True))
    m.declare("reeds", 1, 1, nature.reeds(1))
    m.declare("rock", 1, 1, nature.rock(1))
    m.declare("house", 4, 4, props.house(1))
    m.declare("redhouse", 4, 4, props.house(4, walls="timber", lit=True))
    m.declare("cottage", 3, 3, props.house(2, 3, 3, "thatch", "stone", False))
    m.declare("inn", 6, 4, props.house(3, 6, 4, "slate", "stone", True, True))
    m.declare("well", 2, 2, props.well(1))
    m.declare("stall", 3, 2, props.stall(1))
    m.declare("fence", 1, 1, props.fence(1))
    m.declare("fencev", 1, 1, props.fence(1, vertical=True))
    m.declare("barrel", 1, 1, props.barrel(1))
    m.declare("crate", 1, 1, props.crate(1))
    m.declare("gatepost", 1, 1, props.gatepost(1))
    m.declare("signeast", 1, 1, props.sign(1, 1))
    m.declare("lamp", 1, 2, props.lamp(1))


def _terrain(m, rnd):
    m.scatter("h", 0.35, rnd, "g")
    for cx, cy in ((14, 30), (28, 4), (40, 4), (4, 14), (42, 9)):
        m.blob(cx, cy, 2.5, 1.6, "f", rnd, 0.4)
    # pond with its sandy shore and a pier
    m.blob(9.5, 28, 7.5, 5.2, "a", rnd, 0.15)
    m.blob(9.5, 28.5, 5.8, 3.8, "w", rnd, 0.1)
    for c, r in ((7, 28), (12, 30), (13, 27), (6, 30)):
        m.set(c, r, "l")
    m.fill(9, 23, 10, 27, "p")
    for r in range(23, 28):
        m.keep.update({(9, r), (10, r)})
    # walled garden in the north-west
    m.fill(3, 3, 8, 8, "b")
    m.fill(4, 4, 7, 7, "f")
    m.fill(5, 8, 6, 8, "d")
    # the square and the roads
    m.fill(17, 13, 30, 22, "s")
    m.fill(21, 12, 24, 12, "s")
    for r in range(12, 23):
        for c in range(17, 31):
            m.keep.add((c, r))
    m.path([(30, 17), (46, 17)], "d")  # the east road
    m.path([(5, 17), (16, 17)], "d")
    m.path([(5, 8), (5, 16)], "d")
    m.path([(12, 12), (12, 16)], "d", width=1)
    m.path([(33, 12), (33, 16)], "d", width=1)
    m.path([(34, 16), (39, 16)], "d", width=1)
    m.path([(35, 19), (35, 25)], "d")
    m.path([(37, 24), (40, 24)], "d", width=1)
    m.path([(21, 23), (21, 28)], "d")  # lane to the southern cottages
    m.path([(15, 28), (26, 28)], "d", width=1)
    m.path([(15, 25), (15, 28)], "d", width=1)
    m.path([(9, 19), (9, 22)], "d")
    # the fenced field
    m.fill(31, 26, 42, 31, "c")
    m.scatter("e", 0.3, rnd, "d")


def _buildings(m):
    m.must_place("inn", 20, 8)
    m.must_place("house", 10, 8)
    m.must_place("redhouse", 31, 8)
    m.must_place("cottage", 35, 13)
    m.must_place("cottage", 18, 25)
    m.must_place("cottage", 23, 25)
    m.must_place("redhouse", 38, 20)
    m.must_place("house", 13, 21)
    m.must_place("well", 23, 15)
    m.must_place("stall", 26, 13)
    m.must_place("stall", 17, 13)
    for c, r in ((45, 16), (45, 19)):
        m.must_place("gatepost", c, r)
    m.must_place("signeast", 43, 19)
    for c, r in ((17, 20), (30, 20), (20, 12), (25, 12)):
        m.must_place("lamp", c, r)
    for c in range(30, 44):
        if c not in (35, 36):
            m.must_place("fence", c, 25)
        m.must_place("fence", c, 32)
    for r in range(26, 32):
        m.must_place("fencev", 30, r)
        m.must_place("fencev", 43, r)
    for name, c, r in (("barrel", 16, 12), ("barrel", 30, 12), ("crate", 29, 12), ("barrel", 26, 12),
                       ("crate", 15, 12), ("barrel", 34, 12), ("crate", 42, 22), ("barrel", 17, 24),
                       ("crate", 26, 27), ("barrel", 11, 14)):
        m.place(name, c, r)
    for c, r in ((4, 25), (3, 28), (15, 26), (16, 29), (5, 31), (14, 31)):
        if m.code(c, r) in "aw":
            m.place("reeds", c, r)


def _trees(m, rnd):
    border = [(c, r) for r in range(ROWS) for c in range(COLS)
              if r < 3 or r >= ROWS - 3 or c < 3 or c >= COLS - 3]
    for kinds in (("bigoak", "oak", "oak2"), ("oak", "oak2", "pine"), ("pine", "bush")):
        rnd.shuffle(border)
        for c, r in border:
            m.place(rnd.choice(kinds), c, r, on="ghf")
    spots = [(c, r) for r in range(3, ROWS - 3) for c in range(3, COLS - 3)]
    rnd.shuffle(spots)
    placed = 0
    for c, r in spots:
        if placed >= 34:
            break
        near_keep = any((c + dc, r + dr) in m.keep for dc in (-1, 0, 1, 2) for dr in (-1, 0, 1, 2))
        if near_keep:
            continue
        kind = rnd.choice(("oak", "oak2", "pine", "bush", "berrybush", "bush", "rock"))
        if m.place(kind, c, r, on="ghf"):
            placed += 1


def build():
    rnd = rng("village")
    m = MapPlan("village", COLS, ROWS, _tiles(), "wlb", "g")
    _declare(m)
    _terrain(m, rnd)
    for (c, r), arrive in zip(EAST_GATE, ((1, 19), (1, 20))):
        m.travel(c, r, "forest", *arrive)
    m.populate(PEOPLE, GROUND)
    m.keep.add(START)
    _buildings(m)
    _trees(m, rnd)
    return m
