"""Where the game blits each interface bitmap and prints its values (screen pixels, 800 x 600).

The art is drawn in each bitmap's own coordinates; `local` converts a screen point.
"""

SCREEN = (800, 600)

# Interface bitmaps: screen position and the size we draw them at. The panels with scroll
# arrows are a few pixels wider than the arrows strictly need, so the arrows sit inside the frame.
PANELS = {
    "panelStats": ((20, 290), (300, 210)),
    "panelPSPA": ((210, 308), (60, 35)),
    "panelIventChar": ((20, 10), (219, 160)),
    "panelIventory": ((239, 10), (392, 280)),
    "enemyInventory": ((300, 290), (294, 175)),
    "textPanel": ((160, 250), (450, 250)),
    "questPanel": ((200, 160), (450, 250)),
    "NPCPanel": ((695, 250), (100, 140)),
}


def local(panel, x, y):
    (px, py), _ = PANELS[panel]
    return x - px, y - py


# Bottom bar.
HP_BAR_AT, MP_BAR_AT = (20, 560), (580, 560)          # emptyStripes frames, 200 x 20
HP_FILL_AT, MP_FILL_AT = (22, 562), (582, 562)        # fullStripes, up to 198 x 16
BAR_FULL_WIDTH = 198
QUICK_LEFT = [(22 + 35 * i, 526) for i in range(5)]   # field.bmp, icon at +2, +2
QUICK_RIGHT = [(608 + 35 * i, 526) for i in range(5)]
FIELD_SIZE = (35, 34)

# Statistics panel: (label, screen x, screen y) of every printed value.
STATS_TOP = [("Level", 135, 303), ("Experience", 135, 316), ("Next level", 135, 331)]
STATS_POOLS = [("HP", 60, 353), ("MP", 60, 368)]
STATS_ATTRIBUTES = [(name, 110, 394 + 17 * i) for i, name in enumerate(
    ("Strength", "Dexterity", "Condition", "Intelligence", "Willpower", "Charisma"))]
STATS_COMBAT = [("Attack", 257, 348), ("Magic attack", 257, 363), ("Defense", 257, 378),
                ("Magic defense", 257, 393), ("Critical chance", 257, 408)]
STATS_SKILLS = [(name, 257, 431 + 15 * i) for i, name in enumerate(
    ("One-handed", "Two-handed", "Bow", "Crossbow"))]
PLUS_ATTRIBUTES = [(135, 399 + 17 * i) for i in range(6)]
PLUS_SKILLS = [(282, 435 + 15 * i) for i in range(4)]
PSPA_VALUES = [("Attr.", 235, 309), ("Skill", 235, 325)]

# Inventory and equipment.
EQUIPMENT_SLOTS = {
    "helmet": (89, 18), "necklace": (185, 18), "armor": (89, 49), "boots": (185, 49),
    "ring1": (89, 88), "ring2": (185, 88), "leftHand": (89, 126), "rightHand": (185, 126),
}
INVENTORY_CELLS = [[(246 + 33 * c, 17 + 33 * r) for c in range(11)] for r in range(8)]
INVENTORY_ARROWS = ((605, 14), (605, 266))

# Search window.
SEARCH_CELLS = [[(373 + 33 * c, 297 + 33 * r) for c in range(6)] for r in range(5)]
SEARCH_ARROWS = ((570, 295), (570, 447))
# name: (screen position, source rectangle in enemyButtons.bmp)
SEARCH_BUTTONS = {
    "remove": ((307, 434), (0, 0, 56, 13)),
    "takeAll": ((307, 397), (0, 14, 56, 30)),
    "up": ((328, 334), (0, 44, 15, 14)),
    "down": ((328, 367), (15, 44, 15, 14)),
    "left": ((312, 350), (0, 58, 14, 15)),
    "right": ((345, 350), (14, 58, 14, 15)),
}
ENEMY_BUTTONS_SIZE = (56, 73)

# Text panels.
DIALOGUE_LINES = [(172, 260 + 12 * i) for i in range(19)]
DIALOGUE_ARROWS = ((585, 256), (585, 483))
QUEST_ROWS = [(212, 164 + 14 * i) for i in range(6)]
QUEST_DESCRIPTION = [(212, 262 + 12 * i) for i in range(11)]
QUEST_ARROWS = ((625, 166), (625, 242), (625, 264), (625, 395))
WRAP_WIDTH = 405

# NPC panel.
NPC_SPRITE_AT = (702, 257)        # 25 x 40 standing frame
NPC_CORPSE_AT = (702, 272)        # 25 x 25 corpse or item icon
NPC_NAME_AT = (730, 253)
NPC_STRIPES_AT = ((730, 271), (730, 278))
NPC_ICONS_AT = [(705, 315 + 18 * k) for k in range(4)]
ICON_SIZE = (80, 16)
STRIPES_SIZE = (60, 9)

ARROWS_SIZE = (18, 21)            # up (0, 0, 18, 10), down (0, 11, 18, 10)
