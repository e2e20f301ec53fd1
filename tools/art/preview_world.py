#!/usr/bin/python3
"""Renders each shipped map whole, as the game would draw it, into a PNG:
terrain, the top item of each pile, scenery row by row, then the characters
standing and the player at the start.

    /usr/bin/python3 tools/art/preview_world.py [root] [out folder]"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from PIL import Image  # noqa: E402

from world_read import MapFiles, lines_of, start_position  # noqa: E402

KEY = (255, 0, 255)


def keyed(path):
    img = Image.open(path).convert("RGB")
    mask = Image.new("L", img.size, 0)
    src, dst = img.load(), mask.load()
    for y in range(img.size[1]):
        for x in range(img.size[0]):
            if src[x, y] != KEY:
                dst[x, y] = 255
    return img, mask


def render(root, name, margin=1):
    m = MapFiles(root, name)
    data = os.path.join(root, "data")
    strip = Image.open(os.path.join(m.folder, "fields.bmp")).convert("RGB")
    tile = [strip.crop((25 * i, 0, 25 * i + 25, 25)) for i in range(m.tile_count)]
    out = Image.new("RGB", (25 * (m.cols + 2 * margin), 25 * (m.rows + 2 * margin)))
    pile = {}
    for c, r, iid in m.items:
        pile[(c, r)] = iid  # later lines lie on top
    cache = {}

    def picture(path):
        if path not in cache:
            cache[path] = keyed(path)
        return cache[path]

    for r in range(-margin, m.rows + margin):
        for c in range(-margin, m.cols + margin):
            at = (25 * (c + margin), 25 * (r + margin))
            if not m.inside(c, r):
                out.paste(tile[-1], at)
                continue
            for k in range(m.tile_count - 1):
                if k < len(m.tile_codes) and m.tile_codes[k] == m.grid[r][c]:
                    out.paste(tile[k], at)
            if (c, r) in pile:
                img, mask = picture(os.path.join(data, "items", pile[(c, r)], pile[(c, r)] + ".bmp"))
                out.paste(img, at, mask)
    for r in range(m.rows):
        for c in range(m.cols):
            if m.scenery[r][c] >= 0:
                img, mask = picture(os.path.join(m.folder, m.types[m.scenery[r][c]][0] + ".bmp"))
                out.paste(img, (25 * (c + margin), 25 * (r + margin)), mask)
    people = [(c, r, cid) for c, r, cid in m.npcs]
    start, sc, sr = start_position(root)
    if start == name:
        people.append((sc, sr, "Gracz"))
    for c, r, cid in sorted(people, key=lambda p: p[1]):
        img, mask = picture(os.path.join(data, "characters", cid, cid + ".bmp"))
        frame = (0, 0, 25, 40)
        out.paste(img.crop(frame), (25 * (c + margin), 25 * (r + margin) - 15), mask.crop(frame))
    return out


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else "."
    folder = sys.argv[2] if len(sys.argv) > 2 else "/tmp"
    for name in lines_of(os.path.join(root, "data", "maps.dat")):
        if name:
            path = os.path.join(folder, "preview_%s.png" % name)
            render(root, name).save(path)
            print(path)


if __name__ == "__main__":
    main()
