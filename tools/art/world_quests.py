"""The quests the village gives: their names and journal entries, and where
their files go.

A quest's number is its place in the list; its name is both the title in the
journal and the file name, so it stays short and free of path characters.
Line s of a quest file is the journal entry of stage s; the game reads the
file from data/quests/ when a quest starts and from data/quest/ when it
advances, so the same file goes into both folders."""
import os

# key used by the scripts, name, journal entry of each stage
QUESTS = (
    ("pelts", "Wolf pelts for Tomas", (
        "Tomas, who mends nets by the pond, needs warm coats for his children. He wants three wolf"
        " pelts; the wolves hunt on the forest road east of the gate and in the clearing past the bridge.",
        "Tomas has his pelts and gave me his two health potions. He asked me to tell Old Marek, by the"
        " fenced field south-east of the square, that the road is safe again.",
    )),
    ("camp", "The bandit camp", (
        "Guard Bren at the east gate wants the bandit camp in the forest broken. Every bandit wears a"
        " brass badge, and he wants three as proof. Ilse the merchant has lost carts to them and may"
        " know where they camp.",
        "Ilse says the camp lies north-east in the forest: past the stream, take the north way at the"
        " fork and look for two tents. Bren is waiting for three brass badges.",
    )),
    ("stone", "The stolen moonstone", (
        "A man in an indigo robe robbed Ilse's cart on the forest road and took her moonstone. She"
        " asked me to bring it back. Tomas knows the forest well and may know who the man is.",
        "Tomas says the robber is the dark mage of the ruins, south-east in the forest, behind the old"
        " graves where the dead walk. He keeps what he takes, so the moonstone must be on him.",
    )),
    ("dead", "Rest for the dead", (
        "Old Marek's wife lies buried in the old chapel yard, among the ruins south-east in the forest,"
        " where the dead now walk. Bone charms tied around their necks keep them on their feet; Marek"
        " wants two of them to burn.",
        "Marek burnt the charms and gave me his wife's sapphire ring. He asked me to tell Guard Bren"
        " at the east gate that the chapel yard is quiet.",
    )),
    ("bell", "The chapel bell", (
        "Old Marek rang the bell of the old chapel as a boy. When the chapel fell, the ghouls that dug in"
        " under it carried the bell down into the crypt, and he wants it back. Guard Bren may know the"
        " way in.",
        "Bren says the way down to the crypt leaves the chapel yard on its east side, past the graves."
        " The ghoul chieftain keeps the bell in his hall at the far end, beyond the pillared hall.",
    )),
)

NUMBERS = {key: n for n, (key, _, _) in enumerate(QUESTS)}


def write(root, write_text):
    data = os.path.join(root, "data")
    write_text(os.path.join(data, "quests", "questlist.dat"), "".join(name + "\n" for _, name, _ in QUESTS))
    for _, name, stages in QUESTS:
        for folder in ("quests", "quest"):
            write_text(os.path.join(data, folder, name + ".dat"), "".join(s + "\n" for s in stages))
