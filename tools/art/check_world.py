#!/usr/bin/python3
"""Checks the shipped world under data/ the way the game will read it.

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
SLOTS = {"armor": "armor", "helmet": "helmet", "ring1": "ring", "ring2": "ring",
         "necklace": "necklace", "boots": "boots"}
HAND_TYPES = ("onehanded", "twohanded", "bow", "crossbow", "arrow", "carrow", "dmgRune")
MAGENTA = (255, 0, 255)
MP_PER_WILLPOWER = 16  # the game's maxMP for each point of willpower
LEVEL_3 = 3000  # 250 x (level + 1) x (level + 2) for level 2


class Checker:
    def __init__(self, root):
        self.root = root
        self.problems = []
        self.data = os.path.join(root, "data")
        self.known = {}  # item id -> its keys, each item checked once

    def expect(self, ok, message):
        if not ok:
            self.problems.append(message)
        return ok

    def bitmap(self, path, size=None, near=None):
        if not self.expect(os.path.isfile(path), "missing bitmap %s" % path):
            return None
        with open(path, "rb") as f:
            head = f.read(30)
        self.expect(head[:2] == b"BM" and int.from_bytes(head[28:30], "little") == 24,
                    "%s is not a 24-bit BMP" % path)
        img = Image.open(path).convert("RGB")
        if size:
            self.expect(img.size == size, "%s is %dx%d, wants %dx%d" % ((path,) + img.size + size))
        if near:
            self.expect(abs(img.size[0] - near[0]) <= 3 and abs(img.size[1] - near[1]) <= 3,
                        "%s is %dx%d, wants about %dx%d" % ((path,) + img.size + near))
        return img

    # items and characters
    def item(self, iid):
        if iid not in self.known:
            self.known[iid] = self._item(iid)
        return self.known[iid]

    def _item(self, iid):
        folder = os.path.join(self.data, "items", iid)
        if not self.expect(os.path.isfile(os.path.join(folder, "data.ini")), "item %s has no data.ini" % iid):
            return None
        self.bitmap(os.path.join(folder, iid + ".bmp"), near=(25, 25))
        keys = dict(ini_keys(os.path.join(folder, "data.ini")))
        # no type at all is a thing to carry and hand over; a wrong one is a typo
        self.expect(keys.get("type", TYPES[0]) in TYPES, "item %s has an unknown type" % iid)
        self.expect(keys.get("name"), "item %s has no name" % iid)
        if "missileName" in keys:
            self.expect(os.path.isfile(os.path.join(self.data, "missiles", keys["missileName"] + ".bmp")),
                        "item %s: missile %s missing" % (iid, keys["missileName"]))
        if keys.get("type") in ("bow", "crossbow", "dmgRune"):
            self.expect("missileName" in keys, "item %s shoots but names no missile" % iid)
        if keys.get("type") in ("arrow", "carrow"):
            self.expect((number(keys.get("amount", "")) or 0) > 0, "item %s: no amount" % iid)
        return keys

    def character(self, cid, player=False):
        folder = os.path.join(self.data, "characters", cid)
        self.bitmap(os.path.join(folder, cid + ".bmp"), size=(103, 81))
        if player:
            return {}
        self.bitmap(os.path.join(folder, "dead.bmp"), near=(25, 25))
        path = os.path.join(folder, "data.ini")
        if not self.expect(os.path.isfile(path), "character %s has no data.ini" % cid):
            return {}
        keys, inventory, hands = {}, [], {}
        lines = lines_of(path)
        for n, (key, value) in enumerate(ini_keys(path)):
            if key == "[Inventory]":
                inventory = lines[n + 1:]
                break
            keys[key] = value
        for slot, wanted in SLOTS.items():
            if keys.get(slot, "0") != "0":
                got = (self.item(keys[slot]) or {}).get("type")
                self.expect(got == wanted, "%s wears %s as %s" % (cid, keys[slot], slot))
        for hand in ("leftHand", "rightHand"):
            if keys.get(hand, "0") != "0":
                hands[hand] = (self.item(keys[hand]) or {}).get("type")
                self.expect(hands[hand] in HAND_TYPES, "%s cannot hold %s" % (cid, keys[hand]))
        kinds = set(hands.values())
        for weapon, ammo in (("bow", "arrow"), ("crossbow", "carrow")):
            if weapon in kinds:
                self.expect(ammo in kinds, "%s holds a %s without %s" % (cid, weapon, ammo))
        for hand, kind in hands.items():
            if kind == "dmgRune":  # a caster who cannot cast once is a bug, not a weak foe
                cost = number((self.item(keys[hand]) or {}).get("MP", "0")) or 0
                mp = MP_PER_WILLPOWER * (number(keys.get("willpower", "5")) or 0)
                self.expect(mp >= cost, "%s has %d MP, %s costs %d a cast" % (cid, mp, keys[hand], cost))
        for iid in inventory:
            self.item(iid)
        self.expect(number(keys.get("dexterity", "5")) != 0, "%s has dexterity 0" % cid)
        self.expect("name" in keys, "%s has no name" % cid)
        keys["_inventory"] = inventory
        return keys

    # maps
    def map(self, name, maps):
        m = maps[name]
        self.expect(m.rows >= 30 and m.cols >= 40, "%s is only %dx%d" % (name, m.cols, m.rows))
        for r, text in enumerate(m.rows_text):
            self.expect(len(text) == m.cols, "%s row %d has %d fields, not %d" % (name, r, len(text), m.cols))
        strip = self.bitmap(os.path.join(m.folder, "fields.bmp"), size=(25 * (m.tile_count or 0), 25))
        self.expect(len(m.tile_codes) == (m.tile_count or 0) - 1, "%s: %d tile codes for %s tiles" % (name, len(m.tile_codes), m.tile_count))
        self.expect(len(set(m.tile_codes)) == len(m.tile_codes), "%s: tile codes repeat" % name)
        self.expect("*" in m.tile_codes and "*" not in m.blocking, "%s: travel fields need a tile and must not block" % name)
        if strip:
            self.expect(MAGENTA not in [c for _, c in strip.getcolors(1 << 16) or []], "%s: key colour in the tiles" % name)
        used = {ch for row in m.grid for ch in row}
        self.expect(used <= set(m.tile_codes), "%s: codes without a tile: %s" % (name, sorted(used - set(m.tile_codes))))
        for index, (tname, w, h) in enumerate(m.types):
            self.bitmap(os.path.join(m.folder, tname + ".bmp"), size=(25 * w, 25 * h))
        for c, r, text in m.moves + m.npcs + m.items:
            self.expect(m.inside(c, r), "%s: entry %d:%d|%s is off the grid" % (name, c, r, text))
        targets = {(c, r): text for c, r, text in m.moves}
        for r in range(m.rows):
            for c in range(m.cols):
                if m.grid[r][c] == "*":
                    self.expect((c, r) in targets, "%s: travel field %d:%d leads nowhere" % (name, c, r))
        for (c, r), text in targets.items():
            self.expect(m.grid[r][c] == "*", "%s: moves entry %d:%d is not a travel field" % (name, c, r))
            target, _, where = text.partition("|")
            x, y = pair(where)
            if not self.expect(target in maps, "%s: %d:%d leads to unknown map %s" % (name, c, r, target)):
                continue
            t = maps[target]
            occupied = {(a, b) for a, b, _ in t.npcs}
            self.expect(t.can_enter(x, y, occupied) == 0, "%s: arrival %s %d:%d is not free" % (name, target, x, y))
            beside = [(x + dx, y + dy) for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))
                      if t.inside(x + dx, y + dy) and t.grid[y + dy][x + dx] == "*"]
            if self.expect(beside, "%s: arrival %s %d:%d is not next to a travel field" % (name, target, x, y)):
                self.expect(any(m_text(t, a, b).partition("|")[0] == name for a, b in beside),
                            "%s: no way back from %s %d:%d" % (name, target, x, y))
        seen = set()
        for c, r, cid in m.npcs:
            self.expect(m.can_enter(c, r) == 0, "%s: %s stands on a closed field %d:%d" % (name, cid, c, r))
            self.expect((c, r) not in seen, "%s: two characters on %d:%d" % (name, c, r))
            seen.add((c, r))
        for c, r, iid in m.items:
            self.expect(m.can_enter(c, r) == 0, "%s: %s lies on a closed field %d:%d" % (name, iid, c, r))

    def reachable(self, maps, start):
        """Walks from the start through every travel field; peaceful people block."""
        def blockers(m):
            out = set()
            for c, r, cid in m.npcs:
                keys = dict(ini_keys(os.path.join(self.data, "characters", cid, "data.ini")))
                if number(keys.get("agression", "1")) == 0:
                    out.add((c, r))
            return out
        closed = {name: blockers(m) for name, m in maps.items()}
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
                ids += keys.get("_inventory", []) + [keys[k] for k in WORN if keys.get(k, "0") != "0"]
    found = {(ck.item(iid) or {}).get("type") for iid in ids}
    for kind in TYPES:
        ck.expect(kind in found, "no %s item lies on the ground or on a hostile creature" % kind)


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else "."
    ck = Checker(root)
    names = [n for n in lines_of(os.path.join(ck.data, "maps.dat")) if n]
    folders = sorted(d for d in os.listdir(os.path.join(ck.data, "maps")) if os.path.isdir(os.path.join(ck.data, "maps", d)))
    ck.expect(sorted(names) == folders, "maps.dat lists %s, folders are %s" % (names, folders))
    maps = {n: MapFiles(root, n) for n in names}
    characters = {cid for m in maps.values() for _, _, cid in m.npcs}
    definitions = {cid: ck.character(cid) for cid in sorted(characters)}
    ck.character("Gracz", player=True)
    talk = Talk(ck, definitions, maps)
    talk.quest_files()
    tallest = max([talk.script(cid) for cid in definitions] or [0])
    for iid in sorted({iid for m in maps.values() for _, _, iid in m.items}):
        ck.item(iid)
    for missile in os.listdir(os.path.join(ck.data, "missiles")):
        ck.bitmap(os.path.join(ck.data, "missiles", missile), size=(100, 25))
    for name in names:
        ck.map(name, maps)
    start, c, r = start_position(root)
    if ck.expect(start in maps, "start map %s unknown" % start):
        occupied = {(a, b) for a, b, _ in maps[start].npcs}
        ck.expect(maps[start].can_enter(c, r, occupied) == 0, "start %s %d:%d is not free" % (start, c, r))
        seen = ck.reachable(maps, (start, c, r))
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
