"""The characters: how each one looks, its definition file and the sheets.

A sheet is two rows (standing, walking) of four 25 x 40 frames facing down,
up, right and left, one-pixel gutters, on the magenta key: 103 x 81."""
from PIL import Image

from world_beasts import person_corpse, skeleton_corpse, wolf_corpse, wolf_frame
from world_common import MAGENTA, flatten
from world_figures import frame

FACINGS = ("down", "up", "right", "left")

LOOKS = {
    "Gracz": dict(skin=(236, 188, 150), hair=(120, 70, 34), shirt=(52, 96, 196), sleeve=(44, 80, 170),
                  pants=(84, 70, 60), shoes=(96, 58, 30), belt=(120, 76, 36), cape=(184, 36, 40),
                  weapon="sword", shield=(178, 134, 52)),
    "villager": dict(skin=(230, 180, 140), hair=(214, 176, 90), shirt=(96, 140, 70), pants=(120, 92, 60),
                     shoes=(84, 56, 34)),
    "farmer": dict(skin=(214, 160, 120), hair=(90, 60, 40), shirt=(206, 190, 150), sleeve=(190, 172, 132),
                   pants=(70, 96, 150), shoes=(84, 56, 34), headgear="hat", headgear_colour=(222, 192, 100),
                   beard=(96, 66, 44)),
    "guard": dict(skin=(226, 176, 136), hair=(60, 44, 34), shirt=(150, 154, 164), pants=(70, 70, 84),
                  shoes=(60, 48, 40), headgear="helmet", headgear_colour=(170, 174, 186),
                  tabard=(40, 70, 160), weapon="spear", shield=(40, 70, 160)),
    "merchant": dict(skin=(236, 190, 156), hair=(150, 150, 156), shirt=(124, 58, 140), pants=(90, 50, 100),
                     shoes=(70, 44, 30), belt=(210, 170, 60), robe=True, beard=(196, 196, 200),
                     headgear="cap", headgear_colour=(200, 60, 60), hairstyle="bald"),
    "bandit": dict(skin=(214, 160, 120), hair=(50, 36, 30), shirt=(110, 90, 70), pants=(70, 56, 46),
                   shoes=(50, 40, 32), vest=(84, 56, 34), headgear="hood", headgear_colour=(62, 52, 48),
                   mask=(40, 36, 36), weapon="sword"),
    "banditarcher": dict(skin=(226, 170, 130), hair=(120, 50, 30), shirt=(86, 110, 60), pants=(74, 64, 48),
                         shoes=(60, 44, 30), vest=(100, 72, 44), headgear="hood", headgear_colour=(60, 90, 50),
                         weapon="bow"),
    "crossbowman": dict(skin=(222, 168, 128), hair=(70, 46, 32), shirt=(150, 54, 44), sleeve=(128, 46, 40),
                        pants=(64, 60, 66), shoes=(58, 42, 32), belt=(70, 48, 30), headgear="kettle",
                        headgear_colour=(158, 162, 172), coif=(118, 122, 132), beard=(74, 50, 36),
                        weapon="crossbow"),
    "mage": dict(skin=(222, 196, 176), hair=(200, 200, 206), shirt=(58, 44, 96), sleeve=(50, 38, 84),
                 pants=(44, 36, 60), shoes=(40, 32, 40), belt=(170, 40, 34), robe=True, trim=(206, 164, 64),
                 beard=(206, 206, 212), headgear="pointed", headgear_colour=(58, 44, 96),
                 band=(170, 40, 34), weapon="firestaff"),
    "skeleton": dict(skin=(226, 220, 196), hair=(226, 220, 196), shirt=(226, 220, 196), pants=(226, 220, 196),
                     shoes=(200, 194, 170), skeleton=True, hairstyle="bald", weapon="axe"),
    # the crypt: yellowed bones under a rotten hood, grey-green flesh in rags
    "skeletonarcher": dict(skin=(210, 200, 168), hair=(210, 200, 168), shirt=(210, 200, 168),
                           pants=(210, 200, 168), shoes=(184, 176, 146), skeleton=True, hairstyle="bald",
                           headgear="cowl", headgear_colour=(84, 70, 58), eyes=(130, 220, 250), weapon="bow"),
    "ghoul": dict(skin=(156, 172, 134), hair=(64, 70, 56), shirt=(104, 92, 76), sleeve=(146, 162, 126),
                  pants=(80, 70, 60), shoes=(126, 140, 108), belt=(70, 56, 40), hairstyle="bald",
                  headgear="ghoul", eyes=(236, 64, 40), weapon="claws"),
    "ghoulchief": dict(skin=(130, 156, 116), hair=(50, 56, 44), shirt=(140, 144, 154), sleeve=(118, 122, 132),
                       pants=(66, 50, 42), shoes=(108, 130, 96), belt=(130, 86, 40), mail=True,
                       cape=(86, 64, 48), hairstyle="bald", headgear="crown", eyes=(250, 206, 60),
                       weapon="greataxe"),
}


