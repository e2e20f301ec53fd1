"""Missile strips: four 25 x 25 frames by flight direction, up, down, left,
right, as the game cuts them."""
from PIL import Image

from world_common import FIELD, MAGENTA, canvas, ellipse, flatten, outline, put, rect
from world_items import STEEL

# Drawn flying right, then turned for the other directions.
def _arrow_flight():
    img = canvas(FIELD, FIELD)
    rect(img, 3, 12, 19, 12, (176, 140, 90))
    for k in range(3):
        rect(img, 20 + k, 10 + k, 20 + k, 14 - k, STEEL)
    for k in range(3):
        put(img, 3 + k, 10 + k // 2, (220, 60, 50))
        put(img, 3 + k, 14 - k // 2, (220, 60, 50))
    return img


def _bolt_flight():
    img = canvas(FIELD, FIELD)
    rect(img, 6, 11, 18, 13, (120, 84, 50))
    rect(img, 6, 11, 18, 11, (150, 110, 70))
    for k in range(3):
        rect(img, 19 + k, 10 + k, 19 + k, 14 - k, (160, 166, 176))
    for y, y2 in ((9, 10), (15, 14)):  # vanes swept back, so the tail reads as a tail
        rect(img, 4, y, 6, y, (90, 90, 100))
        rect(img, 6, y2, 9, y2, (90, 90, 100))
    return img


def _fireball_flight():
    img = canvas(FIELD, FIELD)
    for x in range(2, 14):  # tail of flame behind the ball
        half = (x - 2) * 5 // 12
        rect(img, x, 12 - half, x, 12 + half, (214, 70, 30) if x < 8 else (240, 130, 40))
    ellipse(img, 15.5, 12.5, 6.5, 6.5, (230, 80, 30))
    ellipse(img, 16.5, 12.5, 4.5, 4.5, (250, 160, 50))
    ellipse(img, 17.5, 12.5, 2.5, 2.5, (255, 240, 160))
    for x, y in ((5, 7), (8, 18), (3, 14)):
        put(img, x, y, (250, 200, 80))
    return img


MISSILES = {"arrow": _arrow_flight, "bolt": _bolt_flight, "fireball": _fireball_flight}


def missile_strip(name):
    """Frames by flight direction: up, down, left, right."""
    right = outline(MISSILES[name]())
    frames = [right.transpose(Image.ROTATE_90), right.transpose(Image.ROTATE_270),
              right.transpose(Image.FLIP_LEFT_RIGHT), right]
    out = Image.new("RGB", (4 * FIELD, FIELD), MAGENTA)
    for i, f in enumerate(frames):
        out.paste(flatten(f), (FIELD * i, 0))
    return out
