#!/usr/bin/env python3
"""Compose screens from the generated bitmaps the way the game blits them, with sample values
printed at the game's text positions, to check the art by eye.

    python3 tools/art/preview.py [output folder]     # default /tmp/ui-preview
"""
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import pil_check  # noqa: E402,F401  (before anything that needs Pillow)

from PIL import Image, ImageDraw  # noqa: E402

import layout as L  # noqa: E402
from artlib import MAGENTA, ROOT, WHITE, font  # noqa: E402

DATA = ROOT / "data"
YELLOW, CYAN, AMOUNT = (255, 255, 0), (0, 200, 200), (255, 255, 255)


def load(path, key):
    img = Image.open(path).convert("RGBA")
    px = img.load()
    for y in range(img.height):
        for x in range(img.width):
            if px[x, y][:3] == key:
                px[x, y] = (0, 0, 0, 0)
    return img


def gui(name):
    return load(DATA / "GUI" / f"{name}.bmp", WHITE)


def blit(screen, img, xy, rect=None):
    if rect:
        x, y, w, h = rect
        img = img.crop((x, y, x + w, y + h))
    screen.alpha_composite(img, xy)


def text(screen, xy, s, size=11, colour=YELLOW):
    d = ImageDraw.Draw(screen)
    d.fontmode = "1"            # the game renders solid, unsmoothed text
    d.text(xy, s, font=font(size), fill=colour)