def sheet(frame_of):
    out = Image.new("RGB", (103, 81), MAGENTA)
    for row, walk in enumerate((False, True)):
        for col, facing in enumerate(FACINGS):
            out.paste(flatten(frame_of(facing, walk)), (26 * col, 41 * row))
    return out


def sprite_sheet(cid):
    if cid == "wolf":
        return sheet(wolf_frame)
    return sheet(lambda facing, walk: frame(LOOKS[cid], facing, walk))


def corpse(cid):
    if cid == "wolf":
        return flatten(wolf_corpse(cid))
    if LOOKS[cid].get("skeleton"):
        return flatten(skeleton_corpse(LOOKS[cid], cid))
    return flatten(person_corpse(LOOKS[cid], cid))


# Definition files. Attributes left out default to 5; dexterity never 0 (it
# divides in the hit test).
DEFINITIONS = {
    "villager": """name=Tomas
agression=0
exp=20
condition=4
dexterity=4
[Inventory]
hppotion
hppotion
leatherarmor
bread""",
    "farmer": """name=Old Marek
agression=0
exp=20
condition=5
boots=boots
[Inventory]
bread
bread
ring
hppotion""",
    "guard": """name=Guard Bren
agression=0
exp=200
level=4
strength=12
dexterity=6
condition=10
oneHandedWeaponSkill=20
helmet=helmet
armor=leatherarmor
boots=boots
rightHand=shortsword
[Inventory]
hppotion
helmet""",
    "merchant": """name=Ilse
agression=0
exp=50
condition=6
intelligence=9
necklace=necklace
ring1=ring
[Inventory]
hppotion
hppotion
mppotion
bow
arrows
crossbow
bolts
healrune
necklace""",
    "wolf": """name=Grey wolf
exp=60
level=1
strength=7
dexterity=5
condition=3
[Inventory]
wolfpelt""",
    "bandit": """name=Bandit
exp=120
level=2
strength=5
dexterity=5
condition=4
oneHandedWeaponSkill=10
armor=leatherarmor
leftHand=shortsword
[Inventory]
mppotion
dagger
badge""",
    "banditarcher": """name=Bowman
exp=130
level=2
strength=4
dexterity=5
condition=3
bowSkill=10
leftHand=bow
rightHand=arrows
boots=boots
[Inventory]
bread
wolfpelt
badge""",
    "crossbowman": """name=Arbalester
exp=150
level=2
strength=4
dexterity=5
condition=3
leftHand=crossbow
rightHand=bolts
[Inventory]
bolts
hppotion
badge""",
    # 16 MP a point of willpower: 32 MP is two fire runes, then his fists
    "mage": """name=Dark mage
exp=220
level=4
strength=4
dexterity=5
condition=9
intelligence=25
willpower=2
leftHand=firerune
[Inventory]
mppotion
healrune
moonstone
bonecharm""",
    "skeleton": """name=Skeleton
exp=180
level=3
strength=7
dexterity=5
condition=6
willpower=2
twoHandedWeaponSkill=10
rightHand=axe
[Inventory]
ring
bonecharm""",
    # The crypt under the ruins holds the strongest.
    "skeletonarcher": """name=Bone archer
exp=230
level=4
strength=14
dexterity=5
condition=8
willpower=2
bowSkill=20
leftHand=bow
rightHand=arrows
[Inventory]
arrows
bonecharm""",
    "ghoul": """name=Ghoul
exp=250
level=4
strength=26
dexterity=5
condition=10
ring1=ring
[Inventory]
hppotion
bonecharm""",
    "ghoulchief": """name=Ghoul chief
exp=500
level=6
strength=12
dexterity=5
condition=14
twoHandedWeaponSkill=20
armor=chainmail
rightHand=axe
[Inventory]
bell
hppotion
mppotion""",
}

# Where each character stands in the world is decided by the maps.
ALL = ("Gracz",) + tuple(DEFINITIONS)
