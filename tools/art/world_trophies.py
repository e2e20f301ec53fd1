"""Pictures of the things the village asks for: a wolf pelt, a bandit's brass
badge, the stolen moonstone and a bone charm. 25 x 25 on the magenta key,
drawn like the other items (world_items.py)."""
import math

from world_common import FIELD, INK, canvas, ellipse, line, put, rect, rng, shade

FUR = (128, 128, 132)
BRASS = (198, 156, 62)
BONE = (226, 218, 190)


def wolfpelt():
    """A stretched hide seen from above: head with ears, four short paws
    spread out, a bushy tail, fur flecked darker along the back."""
    img = canvas(FIELD, FIELD)
    ellipse(img, 12.5, 13, 6, 7.5, FUR)
    for sx in (-1, 1):  # paws, splayed outward and a little thicker at the tip
        for y0, dy in ((8, -1), (17, 1)):
            for k in range(5):
                x = 12 + sx * (4 + k)
                rect(img, x, y0 + dy * (k // 2), x, y0 + dy * (k // 2) + 2, FUR)
            rect(img, 12 + sx * 9, y0 + dy * 2 - 1, 12 + sx * 9, y0 + dy * 2 + 3, shade(FUR, 0.8))
    ellipse(img, 12.5, 4.5, 3, 2.5, FUR)  # head
    put(img, 10, 1, FUR)  # ears
    put(img, 15, 1, FUR)
    ellipse(img, 12.5, 22, 1.8, 2.6, shade(FUR, 0.85))  # tail
    rnd = rng("item", "wolfpelt")
    for _ in range(40):
        x, y = rnd.randint(7, 18), rnd.randint(6, 20)
        if img.getpixel((x, y))[3]:
            put(img, x, y, shade(FUR, rnd.choice((0.75, 0.85, 1.2))))
    rect(img, 12, 6, 13, 19, shade(FUR, 0.7))  # the darker stripe down the back
    put(img, 11, 4, INK)  # eyes
    put(img, 14, 4, INK)
    return img


def badge():
    """A round brass badge stamped with a crossed arrow and blade."""
    img = canvas(FIELD, FIELD)
    ellipse(img, 12.5, 12.5, 9, 9, BRASS, light=shade(BRASS, 1.4), dark=shade(BRASS, 0.6))
    ellipse(img, 12.5, 12.5, 6.5, 6.5, shade(BRASS, 0.85))
    mark = shade(BRASS, 0.45)
    line(img, 8, 17, 17, 8, mark)
    line(img, 8, 8, 17, 17, mark)
    rect(img, 15, 8, 17, 8, mark)  # arrow head
    rect(img, 17, 8, 17, 10, mark)
    rect(img, 11, 3, 14, 4, shade(BRASS, 0.7))  # pin loop
    return img


def moonstone():
    """A pale cut stone with a blue glow and a bright glint."""
    img = canvas(FIELD, FIELD)
    for r in range(11, 7, -1):  # glow, fading outward
        ellipse(img, 12.5, 12.5, r * 0.9, r, shade((120, 150, 220), 1 + (r - 7) * 0.12))
    ellipse(img, 12.5, 12.5, 6, 7.5, (206, 222, 244), light=(246, 250, 255), dark=(140, 162, 206))
    for a in range(0, 360, 60):  # facets
        x = 12.5 + 4 * math.cos(math.radians(a))
        y = 12.5 + 5 * math.sin(math.radians(a))
        put(img, x, y, (170, 190, 230))
    rect(img, 10, 8, 11, 9, (255, 255, 255))
    return img


def bonecharm():
    """Three small bones tied on a dark cord with a red knot."""
    img = canvas(FIELD, FIELD)
    cord = (70, 46, 34)
    line(img, 3, 4, 12, 10, cord)
    line(img, 21, 4, 12, 10, cord)
    for x in (8, 12, 16):  # each bone a shaft with knobbed ends
        top = 10 if x == 12 else 12
        rect(img, x, top + 2, x + 1, top + 10, BONE)
        rect(img, x + 1, top + 2, x + 1, top + 10, shade(BONE, 0.75))
        for y in (top + 1, top + 11):
            rect(img, x - 1, y, x + 2, y, BONE)
        line(img, x, top + 1, 12, 10, cord)
    rect(img, 11, 9, 13, 11, (170, 40, 34))
    return img


PICTURES = {"wolfpelt": wolfpelt, "badge": badge, "moonstone": moonstone, "bonecharm": bonecharm}