def sample_icon(colour):
    img = Image.new("RGBA", (25, 25), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    d.ellipse((7, 8, 18, 22), fill=colour, outline=(20, 20, 20))
    d.rectangle((10, 3, 15, 9), fill=(150, 110, 70), outline=(20, 20, 20))
    return img


def world():
    img = Image.new("RGBA", L.SCREEN, (60, 110, 50, 255))
    d = ImageDraw.Draw(img)
    for y in range(0, 600, 25):
        for x in range(0, 800, 25):
            if (x // 25 * 7 + y // 25 * 3) % 5 == 0:
                d.rectangle((x, y, x + 24, y + 24), fill=(70, 124, 58))
    return img


def menu_screens(out):
    menu_lines = (DATA / "menu" / "menu.dat").read_text().split("\n")
    for in_game in (False, True):
        screen = load(DATA / "menu" / "menubk.bmp", MAGENTA)
        shown = range(5) if in_game else (1, 3, 4)
        for i in shown:
            x, y, w, h, name = menu_lines[i].split()
            x, y, w, h = int(x), int(y), int(w), int(h)
            frame = {3: 1, 4: 2}.get(i, 0)          # load hovered, quit pressed
            blit(screen, load(DATA / "menu" / f"{name}.bmp", MAGENTA), (x, y), (0, frame * h, w, h))
        screen.save(out / ("menu_ingame.png" if in_game else "menu_main.png"))

    lines = (DATA / "menu" / "slmenu.dat").read_text().split("\n")
    lx, ly, lw, lh, lname = lines[0].split()
    lx, ly, lw, lh = int(lx), int(ly), int(lw), int(lh)
    for save_mode in (True, False):
        screen = load(DATA / "menu" / "loadsavebk.bmp", MAGENTA)
        blit(screen, load(DATA / "menu" / f"{lname}.bmp", MAGENTA), (lx, ly))
        shown = (0, 2, 3) if save_mode else (1, 2)
        for i in shown:
            x, y, w, h, name = lines[1 + i].split()
            x, y, w, h = int(x), int(y), int(w), int(h)
            blit(screen, load(DATA / "menu" / f"{name}.bmp", MAGENTA), (x, y), (0, (i == 2) * h, w, h))
        arrows = load(DATA / "menu" / "arrows.bmp", MAGENTA)
        blit(screen, arrows, (lx + lw - 24, ly + 6), (0, 0, 18, 10))
        blit(screen, arrows, (lx + lw - 24, ly + lh - 15), (0, 11, 18, 10))
        entries = (["... "] if save_mode else []) + [f" {h}:{m}     {d} Mar 2026" for h, m, d in
                                                     ((11, 5, 7), (9, 42, 6), (23, 0, 5))] * 6
        for r in range(min(len(entries), lh // 21)):
            text(screen, (lx + 20, ly + 5 + 20 * r), entries[r], 16, CYAN if r == 2 else YELLOW)
        screen.save(out / ("save_screen.png" if save_mode else "load_screen.png"))


def bottom_bar(screen, icon):
    empty, full = gui("emptyStripes"), gui("fullStripes")
    blit(screen, empty, L.HP_BAR_AT, (0, 0, 200, 20))
    blit(screen, full, L.HP_FILL_AT, (0, 0, int(0.7 * 198), 16))
    blit(screen, empty, L.MP_BAR_AT, (0, 20, 200, 20))
    blit(screen, full, L.MP_FILL_AT, (0, 18, 198, 16))
    for i, (left, right) in enumerate(zip(L.QUICK_LEFT, L.QUICK_RIGHT)):
        blit(screen, gui("field"), left)
        blit(screen, gui("field"), right)
        if i in (0, 2):
            blit(screen, icon, (left[0] + 2, left[1] + 2))


def stats(screen):
    blit(screen, gui("panelStats"), L.PANELS["panelStats"][0])
    values = ["12", "15320", "18000", "85 / 120", "40 / 64", "18", "14", "16", "9", "11", "7",
              "34", "12", "27", "9", "15 %", "42", "8", "25", "3"]
    rows = L.STATS_TOP + L.STATS_POOLS + L.STATS_ATTRIBUTES + L.STATS_COMBAT + L.STATS_SKILLS
    for (_, x, y), v in zip(rows, values):
        text(screen, (x, y), v)
    blit(screen, gui("panelPSPA"), L.PANELS["panelPSPA"][0])
    for (_, x, y), v in zip(L.PSPA_VALUES, ("3", "12")):
        text(screen, (x, y), v)
    adds = gui("adds")
    for i, xy in enumerate(L.PLUS_ATTRIBUTES):
        blit(screen, adds, xy, (0, 10 if i == 1 else 0, 9, 9))
    for xy in L.PLUS_SKILLS:
        blit(screen, adds, xy, (0, 0, 9, 9))


def npc_panel(screen):
    blit(screen, gui("NPCPanel"), L.PANELS["NPCPanel"][0])
    sprite = Image.new("RGBA", (25, 40), (0, 0, 0, 0))
    ImageDraw.Draw(sprite).ellipse((5, 2, 19, 16), fill=(230, 190, 150))
    ImageDraw.Draw(sprite).rectangle((4, 16, 20, 39), fill=(120, 40, 40))
    blit(screen, sprite, L.NPC_SPRITE_AT)
    stripes = gui("NPCStripesPanel")
    blit(screen, stripes, L.NPC_STRIPES_AT[0], (0, 0, 42, 4))
    blit(screen, stripes, L.NPC_STRIPES_AT[1], (0, 5, 60, 4))
    text(screen, L.NPC_NAME_AT, "Bandit")
    for xy, name in zip(L.NPC_ICONS_AT, ("mAttack", "mSearch", "mPickUp", "mTalk")):
        blit(screen, gui(name), xy)


def hud_screen(out):
    screen = world()
    icon = sample_icon((200, 30, 30))
    bottom_bar(screen, icon)
    stats(screen)
    npc_panel(screen)
    blit(screen, gui("mTrade"), (705, 400))
    screen.save(out / "hud.png")


def inventory_screen(out):
    screen = world()
    icon = sample_icon((40, 60, 210))
    blit(screen, gui("panelIventChar"), L.PANELS["panelIventChar"][0])
    blit(screen, gui("panelIventory"), L.PANELS["panelIventory"][0])
    for slot in ("helmet", "ring2", "leftHand"):
        blit(screen, icon, L.EQUIPMENT_SLOTS[slot])
    for r, row in enumerate(L.INVENTORY_CELLS):
        for c, xy in enumerate(row):
            if r * 11 + c < 30:
                blit(screen, icon, xy)
    text(screen, L.INVENTORY_CELLS[0][1], "250", colour=AMOUNT)
    arrows = gui("arrows")
    blit(screen, arrows, L.INVENTORY_ARROWS[0], (0, 0, 18, 10))
    blit(screen, arrows, L.INVENTORY_ARROWS[1], (0, 11, 18, 10))
    blit(screen, gui("enemyInventory"), L.PANELS["enemyInventory"][0])
    for r, row in enumerate(L.SEARCH_CELLS):
        for c, xy in enumerate(row):
            if r * 6 + c < 9:
                blit(screen, icon, xy)
    blit(screen, arrows, L.SEARCH_ARROWS[1], (0, 11, 18, 10))
    pos, rect = L.SEARCH_BUTTONS["takeAll"]
    blit(screen, gui("enemyButtons"), pos, rect)
    bottom_bar(screen, icon)
    screen.save(out / "inventory.png")

    # Every search button pressed at once, to check that the overlays line up.
    screen = world()
    blit(screen, gui("enemyInventory"), L.PANELS["enemyInventory"][0])
    for pos, rect in L.SEARCH_BUTTONS.values():
        blit(screen, gui("enemyButtons"), pos, rect)
    screen.crop((290, 280, 600, 475)).resize((620, 390), Image.NEAREST).save(out / "search_pressed.png")


def text_screens(out):
    screen = world()
    blit(screen, gui("questPanel"), L.PANELS["questPanel"][0])
    for i, xy in enumerate(L.QUEST_ROWS):
        text(screen, xy, f"{i + 1}. The lost ring of the miller's daughter", 12, CYAN if i == 1 else YELLOW)
    for xy in L.QUEST_DESCRIPTION:
        text(screen, xy, "The miller says his daughter lost her ring by the old well near the", 12)
    arrows = gui("arrows")
    for xy, up in zip(L.QUEST_ARROWS, (True, False, True, False)):
        blit(screen, arrows, xy, (0, 0 if up else 11, 18, 10))
    screen.save(out / "quest_log.png")

    screen = world()
    blit(screen, gui("textPanel"), L.PANELS["textPanel"][0])
    for i, xy in enumerate(L.DIALOGUE_LINES):
        line = "Well met, traveller. The road to the vale is not safe these days, they say."
        text(screen, xy, line if i < 4 else f"{i - 3}. Tell me more about the road.", 11,
             YELLOW if i < 4 else CYAN)
    blit(screen, arrows, L.DIALOGUE_ARROWS[0], (0, 0, 18, 10))
    blit(screen, arrows, L.DIALOGUE_ARROWS[1], (0, 11, 18, 10))
    screen.save(out / "dialogue.png")


def effects(out):
    strip = Image.new("RGBA", (75, 60), (60, 110, 50, 255))
    strip.alpha_composite(load(DATA / "smog.bmp", MAGENTA), (0, 5))
    strip.alpha_composite(load(DATA / "blood.bmp", MAGENTA), (0, 32))
    strip.resize((75 * 6, 60 * 6), Image.NEAREST).save(out / "effects.png")


def main():
    out = Path(sys.argv[1] if len(sys.argv) > 1 else "/tmp/ui-preview")
    out.mkdir(parents=True, exist_ok=True)
    menu_screens(out)
    hud_screen(out)
    inventory_screen(out)
    text_screens(out)
    effects(out)
    print(out)


if __name__ == "__main__":
    main()
