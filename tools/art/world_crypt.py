"""The crypt under the chapel ruins: stairs up to the forest on the west
edge, an entry hall, a pillared hall where the dead keep watch with bows,
an ossuary to the north, the ghouls' den in a cave to the south, and in
the east the hall where the ghoul chieftain sits on his throne, his
treasure in a niche behind it."""
import world_crypt_tiles as ct
import world_props as props
import world_tiles as tiles
import world_tombs as tombs
from world_common import rng
from world_mapkit import MapPlan

COLS, ROWS = 46, 34
WEST_STAIRS = ((0, 16), (0, 17))
FLOOR = "ouvnckdex"
BUILT = "ouvnck"
EARTH = "dex"

# Rooms cut from the rock, (c0, r0, c1, r1) inclusive, and the floor they get.
HALLS = (((1, 12, 8, 21), "o"), ((2, 3, 8, 8), "o"), ((4, 9, 5, 11), "o"), ((9, 16, 14, 17), "o"),
         ((15, 11, 27, 22), "o"), ((20, 8, 21, 10), "o"), ((11, 2, 31, 7), "o"), ((20, 23, 21, 25), "d"),
         ((28, 16, 33, 17), "o"), ((34, 7, 44, 26), "o"), ((40, 5, 41, 6), "o"), ((38, 2, 43, 4), "o"))

# Harder the deeper in: bowmen in the pillared hall, ghouls in the ossuary
# and the den, the chieftain and his guard in the east hall.
PEOPLE = ((26, 12, "skeletonarcher"), (26, 21, "skeletonarcher"), (29, 5, "ghoul"), (16, 28, "ghoul"),
          (25, 28, "ghoul"), (43, 13, "ghoul"), (40, 17, "ghoulchief"))
GROUND = ((2, 18, "hppotion"), (7, 4, "arrows"), (30, 3, "mppotion"), (13, 29, "hppotion"),
          (39, 3, "hppotion"), (42, 3, "mppotion"), (42, 3, "hppotion"))


def _tiles():
    return [
        ("o", ct.slabs("c1", 0)), ("u", ct.slabs("c2", 12, cracks=3, dust=8)),
        ("v", ct.slabs("c3", None, dust=14)), ("n", ct.slabs("c4", 7, dust=8, bones=4)),
        ("d", tiles.dirt("c1", (88, 74, 62), pebbles=5)), ("e", tiles.dirt("c2", (80, 68, 58), pebbles=8)),
        ("x", ct.strewn(tiles.dirt("c3", (84, 70, 60), pebbles=4), "x", 5)),
        ("c", ct.runner("c1", "top")), ("k", ct.runner("c2", "bottom")),
        ("w", tiles.water("c1", (26, 42, 58))), ("m", ct.wall_face("c1")), ("j", ct.wall_face("c2", roots=True)),
        ("b", ct.wall_top("c1")), ("f", ct.rock_face("c1")), ("r", ct.bedrock("c1")), ("q", ct.bedrock("c2")),
        ("*", ct.stairs("c1")), ("", ct.void("c")),
    ]


def _declare(m):
    m.declare("tomb", 1, 2, tombs.tomb(1))
    m.declare("tombside", 2, 1, tombs.tomb(2, 2, 1))
    m.declare("coffin", 1, 2, tombs.coffin(1))
    m.declare("bones", 1, 1, tombs.bones(1))
    m.declare("bones2", 1, 1, tombs.bones(2))
    m.declare("skulls", 1, 1, tombs.skulls(1))
    m.declare("column", 1, 2, tombs.column(1))
    m.declare("brazier", 1, 1, tombs.brazier(1))
    m.declare("candles", 1, 1, tombs.candles(1))
    m.declare("urn", 1, 1, tombs.urn(1))
    m.declare("altar", 2, 1, tombs.altar(1))
    m.declare("throne", 2, 2, tombs.throne(1))
    m.declare("chest", 1, 1, tombs.chest(1))
    m.declare("torch", 1, 1, tombs.torch(1))
    m.declare("nest", 2, 1, tombs.nest(1))
    m.declare("rubble", 1, 1, props.rubble(3))


def _open(m, c, r):
    return m.inside(c, r) and m.code(c, r) in FLOOR + "w*"


def _fill_pockets(m, start):
    """Rough cave edges can leave a field no one reaches: back to rock."""
    seen, todo = {start}, [start]
    while todo:
        c, r = todo.pop()
        for nxt in ((c + 1, r), (c - 1, r), (c, r + 1), (c, r - 1)):
            if nxt not in seen and m.inside(*nxt) and m.code(*nxt) in FLOOR:
                seen.add(nxt)
                todo.append(nxt)
    for r in range(ROWS):
        for c in range(COLS):
            if m.code(c, r) in FLOOR and (c, r) not in seen:
                m.set(c, r, "r")


