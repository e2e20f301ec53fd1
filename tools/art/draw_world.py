#!/usr/bin/python3
"""Draws the shipped world: the three maps, the characters, the items and the
missiles, with their definition files, the conversations and the quests. Run from the repository root:

    /usr/bin/python3 tools/art/draw_world.py [root]

Everything it writes is generated; edit the drawing code, not the output."""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import world_cast as cast  # noqa: E402
import world_crypt  # noqa: E402
import world_forest  # noqa: E402
import world_goods as goods  # noqa: E402
import world_items  # noqa: E402
import world_missiles  # noqa: E402
import world_quests  # noqa: E402
import world_talk  # noqa: E402
import world_village  # noqa: E402
from world_common import save_bmp  # noqa: E402


def write_text(path, text):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", newline="\n") as f:
        f.write(text)


def characters(root):
    for cid in cast.ALL:
        folder = os.path.join(root, "data", "characters", cid)
        save_bmp(cast.sprite_sheet(cid), os.path.join(folder, cid + ".bmp"))
        if cid in cast.DEFINITIONS:
            save_bmp(cast.corpse(cid), os.path.join(folder, "dead.bmp"))
            write_text(os.path.join(folder, "data.ini"), cast.DEFINITIONS[cid] + "\n")
        if cid in world_talk.SCRIPTS:
            write_text(os.path.join(folder, cid + ".dg"), "\n".join(world_talk.SCRIPTS[cid]) + "\n")


def items(root):
    for iid, lines in goods.ITEMS.items():
        folder = os.path.join(root, "data", "items", iid)
        save_bmp(world_items.item_picture(iid), os.path.join(folder, iid + ".bmp"))
        write_text(os.path.join(folder, "data.ini"), "\n".join(lines) + "\n")
    for name in goods.MISSILES:
        save_bmp(world_missiles.missile_strip(name), os.path.join(root, "data", "missiles", name + ".bmp"))


def maps(root):
    plans = [world_village.build(), world_forest.build(), world_crypt.build()]
    for plan in plans:
        plan.write(root)
    write_text(os.path.join(root, "data", "maps.dat"), "".join(p.name + "\n" for p in plans))
    c, r = world_village.START
    write_text(os.path.join(root, "data", "maps", "start.dat"), "village %d %d\n" % (c, r))


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else "."
    if not os.path.isdir(os.path.join(root, "data")):
        sys.exit("run from the repository root (no data/ folder here)")
    characters(root)
    items(root)
    maps(root)
    world_quests.write(root, write_text)
    print("world written under", os.path.join(root, "data"))


if __name__ == "__main__":
    main()
