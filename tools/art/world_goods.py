"""Definition files of the items. Keys are the item record's member names;
the picture of each item is drawn by world_items.py under the same id.

Ids and names contain no ':' or '|' (the map files split on them), and no id
contains "items" or "npc" (those words open sections of a map's data.ini)."""

# No item gives dexterity: the hit test divides the attacker's dexterity by
# the target's, so one point above a creature's 5 would make it miss eight
# blows in nine, and a player holding such an item would walk through the
# world (tools/sim shows it).
ITEMS = {
    "shortsword": ["name=Short sword", "type=onehanded", "attack=7"],
    "dagger": ["name=Dagger", "type=onehanded", "attack=6"],
    "axe": ["name=Battle axe", "type=twohanded", "attack=15", "strength=1"],
    "bow": ["name=Hunting bow", "type=bow", "attack=8", "bowSkill=5", "missileName=arrow"],
    "arrows": ["name=Arrows", "type=arrow", "amount=20", "missileName=arrow"],
    "crossbow": ["name=Crossbow", "type=crossbow", "attack=10", "crossbowSkill=5", "missileName=bolt"],
    "bolts": ["name=Bolts", "type=carrow", "amount=15", "missileName=bolt"],
    "leatherarmor": ["name=Leather armour", "type=armor", "defense=3", "maxHP=10"],
    # the crypt's prize: the chieftain wears it
    "chainmail": ["name=Chain mail", "type=armor", "defense=6", "maxHP=20"],
    "helmet": ["name=Iron helmet", "type=helmet", "defense=2"],
    "boots": ["name=Leather boots", "type=boots", "defense=2"],
    "ring": ["name=Sapphire ring", "type=ring", "maxMP=20", "magicDefense=2"],
    "necklace": ["name=Amber necklace", "type=necklace", "maxHP=15", "magicDefense=1"],
    "hppotion": ["name=Health potion", "type=mixtureHP", "HP=80"],
    "mppotion": ["name=Mana potion", "type=mixtureMP", "MP=40"],
    "bread": ["name=Bread", "type=mixtureHP", "HP=15"],
    # a rune's MP is what one use costs; magicAttack is its healing or its harm
    "healrune": ["name=Healing rune", "type=healRune", "MP=15", "magicAttack=30"],
    "firerune": ["name=Fire rune", "type=dmgRune", "MP=10", "magicAttack=15", "missileName=fireball"],
    # Things people in the village ask for. No type: they cannot be worn,
    # held or drunk, only carried and handed over.
    "wolfpelt": ["name=Wolf pelt"],
    "badge": ["name=Brass badge"],
    "moonstone": ["name=Moonstone"],
    "bonecharm": ["name=Bone charm"],
    "bell": ["name=Chapel bell"],
}

MISSILES = ("arrow", "bolt", "fireball")
