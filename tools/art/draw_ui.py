#!/usr/bin/env python3
"""Draw the menu and interface bitmaps and the menu layout files into data/.

    python3 tools/art/draw_ui.py            # from the repository root

Output is deterministic: every picture uses a fixed random seed.
"""
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import pil_check  # noqa: E402,F401  (before anything that needs Pillow)

import effects_art  # noqa: E402
import gui_hud  # noqa: E402
import gui_panels  # noqa: E402
import menu_art  # noqa: E402
import menu_layout as M  # noqa: E402
from artlib import MAGENTA, ROOT, WHITE, save_bmp  # noqa: E402

DATA = ROOT / "data"


def menu_files():
    out = DATA / "menu"
    yield save_bmp(menu_art.title_background(), out / "menubk.bmp", MAGENTA)
    yield save_bmp(menu_art.load_save_background(), out / "loadsavebk.bmp", MAGENTA)
    yield save_bmp(gui_hud.arrows(), out / "arrows.bmp", MAGENTA)
    for name, label, _ in M.MENU_BUTTONS:
        yield save_bmp(menu_art.menu_button(label, M.MENU_BUTTON_SIZE, 24), out / f"{name}.bmp", MAGENTA)
    yield save_bmp(menu_art.list_box(), out / f"{M.LIST_BOX[0]}.bmp", MAGENTA)
    for name, label, _ in M.LIST_BUTTONS:
        yield save_bmp(menu_art.menu_button(label, M.LIST_BUTTON_SIZE, 20), out / f"{name}.bmp", MAGENTA)
    for name, text in (("menu.dat", M.menu_dat()), ("slmenu.dat", M.slmenu_dat())):
        path = out / name
        path.write_text(text, newline="\n")
        yield path


def gui_files():
    pictures = {
        "adds": gui_hud.plus_buttons(),
        "emptyStripes": gui_hud.empty_stripes(),
        "fullStripes": gui_hud.full_stripes(),
        "field": gui_hud.field(),
        "NPCPanel": gui_hud.npc_panel(),
        "NPCStripesPanel": gui_hud.npc_stripes(),
        "arrows": gui_hud.arrows(),
        "panelStats": gui_panels.stats_panel(),
        "panelPSPA": gui_panels.points_box(),
        "panelIventChar": gui_panels.equipment_panel(),
        "panelIventory": gui_panels.inventory_panel(),
        "enemyInventory": gui_panels.search_window(),
        "enemyButtons": gui_panels.search_buttons_pressed(),
        "textPanel": gui_panels.dialogue_panel(),
        "questPanel": gui_panels.quest_panel(),
    }
    for name in gui_hud.ACTIONS:
        pictures[name] = gui_hud.action_icon(name)
    for name, img in pictures.items():
        yield save_bmp(img, DATA / "GUI" / f"{name}.bmp", WHITE)


def effect_files():
    yield save_bmp(effects_art.smog(), DATA / "smog.bmp", MAGENTA)
    yield save_bmp(effects_art.blood(), DATA / "blood.bmp", MAGENTA)


def main():
    for group in (menu_files, gui_files, effect_files):
        for path in group():
            print(path.relative_to(ROOT))


if __name__ == "__main__":
    main()
