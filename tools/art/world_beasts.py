"""The wolf's frames and every corpse picture (25 x 25)."""
from PIL import ImageOps

from world_common import FIELD, canvas, ellipse, line, outline, put, rect, rng, shade
import world_ghouls as ghouls
from world_gear import corpse_gear

FUR = (128, 126, 132)
BELLY = (190, 186, 184)
DARK_FUR = (86, 84, 92)


def _wolf_legs(img, xs, top, bottom, lifted):
    for i, x in enumerate(xs):
        up = 2 if i in lifted else 0
        rect(img, x, top, x + 1, bottom - up, FUR if i % 2 == 0 else DARK_FUR)
        rect(img, x, bottom - up + 1, x + 2, bottom - up + 1, shade(DARK_FUR, 0.8))


def _ear(img, x, y, width, inner=True):
    """A pointed ear, tip at (x + width // 2, y)."""
    for k in range(width // 2 + 1):
        rect(img, x + width // 2 - k, y + k, x + width // 2 + k, y + k, DARK_FUR)
    if inner:
        put(img, x + width // 2, y + width // 2, (196, 150, 150))


def _wolf_side(img, walk):
    # legs: far hind, near hind, far fore, near fore
    xs = [7, 4, 13, 17] if walk else [5, 7, 14, 16]
    _wolf_legs(img, xs, 29, 37, (1, 2) if walk else ())
    for k in range(7):  # bushy tail, light tip
        x, y = 5 - k * 4 // 6, 24 + k
        rect(img, x - 1, y, x + 1, y, FUR if k < 5 else BELLY)
    ellipse(img, 11, 27, 7, 4.5, FUR, light=shade(FUR, 1.2))
    rect(img, 6, 23, 15, 23, DARK_FUR)  # darker back
    rect(img, 8, 30, 15, 30, BELLY)
    ellipse(img, 17, 25, 3.5, 4.5, FUR)  # chest and neck
    rect(img, 17, 26, 19, 29, BELLY)
    rect(img, 15, 18, 19, 23, FUR)  # head
    rect(img, 15, 18, 19, 18, shade(FUR, 1.2))
    rect(img, 20, 20, 22, 21, FUR)  # long snout
    rect(img, 20, 22, 21, 23, BELLY)
    put(img, 23, 20, (30, 26, 30))  # nose
    put(img, 18, 20, (240, 200, 60))  # eye
    _ear(img, 14, 14, 4)


def _wolf_front(img, walk):
    _wolf_legs(img, [8, 15], 31, 37, (0,) if walk else ())
    ellipse(img, 12.5, 29, 6, 5, FUR, light=shade(FUR, 1.2), dark=DARK_FUR)
    rect(img, 10, 27, 15, 33, BELLY)  # chest
    _ear(img, 6, 13, 5)
    _ear(img, 14, 13, 5)
    rect(img, 7, 17, 17, 24, FUR)  # head with a ruff at the cheeks
    rect(img, 7, 17, 17, 17, shade(FUR, 1.2))
    rect(img, 6, 21, 6, 25, FUR)
    rect(img, 18, 21, 18, 25, FUR)
    rect(img, 10, 22, 14, 27, BELLY)  # muzzle toward the viewer
    rect(img, 11, 26, 13, 27, (30, 26, 30))  # nose
    rect(img, 9, 20, 10, 20, (240, 200, 60))  # eyes, slanted
    rect(img, 14, 20, 15, 20, (240, 200, 60))
    put(img, 10, 19, DARK_FUR)
    put(img, 14, 19, DARK_FUR)


def _wolf_back(img, walk):
    _wolf_legs(img, [7, 16], 31, 37, (1,) if walk else ())
    _ear(img, 7, 14, 4, inner=False)  # ears behind the body
    _ear(img, 14, 14, 4, inner=False)
    rect(img, 8, 18, 16, 22, FUR)
    ellipse(img, 12.5, 28, 6.5, 7, FUR, light=shade(FUR, 1.2), dark=DARK_FUR)
    rect(img, 11, 21, 13, 32, DARK_FUR)  # dark stripe along the spine
    tail = 13 if walk else 12
    rect(img, tail - 1, 31, tail + 1, 37, FUR)
    rect(img, tail - 1, 37, tail + 1, 38, BELLY)


def wolf_frame(facing, walk):
    if facing == "left":
        return ImageOps.mirror(wolf_frame("right", walk))
    img = canvas(25, 40)
    {"right": _wolf_side, "down": _wolf_front, "up": _wolf_back}[facing](img, walk)
    return outline(img)


def _pool(img, seed, cx, cy, rx, ry):
    rnd = rng("pool", seed)
    ellipse(img, cx, cy, rx, ry, (120, 16, 20))
    for _ in range(6):
        put(img, int(cx + rnd.uniform(-rx, rx) * 0.6), int(cy + rnd.uniform(-ry, ry) * 0.6), (160, 30, 34))


def person_corpse(look, seed):
    """Lying on its back, head to the left, in a pool of blood."""
    img = canvas(FIELD, FIELD)
    _pool(img, seed, 13, 15, 11, 7)
    body = canvas(FIELD, FIELD)
    shirt, pants, skin = look["shirt"], look["pants"], look["skin"]
    if look.get("cape"):
        rect(body, 8, 5, 16, 17, shade(look["cape"], 0.75))
    rect(body, 16, 8, 22, 10, pants)  # legs
    rect(body, 16, 12, 22, 14, shade(pants, 0.8))
    rect(body, 22, 7, 24, 10, look["shoes"])
    rect(body, 22, 12, 24, 15, look["shoes"])
    rect(body, 8, 7, 16, 15, shirt)  # torso
    rect(body, 8, 7, 16, 7, shade(shirt, 1.2))
    if look.get("plate"):
        rect(body, 9, 8, 14, 14, look["plate"])
    if look.get("mail"):
        ghouls.mail(body, 8, 7, 16, 15, shirt)
    rect(body, 15, 7, 15, 15, look.get("belt", shade(pants, 0.6)))
    rect(body, 9, 4, 14, 5, shirt)  # arms flung out
    rect(body, 15, 4, 16, 5, skin)
    rect(body, 9, 17, 13, 18, shirt)
    rect(body, 14, 18, 15, 19, skin)
    rect(body, 2, 8, 7, 14, skin)  # head
    if look.get("hairstyle") != "bald":
        rect(body, 1, 8, 3, 14, look["hair"])
    if look.get("headgear") in ("helmet", "hood", "cap"):
        rect(body, 1, 7, 4, 15, look.get("headgear_colour", (150, 150, 160)))
    put(body, 5, 10, (30, 24, 30))  # closed eyes
    put(body, 5, 12, (30, 24, 30))
    corpse_gear(body, look)
    ghouls.corpse_gear(body, look)
    outline(body)
    img.alpha_composite(body)
    return img


def skeleton_corpse(look, seed):
    """A heap of loose bones, with the hood and bow of an archer."""
    img = canvas(FIELD, FIELD)
    bone = look["skin"]
    if look.get("headgear") == "cowl":  # the rag it wore, under the skull
        ellipse(img, 18, 16, 6, 5, look["headgear_colour"], dark=shade(look["headgear_colour"], 0.7))
    if look.get("weapon") == "bow":  # the bow fell beside the bones
        for x in range(2, 23):
            put(img, x, 23 - (4 - abs(x - 12) * 4 // 10), (120, 80, 46))
        line(img, 2, 23, 22, 23, (226, 220, 200))
    for x0, y0, x1, y1 in ((4, 18, 15, 14), (10, 20, 21, 21), (14, 6, 20, 12), (6, 6, 9, 16)):
        line(img, x0, y0, x1, y1, bone)
        line(img, x0, y0 + 1, x1, y1 + 1, shade(bone, 0.8))
        for x, y in ((x0, y0), (x1, y1)):
            rect(img, x - 1, y - 1, x, y + 1, bone)
    for k in range(4):  # ribs
        line(img, 11, 9 + k * 2, 16, 8 + k * 2, bone)
    ellipse(img, 18, 17, 4, 3.5, bone, dark=shade(bone, 0.75))  # skull
    rect(img, 16, 16, 17, 17, (30, 20, 24))
    rect(img, 19, 16, 20, 17, (30, 20, 24))
    return outline(img)


def wolf_corpse(seed):
    img = canvas(FIELD, FIELD)
    _pool(img, seed, 12, 17, 10, 5)
    body = canvas(FIELD, FIELD)
    for x in (7, 10, 14, 17):  # legs sticking out
        rect(body, x, 17, x + 1, 22, FUR)
    ellipse(body, 11, 13, 8, 5, FUR, light=shade(FUR, 1.2))
    rect(body, 5, 15, 15, 16, BELLY)
    line(body, 3, 12, 0, 16, FUR)  # tail
    rect(body, 18, 9, 22, 14, FUR)  # head
    rect(body, 22, 11, 24, 14, FUR)
    put(body, 24, 11, (30, 26, 30))
    line(body, 19, 10, 21, 12, (30, 26, 30))  # crossed-out eye
    line(body, 21, 10, 19, 12, (30, 26, 30))
    put(body, 23, 15, (200, 80, 90))  # tongue
    rect(body, 18, 7, 19, 8, DARK_FUR)
    outline(body)
    img.alpha_composite(body)
    return img
