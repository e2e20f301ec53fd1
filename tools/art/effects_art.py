"""Hit effects, three 25 x 25 frames side by side: smog (a miss) and blood (a wound).

With a colour key there is no partial transparency, so "fading" is done by thinning the
puff out with a dither pattern in the last frame."""
import math

from PIL import Image

from artlib import CLEAR, rng, supersampled

FRAME = 25


def _puffs(d, k, blobs, colour):
    for x, y, rad in blobs:
        d.ellipse(((x - rad) * k, (y - rad) * k, (x + rad) * k, (y + rad) * k), fill=colour)


def _smog_frame(i, r):
    grow = (5.5, 8.5, 11)[i]
    count = (5, 8, 10)[i]
    blobs = []
    for n in range(count):
        a = n / count * 2 * math.pi + r.uniform(-0.3, 0.3)
        dist = grow * r.uniform(0.35, 0.7)
        blobs.append((12.5 + math.cos(a) * dist, 13 + math.sin(a) * dist * 0.8, grow * r.uniform(0.35, 0.5)))

    def paint(d, k):
        base = ((150, 150, 150), (170, 168, 166), (196, 194, 192))[i]
        _puffs(d, k, [(x + 0.6, y + 0.8, s) for x, y, s in blobs], tuple(c - 50 for c in base) + (255,))
        _puffs(d, k, blobs, base + (255,))
        _puffs(d, k, [(x - s * 0.3, y - s * 0.3, s * 0.45) for x, y, s in blobs],
               tuple(min(255, c + 40) for c in base) + (255,))

    img = supersampled((FRAME, FRAME), paint)
    if i == 2:                 # thin the largest puff out, more towards its rim: it is dissolving
        px = img.load()
        for y in range(FRAME):
            for x in range(FRAME):
                rim = math.hypot(x - 12.5, y - 13) / 12.5
                if px[x, y][3] and r.random() < 0.3 + 0.6 * rim:
                    px[x, y] = CLEAR
    return img


def _blood_frame(i, r):
    spread = (4, 8, 11)[i]

    def paint(d, k):
        dark, mid, light = (110, 0, 0, 255), (176, 12, 10, 255), (226, 52, 40, 255)
        core = (2.5, 4.5, 4)[i]
        _puffs(d, k, [(12.5, 13, core + 0.8)], dark)
        _puffs(d, k, [(12.2, 12.6, core)], mid)
        for n in range((6, 10, 12)[i]):
            a = r.uniform(0, 2 * math.pi)
            dist = r.uniform(spread * 0.5, spread)
            x, y = 12.5 + math.cos(a) * dist, 13 + math.sin(a) * dist
            size = r.uniform(0.8, 1.8) * (1.2 if i == 1 else 1)
            d.line((12.5 * k, 13 * k, x * k, y * k), fill=mid, width=max(1, int(size * k * 0.7)))
            _puffs(d, k, [(x, y, size)], mid if i < 2 else dark)
        if i == 2:                               # drips running down
            for x in (9, 13.5, 16):
                d.line((x * k, 15 * k, x * k, (20 + r.uniform(0, 3)) * k), fill=dark, width=int(1.4 * k))
        _puffs(d, k, [(11.2, 11.6, core * 0.35)], light)

    return supersampled((FRAME, FRAME), paint)


def _strip(frame_fn, seed):
    r = rng(seed)
    img = Image.new("RGBA", (FRAME * 3, FRAME), CLEAR)
    for i in range(3):
        img.alpha_composite(frame_fn(i, r), (FRAME * i, 0))
    return img


def smog():
    return _strip(_smog_frame, 201)


def blood():
    return _strip(_blood_frame, 202)

