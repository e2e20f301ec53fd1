"""People on two legs (and skeletons): one 25 x 40 frame per facing and pose.

A look is a dict of colours and gear; see world_cast.py. Frames are drawn
facing down, up and right; facing left is the right frame mirrored."""
from PIL import ImageOps

from world_common import canvas, line, outline, put, rect, shade
from world_common import lit_box as _box
import world_ghouls as ghouls
from world_gear import HEADGEAR as GEAR_HATS, WEAPONS as GEAR_WEAPONS, on_the_back

HEADGEAR = {**GEAR_HATS, **ghouls.HEADGEAR}
WEAPONS = {**GEAR_WEAPONS, **ghouls.WEAPONS}
EYES = (30, 24, 30)

W, H = 25, 40


def _leg(img, top, foot, width, colour, shoe, shoe_len, forward):
    """A leg from hip (x, y) to foot (x, y), slanted when walking."""
    (hx, hy), (fx, fy) = top, foot
    for y in range(hy, fy + 1):
        t = (y - hy) / max(1, fy - hy)
        x = round(hx + (fx - hx) * t)
        rect(img, x, y, x + width - 1, y, colour)
        put(img, x + width - 1, y, shade(colour, 0.72))
    toe = fx + width - 1 + (shoe_len - width if forward > 0 else 0)
    heel = fx - (shoe_len - width if forward < 0 else 0)
    rect(img, heel, fy + 1, toe, fy + 3, shoe)
    rect(img, heel, fy + 3, toe, fy + 3, shade(shoe, 0.7))


def _skeleton_body(img, look, view, walk):
    bone, dark = look["skin"], shade(look["skin"], 0.6)
    x0, x1 = (8, 16) if view != "side" else (10, 14)
    for y in range(15, 24):
        rect(img, x0, y, x1, y, bone if y % 2 else dark)
    rect(img, 12, 15, 12, 26, bone)  # spine
    rect(img, x0 + 1, 24, x1 - 1, 26, bone)  # pelvis
    return bone


def _front_back(img, look, back, walk):
    skin, hair, shirt = look["skin"], look["hair"], look["shirt"]
    pants, shoes = look["pants"], look["shoes"]
    skeleton = look.get("skeleton")
    limb = 2 if skeleton else 4
    if look.get("cape") and not back:  # cape edges behind the shoulders
        rect(img, 6, 15, 18, 30, shade(look["cape"], 0.7))
    # legs
    spread = 2 if walk else 0
    lift = 2 if walk else 0
    lx = 8 - spread + (1 if skeleton else 0)
    rx = 13 + spread + (1 if skeleton else 0)
    leg_colour = skin if skeleton else pants
    _leg(img, (lx, 26), (lx - spread, 35 - lift), limb, leg_colour, shoes, limb + 1, -1)
    _leg(img, (rx, 26), (rx + spread, 35), limb, leg_colour, shoes, limb + 1, 1)
    # arms, swinging opposite to the legs when walking
    sleeve = skin if skeleton else look.get("sleeve", shirt)
    la, ra = (1, -2) if walk else (0, 0)
    aw = 1 if skeleton else 2
    _box(img, 6 - aw + 1, 15, 6, 23 + la, sleeve)
    _box(img, 18, 15, 18 + aw - 1, 23 + ra, sleeve)
    rect(img, 6 - aw + 1, 24 + la, 6, 25 + la, skin)
    rect(img, 18, 24 + ra, 18 + aw - 1, 25 + ra, skin)
    # torso
    if skeleton:
        _skeleton_body(img, look, "front", walk)
    else:
        _box(img, 7, 14, 17, 25, shirt)
        if look.get("mail"):
            ghouls.mail(img, 7, 14, 17, 25, shirt)
        if look.get("robe"):
            _box(img, 7, 24, 17, 33 - (1 if walk else 0), shirt)
            hem = 33 - (1 if walk else 0)
            if look.get("trim"):  # hem, and the opening down the front
                rect(img, 7, hem, 17, hem, look["trim"])
                if not back:
                    rect(img, 12, 14, 12, hem, look["trim"])
        if look.get("vest") and not back:
            _box(img, 7, 14, 9, 25, look["vest"], lit=False)
            _box(img, 15, 14, 17, 25, look["vest"], lit=False)
        if look.get("plate") and not back:
            _box(img, 8, 15, 16, 22, look["plate"])
            rect(img, 9, 16, 10, 17, shade(look["plate"], 1.4))
        if look.get("tabard") and not back:
            _box(img, 10, 15, 14, 27, look["tabard"])
        if look.get("apron") and not back:
            _box(img, 9, 19, 15, 30, look["apron"], lit=False)
        rect(img, 7, 23, 17, 23, look.get("belt", shade(pants, 0.6)))
        if not back:
            put(img, 12, 23, (220, 190, 80))
        if look.get("cape") and back:
            _box(img, 7, 14, 17, 31, look["cape"])
    # head
    head_col = skin
    _box(img, 8, 5, 16, 13, head_col)
    rect(img, 8, 13, 8, 13, head_col)
    if skeleton:
        if not back:
            rect(img, 9, 8, 10, 9, (30, 20, 24))
            rect(img, 14, 8, 15, 9, (30, 20, 24))
            if look.get("eyes"):  # a glint deep in each socket
                put(img, 10, 9, look["eyes"])
                put(img, 14, 9, look["eyes"])
            put(img, 12, 10, (60, 50, 50))
            for x in range(10, 15):
                put(img, x, 12, (60, 50, 50) if x % 2 else skin)
    elif back:
        _box(img, 8, 4, 16, 13 if look.get("hairstyle") != "bald" else 6, hair)
    else:
        put(img, 10, 9, look.get("eyes", EYES))
        put(img, 14, 9, look.get("eyes", EYES))
        put(img, 12, 12, shade(skin, 0.75))
        if look.get("beard"):
            rect(img, 9, 11, 15, 13, look["beard"])
            rect(img, 10, 14, 14, 14, look["beard"])
            put(img, 12, 12, shade(look["beard"], 0.6))
        if look.get("hairstyle") != "bald":
            rect(img, 8, 4, 16, 6, hair)
            rect(img, 8, 7, 8, 9, hair)
            rect(img, 16, 7, 16, 9, hair)
            if look.get("hairstyle") == "long":
                rect(img, 7, 7, 8, 15, hair)
                rect(img, 16, 7, 17, 15, hair)
    _headgear(img, look, "back" if back else "front")


