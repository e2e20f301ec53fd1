#!/usr/bin/python3
"""Draws the shipped world: the three maps, the characters, the items and the
missiles, with their definition files, the conversations and the quests. Run from the repository root:

    /usr/bin/python3 tools/art/draw_world.py [root]

It needs a built rpg-check: $RPG_CHECK, or the newest of build/rpg-check and
build-release/rpg-check. When the world is written it runs rpg-check over it,
then check_world.py, and draws the picture of each map into docs/.

Everything it writes is generated; edit the drawing code, not the output."""
import os
import subprocess
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
from PIL import Image  # noqa: E402

MAPS = ("village", "forest", "crypt")


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
    assert tuple(p.name for p in plans) == MAPS
    for plan in plans:
        plan.write(root)
    write_text(os.path.join(root, "data", "maps.dat"), "".join(p.name + "\n" for p in plans))
    c, r = world_village.START
    write_text(os.path.join(root, "data", "maps", "start.dat"), "village %d %d\n" % (c, r))


def checker(root):
    """The rpg-check to run; stops here when there is none."""
    named = os.environ.get("RPG_CHECK")
    if named:
        if not os.access(named, os.X_OK):
            sys.exit("RPG_CHECK=%s is not a program" % named)
        return os.path.abspath(named)
    built = [path for path in (os.path.join(root, folder, "rpg-check") for folder in ("build", "build-release"))
             if os.access(path, os.X_OK)]
    if not built:
        sys.exit("no rpg-check built: run cmake -S . -B build && cmake --build build --target rpg-check "
                 "(or set RPG_CHECK to one), then run this again")
    return os.path.abspath(max(built, key=os.path.getmtime))


def check(root, rpg_check):
    """rpg-check must find nothing at all, not even a warning."""
    found = subprocess.run([rpg_check, "data"], cwd=root, capture_output=True, text=True)
    if found.returncode != 0 or found.stdout or found.stderr:
        sys.stdout.write(found.stdout + found.stderr)
        sys.exit("rpg-check (%s) finds the world written under %s wrong" % (rpg_check, os.path.join(root, "data")))
    design = subprocess.run([sys.executable, os.path.join(os.path.dirname(os.path.abspath(__file__)), "check_world.py"),
                             root])
    if design.returncode != 0:
        sys.exit("check_world.py finds the world written under %s wrong" % os.path.join(root, "data"))


def pictures(root, rpg_check):
    """docs/map-<name>.png: each map as rpg-check --picture draws it."""
    for name in MAPS:
        drawn = os.path.join(root, "docs", "map-%s.bmp" % name)
        subprocess.run([rpg_check, "--picture", name, drawn, "data"], cwd=root, check=True)
        Image.open(drawn).convert("RGB").quantize(256).save(os.path.join(root, "docs", "map-%s.png" % name),
                                                            optimize=True)
        os.remove(drawn)


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else "."
    if not os.path.isdir(os.path.join(root, "data")):
        sys.exit("run from the repository root (no data/ folder here)")
    rpg_check = checker(root)
    characters(root)
    items(root)
    maps(root)
    world_quests.write(root, write_text)
    print("world written under", os.path.join(root, "data"))
    check(root, rpg_check)
    pictures(root, rpg_check)
    print("checked with %s; pictures of the maps in %s" % (rpg_check, os.path.join(root, "docs")))


if __name__ == "__main__":
    main()
