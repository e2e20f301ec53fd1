"""Layout of the main menu and the load/save screen, written out as menu.dat and slmenu.dat.

Lines of menu.dat are the buttons resume, new game, save, load, quit, in that order. On screen
the column reads resume, save, new game, load, quit: the main menu shows only new game, load and
quit, and this way they stay together at the bottom of the column without holes between them.
"""

TITLE = "Tales of the Vale"

MENU_BUTTON_SIZE = (220, 46)
_COLUMN_X = (800 - MENU_BUTTON_SIZE[0]) // 2
_ROW = [214 + 56 * i for i in range(5)]

# (file line order) name, label, screen position
MENU_BUTTONS = [
    ("resume", "Resume", (_COLUMN_X, _ROW[0])),
    ("newgame", "New game", (_COLUMN_X, _ROW[2])),
    ("save", "Save", (_COLUMN_X, _ROW[1])),
    ("load", "Load", (_COLUMN_X, _ROW[3])),
    ("quit", "Quit", (_COLUMN_X, _ROW[4])),
]

# Load/save screen: list box, then the buttons save, load, back, delete. Save is shown only
# when saving and load only when loading, so the two share the first place of the row.
LIST_BOX = ("savelist", (140, 112), (520, 320))      # 320 / 21 = 15 visible lines
LIST_BUTTON_SIZE = (150, 42)
_ROW_Y = 452
LIST_BUTTONS = [
    ("slsave", "Save", (140, _ROW_Y)),
    ("slload", "Load", (140, _ROW_Y)),
    ("slback", "Back", (510, _ROW_Y)),
    ("sldelete", "Delete", (325, _ROW_Y)),
]


def menu_dat():
    w, h = MENU_BUTTON_SIZE
    return "".join(f"{x} {y} {w} {h} {name}\n" for name, _, (x, y) in MENU_BUTTONS)


def slmenu_dat():
    name, (x, y), (w, h) = LIST_BOX
    lines = [f"{x} {y} {w} {h} {name}\n"]
    bw, bh = LIST_BUTTON_SIZE
    lines += [f"{bx} {by} {bw} {bh} {n}\n" for n, _, (bx, by) in LIST_BUTTONS]
    return "".join(lines)
