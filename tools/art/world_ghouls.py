"""Gear of the crypt's dead: the ghouls' pointed ears, teeth and claws, the
chieftain's crown and great axe, chain mail, the skeleton archer's cowl,
and what of it lies by their corpses.

world_figures.py calls in here for the headgear and weapon kinds listed in
HEADGEAR and WEAPONS, like world_gear.py; views are 'front', 'back' and
'side' (facing right)."""
from world_common import line, put, rect, shade

CLAW = (226, 216, 168)
MOUTH = (70, 24, 28)
TOOTH = (232, 226, 196)
BRONZE = (178, 140, 62)
GEM = (200, 34, 44)
STEEL = (176, 180, 190)
WOOD = (96, 66, 40)


def _ears(img, look, view):
    """Pointed ears, tips up and out, and a few strands of hair."""
    skin, hair = look["skin"], look["hair"]
    ear = shade(skin, 0.85)
    if view == "side":
        rect(img, 11, 8, 11, 10, ear)
        put(img, 10, 7, ear)
        put(img, 10, 6, shade(ear, 0.8))
    else:
        for x, tip in ((7, 6), (17, 18)):
            rect(img, x, 8, x, 10, ear)
            put(img, tip, 7, ear)
            put(img, tip, 6, shade(ear, 0.8))
    for x, y in ((10, 4), (10, 3), (13, 4), (15, 4), (11, 4)):  # what hair is left
        put(img, x if view != "side" else x - 1, y, hair)
    if view == "front":  # a mouth full of teeth under the nose
        rect(img, 10, 12, 14, 12, MOUTH)
        for x in (10, 12, 14):
            put(img, x, 12, TOOTH)
    elif view == "side":
        rect(img, 14, 12, 16, 12, MOUTH)
        put(img, 16, 12, TOOTH)


def _ghoul_head(img, look, view):
    _ears(img, look, view)


def _crown(img, look, view):
    _ears(img, look, view)
    x0, x1 = (9, 16) if view == "side" else (8, 16)
    rect(img, x0, 3, x1, 4, BRONZE)
    rect(img, x0, 4, x1, 4, shade(BRONZE, 0.65))
    put(img, x0, 3, shade(BRONZE, 1.3))
    for x in range(x0, x1 + 1, 2):  # spikes, the middle one tallest
        tall = 2 if abs(x - (x0 + x1) // 2) <= 1 else 1
        rect(img, x, 3 - tall, x, 2, BRONZE)
        put(img, x, 3 - tall, shade(BRONZE, 1.35))
    if view == "front":
        put(img, 12, 3, GEM)
    elif view == "side":
        put(img, 15, 3, GEM)


def _cowl(img, look, view):
    """A rotten cowl, open wide enough in front to show the skull, its hem
    in tatters."""
    c = look["headgear_colour"]
    dark = shade(c, 0.7)
    if view == "back":
        rect(img, 7, 2, 17, 15, c)
        rect(img, 17, 3, 17, 15, dark)
        for x in range(7, 18, 2):  # the ragged hem
            put(img, x, 16, c)
        rect(img, 11, 4, 12, 12, dark)  # a fold down the back
        return
    if view == "side":
        rect(img, 8, 2, 15, 4, c)
        rect(img, 7, 5, 11, 15, c)
        rect(img, 16, 3, 16, 5, dark)  # the lip over the brow
        for y in range(6, 16, 2):
            put(img, 7, y, dark)
        put(img, 8, 16, c)
        put(img, 10, 16, c)
        return
    rect(img, 8, 2, 16, 5, c)
    rect(img, 9, 1, 15, 1, c)
    rect(img, 9, 6, 15, 6, dark)  # the shadow under the brow
    for x0 in (6, 16):
        rect(img, x0, 5, x0 + 2, 14, c)
        put(img, x0 + 1, 15, c)
    rect(img, 8, 5, 8, 14, dark)
    rect(img, 16, 5, 16, 14, dark)


HEADGEAR = {"ghoul": _ghoul_head, "crown": _crown, "cowl": _cowl}


def claws(img, look, view, hx, hy, walk):
    """Long yellow nails below both hands."""
    if view == "side":
        hands = [(15, 25, 1)] if walk else [(11, 26, 0)]
    else:
        la, ra = (1, -2) if walk else (0, 0)
        hands = [(4, 26 + la, 0), (18, 26 + ra, 0)]
    for x, y, forward in hands:
        if forward:  # reaching ahead: the nails point forward
            for dy in (-2, 0):
                line(img, x + 2, y + dy, x + 3, y + dy, CLAW)
            continue
        put(img, x, y, CLAW)
        put(img, x + 2, y, CLAW)
        rect(img, x + 1, y, x + 1, y + 1, CLAW)
        put(img, x + 1, y + 1, shade(CLAW, 0.75))


def greataxe(img, look, view, hx, hy, walk):
    """A long haft with one broad crescent blade, held clear of the face."""
    out = -1 if view == "back" else 1
    if view == "side":
        hx = 17
    top = hy - 17
    rect(img, hx, top, hx + 1, hy + 8, WOOD)
    rect(img, hx + 1, top, hx + 1, hy + 8, shade(WOOD, 0.7))
    base = hx + 2 if out > 0 else hx - 1
    for k in range(4):  # the blade widens toward its edge, clear of the frame's
        x = base + out * k
        half = 3 + k // 2
        mid = top + 5
        rect(img, x, mid - half, x, mid + half, STEEL if k < 3 else shade(STEEL, 1.3))
    rect(img, base, top + 5, base + out * 3, top + 5, shade(STEEL, 0.7))  # the socket's rib
    put(img, hx - 1 if out > 0 else hx + 2, top + 5, shade(STEEL, 0.8))  # back spike
    if view == "side":  # the far hand on the haft
        rect(img, hx - 1, hy - 3, hx + 1, hy - 2, shade(look["skin"], 0.85))


WEAPONS = {"claws": claws, "greataxe": greataxe}


def mail(img, x0, y0, x1, y1, colour):
    """Rings of mail over a torso: a dark dot every other pixel, rows offset."""
    for y in range(y0 + 1, y1):
        for x in range(x0 + 1 + y % 2, x1, 2):
            put(img, x, y, shade(colour, 0.68))
    rect(img, x0 + 1, y0, x1 - 1, y0, shade(colour, 1.3))


def corpse_gear(body, look):
    """The crown rolled off below the head, the great axe dropped alongside."""
    if look.get("headgear") == "crown":
        rect(body, 1, 18, 6, 19, BRONZE)
        rect(body, 1, 19, 6, 19, shade(BRONZE, 0.65))
        for x in (1, 3, 5, 6):
            put(body, x, 17, shade(BRONZE, 1.3))
        put(body, 3, 18, GEM)
    if look.get("weapon") == "greataxe":
        line(body, 4, 22, 19, 20, WOOD)
        line(body, 4, 23, 19, 21, shade(WOOD, 0.7))
        rect(body, 19, 17, 22, 19, STEEL)
        rect(body, 20, 16, 23, 16, shade(STEEL, 1.3))
        rect(body, 19, 19, 22, 19, shade(STEEL, 0.7))
    if look.get("weapon") == "claws":  # a gnawed bone it dropped
        line(body, 17, 19, 22, 21, TOOTH)
        rect(body, 16, 18, 17, 19, TOOTH)
        rect(body, 22, 21, 23, 22, TOOTH)
