#!/usr/bin/python3
"""Checks the design of the shipped world under data/: what rpg-check, which
holds any world to the rules of the game, does not know the shipped one
should be. Sizes of the maps, the way in beside the way back, everything
reachable on foot from the start, every item type to be had, enough
experience for level 3, and the drawing conventions of the generator.

    /usr/bin/python3 tools/art/check_world.py [root]

Prints every problem found and exits with 1 if there was any."""
import os
import sys
from collections import deque

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from PIL import Image  # noqa: E402

from check_talk import WORN, Talk  # noqa: E402
from world_read import MapFiles, ini_keys, lines_of, number, pair, start_position  # noqa: E402

TYPES = ("onehanded", "twohanded", "bow", "crossbow", "mixtureHP", "mixtureMP", "armor", "helmet",
         "necklace", "ring", "boots", "arrow", "carrow", "healRune", "dmgRune")
MAGENTA = (255, 0, 255)
LEVEL_3 = 3000  # 250 x (level + 1) x (level + 2) for level 2


class Checker:
    def __init__(self, root):
        self.root = root
        self.problems = []
        self.data = os.path.join(root, "data")
        self.known = {}  # item id -> its keys

    def expect(self, ok, message):
        if not ok:
            self.problems.append(message)
        return ok

    def depths(self):
        """The generator saves every bitmap as 24-bit BMP."""
        for folder, _, files in os.walk(self.data):
            for name in sorted(f for f in files if f.endswith(".bmp")):
                path = os.path.join(folder, name)
                with open(path, "rb") as f:
                    head = f.read(30)
                self.expect(head[:2] == b"BM" and int.from_bytes(head[28:30], "little") == 24,
                            "%s is not a 24-bit BMP" % path)

    def item(self, iid):
        if iid not in self.known:
            self.known[iid] = dict(ini_keys(os.path.join(self.data, "items", iid, "data.ini")))
        return self.known[iid]

    def character(self, cid):
        path = os.path.join(self.data, "characters", cid, "data.ini")
        keys, lines = {}, lines_of(path)
        for n, (key, value) in enumerate(ini_keys(path)):
            if key == "[Inventory]":
                keys["_inventory"] = lines[n + 1:]
                break
            keys[key] = value
        self.expect(number(keys.get("dexterity", "5")) != 0, "%s has dexterity 0" % cid)
        self.expect("name" in keys, "%s has no name" % cid)
        keys.setdefault("_inventory", [])
        return keys

    # maps
    def map(self, name, maps):
        m = maps[name]
        self.expect(m.rows >= 30 and m.cols >= 40, "%s is only %dx%d" % (name, m.cols, m.rows))
        self.expect(len(set(m.tile_codes)) == len(m.tile_codes), "%s: tile codes repeat" % name)
        self.expect("*" in m.tile_codes and "*" not in m.blocking, "%s: travel fields need a tile and must not block" % name)
        strip = Image.open(os.path.join(m.folder, "fields.bmp")).convert("RGB")
        self.expect(MAGENTA not in [c for _, c in strip.getcolors(1 << 16) or []], "%s: key colour in the tiles" % name)
        for c, r, text in m.moves:
            target, _, where = text.partition("|")
            if target not in maps:
                continue
            x, y = pair(where)
            t = maps[target]
            beside = [(x + dx, y + dy) for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))
                      if t.inside(x + dx, y + dy) and t.grid[y + dy][x + dx] == "*"]
            self.expect(any(m_text(t, a, b).partition("|")[0] == name for a, b in beside),
                        "%s: %d:%d arrives at %s %d:%d, not beside the way back" % (name, c, r, target, x, y))

    def reachable(self, maps, start, definitions):
        """Walks from the start through every travel field; peaceful people block."""
        closed = {name: {(c, r) for c, r, cid in m.npcs
                         if number(definitions[cid].get("agression", "1")) == 0}
                  for name, m in maps.items()}
        seen, queue = {start}, deque([start])
        while queue:
            name, c, r = queue.popleft()
            m = maps[name]
            for dc, dr in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                step = m.can_enter(c + dc, r + dr, closed[name])
                nxt = (name, c + dc, r + dr)
                if step == -1:
                    target, _, where = m_text(m, c + dc, r + dr).partition("|")
                    nxt = (target,) + pair(where)
                elif step != 0:
                    continue
                if nxt not in seen and nxt[0] in maps:
                    seen.add(nxt)
                    queue.append(nxt)
        for name, m in maps.items():
            for c, r, iid in m.items:
                self.expect((name, c, r) in seen, "%s: %s at %d:%d cannot be reached" % (name, iid, c, r))
            for c, r, cid in m.npcs:
                self.expect(any((name, c + dc, r + dr) in seen for dc, dr in ((1, 0), (-1, 0), (0, 1), (0, -1))),
                            "%s: %s at %d:%d cannot be reached" % (name, cid, c, r))
        return seen


def m_text(m, c, r):
    return next((t for a, b, t in m.moves if (a, b) == (c, r)), "")


def obtainable_types(ck, maps, definitions):
    """Every kind of item lies somewhere or is carried by a creature to kill."""
    ids = [iid for m in maps.values() for _, _, iid in m.items]
    for m in maps.values():
        for _, _, cid in m.npcs:
            keys = definitions.get(cid, {})
            if number(keys.get("agression", "1")) != 0:
                ids += keys["_inventory"] + [keys[k] for k in WORN if keys.get(k, "0") != "0"]
    found = {ck.item(iid).get("type") for iid in ids}
    for kind in TYPES:
        ck.expect(kind in found, "no %s item lies on the ground or on a hostile creature" % kind)


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else "."
    ck = Checker(root)
    ck.depths()
    names = [n for n in lines_of(os.path.join(ck.data, "maps.dat")) if n]
    maps = {n: MapFiles(root, n) for n in names}
    characters = {cid for m in maps.values() for _, _, cid in m.npcs}
    definitions = {cid: ck.character(cid) for cid in sorted(characters)}
    talk = Talk(ck, definitions, maps)
    tallest = max([talk.script(cid) for cid in definitions] or [0])
    for name in names:
        ck.map(name, maps)
    start, c, r = start_position(root)
    seen = ck.reachable(maps, (start, c, r), definitions)
    print("start %s %d:%d; %d fields reachable" % (start, c, r, len(seen)))
    for m in maps.values():
        print("%s: %dx%d, %d tiles, %d scenery types, %d objects, %d moves, %d characters, %d items"
              % (m.name, m.cols, m.rows, m.tile_count, len(m.types), len(m.objects), len(m.moves), len(m.npcs), len(m.items)))
    obtainable_types(ck, maps, definitions)
    scripts = [cid for cid in definitions if os.path.isfile(os.path.join(ck.data, "characters", cid, cid + ".dg"))]
    kills = sum(number(definitions[cid].get("exp", "0")) or 0 for m in maps.values() for _, _, cid in m.npcs
                if number(definitions[cid].get("agression", "1")) != 0)
    paid = sum(talk.rewards.values())
    print("%d quests; scripts for %s, the tallest node %d of 19 lines"
          % (len(talk.quests), ", ".join(scripts), tallest))
    print("exp: the hostile give %d, the quests %d, %d in all (level 3 at %d)" % (kills, paid, kills + paid, LEVEL_3))
    ck.expect(kills + paid >= LEVEL_3, "a fresh player cannot reach level 3: %d exp in the world" % (kills + paid))
    for p in ck.problems:
        print("PROBLEM:", p)
    print("%d problem(s)" % len(ck.problems))
    sys.exit(1 if ck.problems else 0)


if __name__ == "__main__":
    main()