def _walls(m, rnd):
    """Rock touching a built room becomes wall: a brick face where the room
    lies below it, masonry seen from above elsewhere. Over the cave the rock
    shows its face; the rest stays bedrock."""
    for r in range(ROWS):
        for c in range(COLS):
            if _open(m, c, r):
                continue
            near = {m.code(c + dc, r + dr) for dc in (-1, 0, 1) for dr in (-1, 0, 1) if _open(m, c + dc, r + dr)}
            below = _open(m, c, r + 1)
            if near & set(BUILT + "*"):
                m.set(c, r, ("j" if rnd.random() < 0.2 else "m") if below else "b")
            elif near and below:
                m.set(c, r, "f")
            else:
                m.set(c, r, rnd.choice("rq"))


def _terrain(m, rnd):
    for (c0, r0, c1, r1), code in HALLS:
        m.fill(c0, r0, c1, r1, code)
    m.fill(12, 27, 29, 31, "d")  # the den, a cave the ghouls dug
    m.blob(20.5, 29, 10.5, 3.3, "d", rnd, 0.3)
    m.blob(27.5, 29.6, 3.1, 1.7, "w", rnd, 0.2)  # seep water pooled at its end
    m.scatter("e", 0.35, rnd, "d")
    m.scatter("uv", 0.35, rnd, "o")
    m.scatter("n", 0.07, rnd, "ouv")
    m.scatter("x", 0.12, rnd, "de")
    m.fill(34, 16, 41, 16, "c")  # the runner to the throne
    m.fill(34, 17, 41, 17, "k")
    for c in range(1, 34):  # the way east stays open end to end
        m.keep.update({(c, 16), (c, 17)})
    for c, r in ((20, 8), (21, 8), (20, 9), (21, 9), (20, 10), (21, 10), (20, 23), (21, 23), (20, 24),
                 (21, 24), (20, 25), (21, 25), (4, 9), (5, 9), (4, 10), (5, 10), (4, 11), (5, 11),
                 (40, 5), (41, 5), (40, 6), (41, 6)):
        m.keep.add((c, r))
    for c in range(11, 32):  # the ossuary's aisle
        m.keep.add((c, 6))
    for r in range(7, 27):
        m.keep.update({(37, r), (38, r)})


def _props(m, rnd):
    for c, r in ((2, 13), (2, 20), (27, 15), (27, 18), (42, 14), (42, 19)):
        m.must_place("brazier", c, r)
    for c, r in ((44, 11), (44, 19)):  # the chieftain's forebears along his hall
        m.must_place("tomb", c, r)
    for c in (35, 41):
        m.must_place("tombside", c, 25)
    for c, r in ((18, 13), (24, 13), (18, 19), (24, 19), (36, 9), (40, 9), (43, 9), (36, 23), (40, 23), (43, 23)):
        m.must_place("column", c, r)
    m.must_place("throne", 42, 16)
    m.must_place("altar", 3, 3)
    for c, r in ((38, 2), (43, 2)):
        m.must_place("chest", c, r)
    for c in (13, 16, 19, 23, 26):  # the ossuary's rows of the dead
        m.must_place("tomb", c, 3)
    for c, r in ((15, 21), (22, 21), (15, 11), (23, 11)):
        m.must_place("tombside", c, r)
    for name, c, r in (("coffin", 7, 5), ("urn", 2, 8), ("urn", 8, 8), ("skulls", 11, 2), ("skulls", 31, 2),
                       ("candles", 14, 5), ("candles", 28, 3), ("bones", 11, 7), ("bones2", 31, 7),
                       ("urn", 34, 7), ("urn", 44, 7), ("candles", 34, 26), ("skulls", 44, 26),
                       ("rubble", 27, 22), ("rubble", 15, 22), ("candles", 8, 12), ("urn", 8, 21),
                       ("nest", 13, 31), ("nest", 21, 31), ("bones", 18, 30), ("bones2", 29, 27),
                       ("skulls", 12, 27)):
        m.place(name, c, r, on=FLOOR)
    for c, r in ((3, 11), (7, 11), (17, 10), (25, 10), (14, 1), (21, 1), (28, 1), (36, 6), (43, 6),
                 (39, 1), (42, 1), (10, 15), (13, 15), (30, 15)):
        m.place("torch", c, r, on="mj")
    for r in range(ROWS):  # odd bones and rubble about the floors
        for c in range(COLS):
            if m.code(c, r) in "nx" + EARTH and rnd.random() < 0.06:
                m.place(rnd.choice(("bones", "bones2", "rubble")), c, r, on=FLOOR)


def build():
    rnd = rng("crypt")
    m = MapPlan("crypt", COLS, ROWS, _tiles(), "wmjbfrq", "r")
    _declare(m)
    _terrain(m, rnd)
    for (c, r), arrive in zip(WEST_STAIRS, ((48, 30), (48, 31))):
        m.travel(c, r, "forest", *arrive)
    m.keep.update({(1, 16), (1, 17)})
    _fill_pockets(m, (1, 16))
    _walls(m, rnd)
    m.populate(PEOPLE, GROUND)
    _props(m, rnd)
    return m