def _side(img, look, walk):
    skin, hair, shirt = look["skin"], look["hair"], look["shirt"]
    pants, shoes = look["pants"], look["shoes"]
    skeleton = look.get("skeleton")
    limb = 2 if skeleton else 4
    leg_colour = skin if skeleton else pants
    sleeve = skin if skeleton else look.get("sleeve", shirt)
    if look.get("cape"):
        _box(img, 7, 14, 9, 31 - (2 if walk else 0), look["cape"])
    if walk:  # far arm and far leg first, a shade darker
        _box(img, 9, 15, 10, 21, shade(sleeve, 0.75), lit=False)
        rect(img, 8, 22, 9, 23, shade(skin, 0.8))
        _leg(img, (10, 26), (7, 35), limb, shade(leg_colour, 0.78), shade(shoes, 0.8), limb + 2, 1)
        _leg(img, (11, 26), (14, 35), limb, leg_colour, shoes, limb + 2, 1)
    else:
        _leg(img, (10, 26), (10, 35), limb + 1, leg_colour, shoes, limb + 3, 1)
    if skeleton:
        _skeleton_body(img, look, "side", walk)
    else:
        _box(img, 9, 14, 15, 25, shirt)
        if look.get("mail"):
            ghouls.mail(img, 9, 14, 15, 25, shirt)
        if look.get("robe"):
            _box(img, 9, 24, 15, 33 - (1 if walk else 0), shirt)
            hem = 33 - (1 if walk else 0)
            if look.get("trim"):
                rect(img, 9, hem, 15, hem, look["trim"])
                rect(img, 15, 14, 15, hem, look["trim"])
        if look.get("plate"):
            _box(img, 10, 15, 15, 22, look["plate"])
        if look.get("vest"):
            _box(img, 13, 14, 15, 25, look["vest"], lit=False)
        if look.get("tabard"):
            _box(img, 14, 15, 15, 27, look["tabard"])
        if look.get("apron"):
            _box(img, 15, 19, 16, 30, look["apron"], lit=False)
        rect(img, 9, 23, 15, 23, look.get("belt", shade(pants, 0.6)))
    # near arm
    if walk:
        for y in range(15, 23):
            x = 11 + (y - 15) * 4 // 8
            rect(img, x, y, x + (1 if skeleton else 2), y, sleeve)
        rect(img, 15, 23, 16, 24, skin)
    else:
        _box(img, 11, 15, 11 + (1 if skeleton else 2), 23, sleeve)
        rect(img, 11, 24, 12 + (0 if skeleton else 1), 25, skin)
    # head in profile, looking right
    _box(img, 9, 5, 16, 13, skin)
    put(img, 17, 10, skin)  # nose
    if skeleton:
        rect(img, 14, 8, 15, 9, (30, 20, 24))
        if look.get("eyes"):
            put(img, 15, 9, look["eyes"])
        rect(img, 13, 12, 16, 12, (60, 50, 50))
    else:
        put(img, 15, 9, look.get("eyes", EYES))
        put(img, 11, 9, shade(skin, 0.75))  # ear
        if look.get("beard"):
            rect(img, 12, 11, 16, 14, look["beard"])
        if look.get("hairstyle") != "bald":
            rect(img, 9, 4, 16, 6, hair)
            rect(img, 9, 7, 10, 12 if look.get("hairstyle") != "long" else 16, hair)
            put(img, 16, 7, hair)
    _headgear(img, look, "side")


