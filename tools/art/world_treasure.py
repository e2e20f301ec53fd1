"""Pictures of what the crypt holds: the chieftain's chain mail and the
chapel bell he sits on. 25 x 25 on the magenta key, drawn like the other
items (world_items.py)."""
from world_common import FIELD, canvas, ellipse, put, rect, shade

MAIL = (150, 156, 168)
BRONZE = (196, 150, 64)


def chainmail():
    """A hauberk laid flat: sleeves out to the elbows, a skirt split at the
    front, rings in offset rows, a leather collar and hem."""
    img = canvas(FIELD, FIELD)
    for y in range(4, 23):
        half = 10 if y < 12 else 6 + (y - 12) // 4  # sleeves, then the flaring skirt
        for x in range(12 - half, 13 + half):
            if y < 7 and 10 <= x <= 14 or y > 17 and x == 12:
                continue  # the neck opening and the split
            ring = y % 2 == 0 and (x + y // 2) % 2 == 0
            lit = y % 2 == 1 and x % 2 == 1
            put(img, x, y, shade(MAIL, 0.62) if ring else shade(MAIL, 1.25) if lit else MAIL)
        put(img, 12 - half, y, shade(MAIL, 1.3))
        put(img, 12 + half, y, shade(MAIL, 0.6))
    leather = (110, 74, 44)
    rect(img, 9, 4, 9, 7, leather)  # collar
    rect(img, 15, 4, 15, 7, leather)
    rect(img, 10, 7, 14, 7, leather)
    rect(img, 7, 22, 11, 22, leather)  # hem
    rect(img, 13, 22, 17, 22, leather)
    rect(img, 2, 11, 5, 11, leather)  # sleeve ends
    rect(img, 19, 11, 22, 11, leather)
    return img


def bell():
    """A small bronze bell with its iron loop and clapper."""
    img = canvas(FIELD, FIELD)
    for y in range(6, 20):  # flaring toward the lip
        half = 4 + (y - 6) * 5 // 13 + (1 if y > 17 else 0)
        for x in range(12 - half, 13 + half):
            t = (x - (12 - half)) / max(1, 2 * half)
            c = shade(BRONZE, 1.35) if t < 0.22 else shade(BRONZE, 0.62) if t > 0.8 else BRONZE
            put(img, x, y, c)
    ellipse(img, 12.5, 6.5, 4.5, 2.5, shade(BRONZE, 1.1))  # the crown of the bell
    rect(img, 6, 19, 19, 20, shade(BRONZE, 0.55))  # lip
    rect(img, 7, 13, 18, 13, shade(BRONZE, 0.75))  # a cast band
    rect(img, 11, 1, 14, 2, (90, 90, 98))  # iron loop
    rect(img, 11, 1, 11, 4, (90, 90, 98))
    rect(img, 14, 1, 14, 4, (90, 90, 98))
    rect(img, 12, 21, 13, 22, (80, 76, 80))  # clapper below the lip
    put(img, 9, 9, (250, 230, 170))  # a glint
    return img


PICTURES = {"chainmail": chainmail, "bell": bell}
