"""Gear of the forest's shooters: the crossbowman's kettle hat and crossbow,
the mage's pointed hat and fire staff, and what of it lies by their corpses.

world_figures.py calls in here for the headgear and weapon kinds listed in
HEADGEAR and WEAPONS; the views are 'front', 'back' and 'side' (facing right)."""
from world_common import line, lit_box, put, rect, shade

WOOD = (120, 80, 46)
PROD = (96, 100, 112)  # the crossbow's steel bow
STRING = (226, 220, 200)
FLAME = ((196, 58, 24), (246, 140, 40), (255, 232, 130))  # rim, body, core
EMBER = (120, 52, 30)  # the staff's stone once the fire is out


# headgear
def _kettle_hat(img, look, view):
    c = look["headgear_colour"]
    x0, x1 = (9, 16) if view == "side" else (8, 16)
    if look.get("coif"):  # mail under the hat, down to the shoulders
        mail = look["coif"]
        if view == "back":
            lit_box(img, 8, 5, 16, 14, mail)
            for y in range(8, 14, 2):  # rings of the mail
                for x in range(9 + y % 4 // 2, 16, 2):
                    put(img, x, y, shade(mail, 0.8))
        else:
            for x in ((8, 16) if view == "front" else (9, 10)):
                rect(img, x, 6, x, 13, mail)
            rect(img, x0, 13, x1, 14, shade(mail, 0.8))
            for y in range(7, 14, 2):
                put(img, 8 if view == "front" else 9, y, shade(mail, 1.3))
    lit_box(img, x0 + 1, 1, x1 - 1, 5, c)
    for x in (x0 + 1, x1 - 1):  # round the dome's shoulders
        img.putpixel((x, 1), (0, 0, 0, 0))
    rect(img, x0 + 2, 2, x0 + 3, 2, shade(c, 1.5))  # shine on the dome
    rect(img, 4, 5, 20, 6, c)  # the wide brim
    rect(img, 4, 6, 20, 6, shade(c, 0.7))
    put(img, 4, 5, shade(c, 1.2))
    if view != "back":
        rect(img, x0 + 1, 4, x1 - 1, 4, look.get("band", shade(c, 0.6)))


# the pointed hat's cone row by row from the tip down, as (left, right); the
# tip flops to the side away from the staff
CONE = {"front": ((9, 12), (10, 12), (10, 13), (9, 14), (8, 15)),
        "back": ((12, 13), (12, 14), (11, 14), (10, 15), (9, 16)),
        "side": ((8, 9), (9, 11), (9, 12), (9, 13), (9, 15))}


def _pointed_hat(img, look, view):
    c = look["headgear_colour"]
    for y, (a, b) in enumerate(CONE[view], 1):
        rect(img, a, y, b, y, c)
        put(img, a, y, shade(c, 1.25))
        put(img, b, y, shade(c, 0.7))
    band = look.get("band", (200, 160, 60))
    rect(img, 8, 6, 16, 6, band)
    rect(img, 5, 7, 19, 7, c)  # brim
    rect(img, 5, 7, 6, 7, shade(c, 1.25))
    rect(img, 6, 8, 18, 8, shade(c, 0.6))
    if view != "back":
        put(img, 12 if view == "front" else 14, 6, shade(band, 1.4))  # buckle


HEADGEAR = {"kettle": _kettle_hat, "pointed": _pointed_hat}


# weapons, held at the hand (hx, hy) that world_figures works out
def _crossbow(img, look, view, hx, hy):
    if view == "side":  # levelled at the hip, prod across the front end
        y, tip = hy - 1, hx + 6
        rect(img, hx - 3, y, tip, y + 1, WOOD)
        rect(img, hx - 3, y + 1, tip, y + 1, shade(WOOD, 0.7))
        rect(img, hx - 4, y + 1, hx - 3, y + 2, shade(WOOD, 0.8))  # butt
        for dy in range(-5, 6):
            put(img, tip + (0 if abs(dy) < 4 else -1), y + dy, PROD)
        line(img, tip - 1, y - 5, hx, y, STRING)
        line(img, tip - 1, y + 5, hx, y + 1, STRING)
        put(img, tip + 1, y, PROD)  # the stirrup
        put(img, hx + 1, y - 1, (200, 204, 214))  # a bolt on the rail
        rect(img, hx + 2, y - 1, tip - 1, y - 1, (150, 110, 70))
        return
    # front and back: levelled at the waist, the prod across the body
    y = hy - 2 if view == "front" else hy - 3
    for x in range(3, 22):
        bend = 1 if abs(x - 12) > 6 else 0  # tips swept back
        put(img, x, y - bend, PROD)
        if view == "front" and abs(x - 12) <= 6:
            put(img, x, y + 1, shade(PROD, 0.7))
    if view == "front":
        line(img, 4, y - 1, 11, y - 3, STRING)
        line(img, 20, y - 1, 13, y - 3, STRING)
        rect(img, 11, y - 4, 13, y + 2, WOOD)  # the stock, end on
        rect(img, 13, y - 4, 13, y + 2, shade(WOOD, 0.7))
        put(img, 12, y + 1, (200, 204, 214))  # the bolt's head


def _bolt_case(img, view):
    """A leather case of bolts at the back of the belt."""
    leather = (92, 62, 38)
    if view == "back":
        lit_box(img, 14, 20, 16, 27, leather)
        for x in (14, 16):
            put(img, x, 19, (200, 204, 214))
    elif view == "side":
        lit_box(img, 7, 21, 8, 27, leather)
        put(img, 7, 20, (200, 204, 214))


def _fire_staff(img, look, view, hx, hy):
    if view == "side":  # planted ahead of him, clear of the face
        hx = 18
    top = hy - 18  # the stone's flame stays inside the frame
    rect(img, hx, top + 2, hx + 1, hy + 12, WOOD)
    rect(img, hx + 1, top + 2, hx + 1, hy + 12, shade(WOOD, 0.72))
    rim, body, core = FLAME
    put(img, hx - 1, top + 2, WOOD)  # claws that hold the stone
    put(img, hx + 2, top + 2, WOOD)
    rect(img, hx - 1, top - 2, hx + 2, top + 1, rim)
    rect(img, hx, top - 3, hx + 1, top + 1, body)
    rect(img, hx - 1, top - 1, hx + 2, top, body)
    put(img, hx, top - 1, core)
    put(img, hx + 1, top - 2, core)
    for dx, dy in ((-3, -1), (3, -3), (4, 0)):  # sparks
        put(img, hx + dx, top + dy, core if dy else body)
    if view == "side":  # the far hand on the staff
        rect(img, hx - 1, hy - 3, hx + 1, hy - 2, shade(look["skin"], 0.85))


def _ember_hand(img, view, walk):
    """The free hand glows where the fire leaves it."""
    rim, body, core = FLAME
    if view == "front":
        x, y = 5, 24 + (1 if walk else 0)
    elif view == "side" and walk:
        x, y = 8, 22
    else:
        return
    rect(img, x, y, x + 1, y + 1, body)
    put(img, x, y + 1, core)
    put(img, x - 1, y - 2, rim)
    put(img, x + 1, y - 3, core)


def crossbow(img, look, view, hx, hy, walk):
    if view == "side":
        _bolt_case(img, view)
    _crossbow(img, look, view, hx, hy)


def fire_staff(img, look, view, hx, hy, walk):
    _fire_staff(img, look, view, hx, hy)
    _ember_hand(img, view, walk)


WEAPONS = {"crossbow": crossbow, "firestaff": fire_staff}


def on_the_back(img, look):
    """Drawn over the body seen from behind."""
    if look.get("weapon") == "crossbow":
        _bolt_case(img, "back")


def corpse_gear(body, look):
    """What shows of this gear on a corpse (lying head to the left)."""
    gear = look.get("headgear")
    c = look.get("headgear_colour", (150, 150, 160))
    if look.get("robe") and look.get("trim"):  # the robe covers the legs
        rect(body, 15, 7, 21, 15, look["shirt"])
        rect(body, 15, 7, 21, 7, shade(look["shirt"], 1.2))
        rect(body, 21, 7, 21, 15, look["trim"])
    if gear == "kettle":  # knocked off, upside down by the head
        rect(body, 1, 18, 7, 18, c)
        rect(body, 2, 19, 6, 21, c)
        rect(body, 3, 19, 4, 19, shade(c, 1.5))
        rect(body, 2, 21, 6, 21, shade(c, 0.7))
    elif gear == "pointed":  # fallen off above the head, tip bent
        rect(body, 0, 5, 6, 5, shade(c, 0.7))  # brim
        rect(body, 1, 4, 5, 4, look.get("band", (200, 160, 60)))
        rect(body, 1, 3, 5, 3, c)
        rect(body, 2, 2, 5, 2, c)
        rect(body, 3, 1, 6, 1, shade(c, 1.2))
        rect(body, 6, 0, 7, 0, c)
    if look.get("weapon") == "firestaff":  # the staff dropped, its fire gone
        line(body, 3, 22, 19, 20, WOOD)
        line(body, 3, 23, 19, 21, shade(WOOD, 0.7))
        rect(body, 20, 19, 22, 21, EMBER)
        put(body, 21, 20, FLAME[0])
    elif look.get("weapon") == "crossbow":
        rect(body, 10, 21, 20, 22, WOOD)
        rect(body, 19, 19, 19, 24, PROD)
        put(body, 18, 19, PROD)
        put(body, 18, 24, PROD)