def _headgear(img, look, view):
    gear = look.get("headgear")
    if not gear:
        return
    c = look.get("headgear_colour", (150, 150, 160))
    if gear in HEADGEAR:
        HEADGEAR[gear](img, look, view)
    elif gear == "helmet":
        _box(img, 7, 2, 17, 7, c)
        rect(img, 8, 1, 16, 1, c)
        rect(img, 9, 2, 10, 3, shade(c, 1.5))
        if view == "front":
            rect(img, 12, 7, 12, 10, shade(c, 0.8))  # nose guard
        elif view == "side":
            rect(img, 8, 7, 9, 10, c)
    elif gear == "hood":
        _box(img, 7, 2, 17, 7, c)
        if view == "front":
            rect(img, 7, 8, 8, 15, c)
            rect(img, 16, 8, 17, 15, c)
            rect(img, 9, 8, 15, 8, shade(c, 0.55))
            if look.get("mask"):
                rect(img, 9, 11, 15, 13, look["mask"])
        elif view == "back":
            _box(img, 7, 2, 17, 16, c)
        else:
            rect(img, 7, 7, 11, 15, c)
            rect(img, 12, 2, 16, 4, c)
            if look.get("mask"):
                rect(img, 13, 11, 17, 13, look["mask"])
    elif gear == "hat":  # wide straw brim
        rect(img, 9, 1, 15, 4, c)
        rect(img, 9, 4, 15, 4, shade(c, 0.6))
        rect(img, 4, 5, 20, 6, shade(c, 1.1))
        rect(img, 4, 6, 20, 6, shade(c, 0.75))
    elif gear == "cap":
        _box(img, 8, 2, 16, 5, c)
        if view == "side":
            rect(img, 15, 5, 18, 5, shade(c, 0.7))
        rect(img, 10, 1, 14, 1, c)


def _weapon(img, look, view, walk):
    kind = look.get("weapon")
    if not kind:
        return
    steel, wood = (196, 200, 210), (120, 80, 46)
    if view == "front":
        hx, hy = 18, 24 + (-2 if walk else 0)
    elif view == "back":
        hx, hy = 5, 24 + (1 if walk else 0)
    else:
        hx, hy = (15, 23) if walk else (12, 24)
    if kind in WEAPONS:
        WEAPONS[kind](img, look, view, hx, hy, walk)
    elif kind == "sword":
        rect(img, hx - 1, hy, hx + 2, hy, (150, 120, 60))  # cross guard
        rect(img, hx, hy + 1, hx + 1, hy + 10, steel)
        rect(img, hx + 1, hy + 1, hx + 1, hy + 10, shade(steel, 0.75))
        rect(img, hx, hy - 2, hx + 1, hy - 1, (90, 60, 40))
    elif kind == "spear":
        rect(img, hx + 1, 0 if view != "side" else 3, hx + 1, 37, wood)
        rect(img, hx, 0, hx + 2, 3, steel) if view != "side" else rect(img, hx, 1, hx + 2, 4, steel)
    elif kind == "axe":
        rect(img, hx, hy - 12, hx + 1, hy + 2, wood)
        rect(img, hx + 2, hy - 12, hx + 5, hy - 7, steel)
        rect(img, hx + 5, hy - 13, hx + 5, hy - 6, shade(steel, 1.2))
    elif kind == "bow":
        if view == "back":  # quiver on the back
            rect(img, 15, 12, 17, 24, (110, 70, 40))
            for x in (15, 17):
                rect(img, x, 10, x, 11, (230, 230, 220))
        else:
            for y in range(hy - 12, hy + 5):
                bend = 2 - abs(y - (hy - 4)) * 2 // 9
                put(img, hx + 2 + bend, y, wood)
            line(img, hx + 2, hy - 12, hx + 2, hy + 4, (226, 220, 200))
    elif kind == "staff":
        rect(img, hx, hy - 18, hx + 1, hy + 12, wood)
        rect(img, hx - 1, hy - 21, hx + 2, hy - 18, (120, 200, 230))
    if look.get("shield") and view == "front":
        s = look["shield"]
        _box(img, 2, 16, 8, 25, s)
        rect(img, 3, 26, 7, 26, s)
        rect(img, 4, 27, 6, 27, s)
        rect(img, 5, 18, 5, 24, shade(s, 1.5))
        rect(img, 3, 20, 7, 20, shade(s, 1.5))


def frame(look, facing, walk):
    """facing: 'down', 'up', 'right' or 'left'."""
    if facing == "left":
        return ImageOps.mirror(frame(look, "right", walk))
    img = canvas(W, H)
    if facing == "side" or facing == "right":
        if look.get("weapon") and look.get("shield"):
            _box(img, 6, 16, 8, 26, shade(look["shield"], 0.8))  # shield on the far arm
        _side(img, look, walk)
        _weapon(img, look, "side", walk)
    else:
        back = facing == "up"
        if back:
            _weapon(img, look, "back", walk)
        _front_back(img, look, back, walk)
        if back:
            on_the_back(img, look)
        else:
            _weapon(img, look, "front", walk)
    return outline(img)
