"""What the village's people say: the four conversation scripts.

Node commands run every time a conversation arrives at the node, and the
panel shows node 0 as it was last built when a conversation is reopened
there, options and jumps from an earlier quest state included. So node 0
runs no commands, every way back leads to a hub node with the same topics
(a conversation left there is built afresh when reopened), and the topics
lead only to nodes that run nothing. Every node that starts a quest, takes
or gives something is entered only through an option of such a freshly
built node, shown at exactly the one quest stage the node moves on from
(or, for a gift, only while the giver still holds it). Item counts are
checked in the same option that leads to the hand-in, so nobody is paid for
what they do not carry."""
from world_script import lines

BACK = ("Let me ask something else.", "next(more)")
LATER = ("Not now.", "next(more)")
# Asked of a quest giver right after a hand-in, or later when asked how things
# stand since:
# it goes through the village's troubles one by one and names the first one
# still open; when none is, that was the last, and it says goodbye.
ASK_MORE = ("Is there anything else the village needs?", "next(end0)")

# (quest, who gave it, what the player answers when it is done, who still
# waits when it is not, and the same said by the one who waits)
TROUBLES = (
    ("pelts", "villager", "Tomas's children have their warm coats.",
     "Tomas by the well still wants three wolf pelts for his children's coats.",
     "I still need three wolf pelts for my children's coats."),
    ("camp", "guard", "The bandit camp is broken.",
     "Guard Bren at the east gate still wants the bandit camp in the forest broken.",
     "The bandit camp in the forest still stands, and I cannot leave the gate."),
    ("stone", "merchant", "Ilse has her moonstone back.",
     "Ilse the merchant still waits for the moonstone the dark mage took from her.",
     "I still wait for the moonstone the dark mage took from me."),
    ("dead", "farmer", "The dead in the chapel yard lie still.",
     "Old Marek by the fenced field still fears the dead walking in the chapel yard.",
     "The dead still walk in the chapel yard where my wife lies."),
    ("bell", "farmer", "And the chapel bell rings again.",
     "Old Marek still misses the chapel bell that the ghouls dragged down into the crypt.",
     "My chapel bell still hangs silent down in the crypt, where the ghouls dragged it."),
)
THINKING = ("Let me think. The road east, first of all...", "Yes. And the forest?", "And the city road?",
            "And the old chapel yard?", "And the chapel itself?")


def ending(speaker):
    """The chain the quest givers share: end0 ... end4, left0 ... left4, endall."""
    nodes = []
    for k, (quest, giver, done, waiting, own) in enumerate(TROUBLES):
        after = "end%d" % (k + 1) if k + 1 < len(TROUBLES) else "endall"
        nodes.append(("end%d" % k, THINKING[k], (), (
            (done, "checkIfDoneQuest(%s)" % quest, "next(%s)" % after),
            ("What is still to be done?", "checkIfnDoneQuest(%s)" % quest, "next(left%d)" % k))))
        nodes.append(("left%d" % k, own if giver == speaker else waiting, (), (("I will see to it.", "next(more)"),)))
    nodes.append(("endall", "Then that was the last of it. The road is safe, the camp is ash, the dead rest"
                  " and the bell rings over the village every evening. There is nothing left here that needs"
                  " a hero, only people who will not forget you. Stay as long as you like, or go on down the"
                  " road. Farewell, traveller, and thank you.", (), (
                      ("Farewell.", "next(more)"),)))
    return nodes


TOMAS_TOPICS = (
    ("Who are you?", "next(who)"),
    ("Is the road east safe?", "next(road)"),
    ("You look worried.", "checkIfnQuest(pelts)", "checkIfnDoneQuest(pelts)", "next(worry)"),
    ("About the wolf pelts...", "checkIfStage(pelts,0)", "next(pelts)"),
    ("Where do I find Old Marek?", "checkIfStage(pelts,1)", "next(marek)"),
    ("How are the children?", "checkIfDoneQuest(pelts)", "next(kids)"),
    ("Do you know a man in an indigo robe?", "checkIfStage(stone,0)", "next(robe)"),
    ("Could you spare something for the road?", "checkItem(Bread,1)[gift:nogift]"),
    ("Farewell.", "next(bye)"),
)

TOMAS = [
    ("start", "Good day, traveller. Welcome to our village.", (), TOMAS_TOPICS),
    ("more", "Anything else, friend?", (), TOMAS_TOPICS),
    ("who", "I am Tomas. I mend nets down at the pond and keep the well clean.", (), (BACK,)),
    ("road", "Not at all. Wolves hunt on the road and in the clearing past the bridge, bandits camp to the"
     " north-east, and the dead walk among the ruins to the south-east. Worst is the dark mage in the"
     " indigo robe who lives behind the graves there. They say it was he who woke the dead. And below the"
     " ruins lies the old crypt. Whatever lives down there, nobody who went to look came back to tell.", (), (
        ("I will be careful.", "next(more)"),)),
    ("worry", "Winter comes early down by the pond, and my children have no warm coats. The wolves on"
     " the forest road wear fine grey pelts, but I am no hunter.", (), (
        ("I will hunt them for you.", "checkIfnQuest(pelts)", "checkIfnDoneQuest(pelts)", "next(accept)"),
        LATER)),
    ("accept", "Bless you! Bring me three pelts and my two healing potions are yours. The wolves roam"
     " the road and the clearing past the bridge.", ("startQuest(pelts)",), (
        ("I may have some pelts with me already.", "checkIfStage(pelts,0)",
         "checkPlayerItem(Wolf pelt,3)[paid:fewpelts]"),
        ("I will be back.", "next(more)"))),
    ("pelts", "Have you found the pelts? Three good ones, mind.", (), (
        ("Here they are.", "checkIfStage(pelts,0)", "checkPlayerItem(Wolf pelt,3)[paid:fewpelts]"),
        ("Not yet.", "next(more)"))),
    ("paid", "Three fine pelts! Here are my potions, as promised, and my old leather jerkin: it turned a"
     " wolf's teeth once, and the bandits bite harder. Would you tell Old Marek the road is safe again?"
     " He worries about his carts.",
     ("getItem(Wolf pelt,3)", "giveItem(Health potion)", "giveItem(Leather armour)", "giveExp(300)",
      "increaseQuest(pelts)"), (
        ("I will tell him.", "next(more)"), ASK_MORE)),
    ("fewpelts", "That is not three pelts. Each wolf gives one, so keep hunting.", (), (
        ("I will come back.", "next(more)"),)),
    ("marek", "South-east of the square, by the fenced field. He is the old man in the straw hat.", (), (
        ("Thank you.", "next(more)"),)),
    ("kids", "Warm as new loaves in their coats, thanks to you. Now they play wolves and hunters all day.",
     (), (("Glad to hear it.", "next(more)"), ASK_MORE)),
    ("robe", "An indigo robe? I saw him once on the road at dusk, and I ran. Why do you ask?", (), (
        ("He robbed Ilse and took her moonstone.", "checkIfStage(stone,0)", "next(mage)"),
        ("No reason.", "next(more)"))),
    ("mage", "Then it was the dark mage of the ruins, south-east in the forest, behind the old graves."
     " He keeps whatever he takes, so her stone will be on him. Mind the dead on the way.",
     ("increaseQuest(stone)",), (("Thank you, Tomas.", "next(more)"),)),
    ("gift", "Take this bread, then. Old Marek baked it this morning.", ("giveItem(Bread)",), (
        ("Thank you, Tomas.", "next(more)"),)),
    ("nogift", "I am sorry, I gave you my last loaf already.", (), (("I understand.", "next(more)"),)),
    ("bye", "Safe travels, and mind the wolves.", (), (("One more thing...", "next(more)"),)),
]

ILSE_TOPICS = (
    ("Who are you?", "next(who)"),
    ("What happened to your cart?", "checkIfnQuest(stone)", "checkIfnDoneQuest(stone)", "next(robbed)"),
    ("About your moonstone...", "checkIfQuest(stone)", "next(news)"),
    ("Is business better now?", "checkIfDoneQuest(stone)", "next(better)"),
    ("Guard Bren is asking about the bandits.", "checkIfStage(camp,0)", "next(bandits)"),
    ("Farewell.", "next(bye)"),
)

ILSE = [
    ("start", "Welcome, welcome! Fine goods from the city... though my last cart never arrived.", (),
     ILSE_TOPICS),
    ("more", "What else can I do for you?", (), ILSE_TOPICS),
    ("who", "Ilse, merchant. I bring cloth, potions and bows from the city and take wool and honey back,"
     " when the road lets me.", (), (BACK,)),
    ("robbed", "A man in an indigo robe stopped it on the forest road. He set the cart alight with a word"
     " and took my moonstone, and that stone was to pay for a whole year of goods.", (), (
        ("I will get it back for you.", "checkIfnQuest(stone)", "checkIfnDoneQuest(stone)", "next(accept)"),
        LATER)),
    ("accept", "Would you? I do not know where he went. Ask Tomas by the well, he knows the forest"
     " better than anyone.", ("startQuest(stone)",), (
        ("I may have your moonstone already.", "checkIfStage(stone,0)",
         "checkPlayerItem(Moonstone,1)[early:nostone]"),
        ("I will ask Tomas.", "next(more)"))),
    ("news", "Any news of my moonstone?", (), (
        ("Here it is.", "checkIfStage(stone,0)", "checkPlayerItem(Moonstone,1)[early:nostone]"),
        ("Here it is.", "checkIfStage(stone,1)", "checkPlayerItem(Moonstone,1)[paid:nostone]"),
        ("Not yet.", "next(more)"))),
    # the same thanks whether Tomas was asked first (one stage to go) or not (two)
    ("early", "My moonstone! Take this amber necklace for your trouble, it turns aside a blow or two."
     " And take care of yourself, the forest has enough graves.",
     ("getItem(Moonstone,1)", "giveItem(Amber necklace)", "giveExp(650)", "increaseQuest(stone)",
      "increaseQuest(stone)"), (("Thank you, Ilse.", "next(more)"), ASK_MORE)),
    ("paid", "My moonstone! Take this amber necklace for your trouble, it turns aside a blow or two."
     " And take care of yourself, the forest has enough graves.",
     ("getItem(Moonstone,1)", "giveItem(Amber necklace)", "giveExp(650)", "increaseQuest(stone)"), (
        ("Thank you, Ilse.", "next(more)"), ASK_MORE)),
    ("nostone", "You do not have it. It is pale and glows faintly, like the moon, you could not mistake"
     " it.", (), (("I will keep looking.", "next(more)"),)),
    ("better", "Much better! With my moonstone back I can pay the carters, and they will come as soon as"
     " the road is safe.", (), (BACK, ASK_MORE)),
    ("bandits", "Those thieves have taken two of my carts this spring. What does Bren want to know?", (), (
        ("Where is their camp?", "checkIfStage(camp,0)", "next(camp)"),
        ("Nothing for now.", "next(more)"))),
    ("camp", "North-east in the forest. Cross the stream, take the north way where the road forks, and"
     " you will see their two tents. Every one of them wears a brass badge.",
     ("increaseQuest(camp)",), (("Thank you, Ilse.", "next(more)"),)),
    ("bye", "Come back when the road is safe, I will have new stock.", (), (
        ("One more thing...", "next(more)"),)),
]

BREN_TOPICS = (
    ("Who are you?", "next(who)"),
    ("Can I help you with the forest?", "checkIfnQuest(camp)", "checkIfnDoneQuest(camp)", "next(task)"),
    ("About the bandit camp...", "checkIfQuest(camp)", "next(report)"),
    ("Is the road safer now?", "checkIfDoneQuest(camp)", "next(safe)"),
    ("I bring word from Old Marek.", "checkIfStage(dead,1)", "next(marek)"),
    ("Old Marek wants his chapel bell back.", "checkIfStage(bell,0)", "next(bellask)"),
    ("Farewell.", "next(bye)"),
)

BREN = [
    ("start", "Halt! Ah, you are no bandit. The gate is open, but the forest beyond it is no place for a"
     " stroll.", (), BREN_TOPICS),
    ("more", "Anything else? Be quick, I am on watch.", (), BREN_TOPICS),
    ("who", "Bren, guard of the east gate. I watch the road so the village can sleep at night.", (), (BACK,)),
    ("task", "Bandits rob every cart on the forest road, and I cannot leave the gate to deal with them."
     " Break their camp and bring me proof, and the village will thank you.", (), (
        ("I will deal with them.", "checkIfnQuest(camp)", "checkIfnDoneQuest(camp)", "next(accept)"),
        LATER)),
    ("accept", "Good. Every one of them wears a brass badge, so bring me three. Ilse the merchant has"
     " lost carts to them, ask her where they camp.", ("startQuest(camp)",), (
        ("I may have some badges already.", "checkIfStage(camp,0)",
         "checkPlayerItem(Brass badge,3)[early:fewbadges]"),
        ("I will be back.", "next(more)"))),
    ("report", "Any news of those bandits?", (), (
        ("Here are three badges.", "checkIfStage(camp,0)", "checkPlayerItem(Brass badge,3)[early:fewbadges]"),
        ("Here are three badges.", "checkIfStage(camp,1)", "checkPlayerItem(Brass badge,3)[paid:fewbadges]"),
        ("Not yet.", "next(more)"))),
    # without Ilse's directions the quest still has two stages to go
    ("early", "Three badges! That camp will not trouble the road again. Take this helmet from the"
     " guardhouse, you have earned it.",
     ("getItem(Brass badge,3)", "giveItem(Iron helmet)", "giveExp(500)", "increaseQuest(camp)",
      "increaseQuest(camp)"), (("Thank you, Bren.", "next(more)"), ASK_MORE)),
    ("paid", "Three badges! That camp will not trouble the road again. Take this helmet from the"
     " guardhouse, you have earned it.",
     ("getItem(Brass badge,3)", "giveItem(Iron helmet)", "giveExp(500)", "increaseQuest(camp)"), (
        ("Thank you, Bren.", "next(more)"), ASK_MORE)),
    ("fewbadges", "That is not three badges. Every one in that camp wears one, the archers too.", (), (
        ("I will come back.", "next(more)"),)),
    ("safe", "Safer than it has been in years. The carts are moving again.", (), (BACK, ASK_MORE)),
    ("marek", "From Marek? Is the old man well?", (), (
        ("He is. The dead in the chapel yard lie still again.", "checkIfStage(dead,1)", "next(quiet)"),
        ("Later.", "next(more)"))),
    ("quiet", "The chapel yard quiet again? Then the forest is a little less dark. Take my potion, you"
     " look as though you need it more than I do.",
     ("giveItem(Health potion)", "giveExp(150)", "increaseQuest(dead)"), (
        ("Thank you, Bren.", "next(more)"),)),
    ("bellask", "The old chapel bell? My father heard it the night the ghouls took it. Nobody has gone"
     " after it since, and nobody who went down there came back.", (), (
        ("How do I get into the crypt?", "checkIfStage(bell,0)", "next(crypt)"),
        ("Nothing for now.", "next(more)"))),
    ("crypt", "Past the graves in the chapel yard a path leaves the ruins to the east and goes down into"
     " the hill. Below is the crypt: a hall of pillars, and beyond it the chieftain of the ghouls in his"
     " own hall. If the bell is anywhere, he is sitting on it. Take potions.",
     ("increaseQuest(bell)",), (("Thank you, Bren.", "next(more)"),)),
    ("bye", "Keep your blade ready out there.", (), (("One more thing...", "next(more)"),)),
]

MAREK_TOPICS = (
    ("Who are you?", "next(who)"),
    ("I bring word from Tomas.", "checkIfStage(pelts,1)", "next(news)"),
    ("You look troubled.", "checkIfnQuest(dead)", "checkIfnDoneQuest(dead)", "next(worry)"),
    ("About the bone charms...", "checkIfStage(dead,0)", "next(charms)"),
    ("Are the dead at rest now?", "checkIfDoneQuest(dead)", "next(rest)"),
    ("What became of the chapel bell?", "checkIfDoneQuest(dead)", "checkIfnQuest(bell)",
     "checkIfnDoneQuest(bell)", "next(bellstory)"),
    ("About the chapel bell...", "checkIfQuest(bell)", "next(bell)"),
    ("Does the bell ring again?", "checkIfDoneQuest(bell)", "next(rung)"),
    ("Goodbye.", "next(bye)"),
)

MAREK = [
    ("start", "Eh? Oh, a visitor. Mind the furrows, I have only just sown them.", (), MAREK_TOPICS),
    ("more", "Something else? Speak up, my ears are old.", (), MAREK_TOPICS),
    ("who", "Marek. I have ploughed this field for fifty years, and before that I rang the bell of the old"
     " chapel in the forest. There is not much left of it now.", (), (BACK,)),
    ("news", "From Tomas? Well, out with it, my legs are not getting any younger.", (), (
        ("The wolves on the forest road are dead.", "checkIfStage(pelts,1)", "next(word)"),
        ("Later.", "next(more)"))),
    ("word", "Then my carts can go to market again. Take some bread for the road, it is still warm.",
     ("giveItem(Bread)", "giveExp(100)", "increaseQuest(pelts)"), (("Thank you, Marek.", "next(more)"),)),
    ("worry", "The old chapel yard, south-east in the forest. My wife lies buried there, and now the dead"
     " walk among the graves. I went to tend her grave and saw bone charms tied around their necks."
     " That is what keeps them on their feet.", (), (
        ("I will bring you those charms.", "checkIfnQuest(dead)", "checkIfnDoneQuest(dead)", "next(accept)"),
        LATER)),
    ("accept", "Bring me two of those charms and I will burn them. Fire undoes that kind of work, my"
     " mother always said.", ("startQuest(dead)",), (
        ("I may have some charms with me already.", "checkIfStage(dead,0)",
         "checkPlayerItem(Bone charm,2)[burnt:fewcharms]"),
        ("I will be back.", "next(more)"))),
    ("charms", "Have you got the charms? Two of them, and mind the axes those dead swing.", (), (
        ("Here they are.", "checkIfStage(dead,0)", "checkPlayerItem(Bone charm,2)[burnt:fewcharms]"),
        ("Not yet.", "next(more)"))),
    ("burnt", "Into the fire with them. There, ash. Take my wife's ring, she would want it worn, not kept"
     " in a drawer. And tell Guard Bren the chapel yard is quiet, he ought to know.",
     ("getItem(Bone charm,2)", "giveItem(Sapphire ring)", "giveExp(300)", "increaseQuest(dead)"), (
        ("I will tell him.", "next(more)"), ASK_MORE)),
    ("fewcharms", "That is not two charms. Each of the dead wears one, and whoever tied them may carry"
     " more.", (), (("I will come back.", "next(more)"),)),
    ("rest", "They are. Come spring I shall go and tend her grave again.", (), (BACK, ASK_MORE)),
    ("bellstory", "The bell? When the chapel fell, the ghouls that dug in under it dragged it down into"
     " the crypt, and there it has hung silent ever since. I rang it every Sunday as a boy. I should like"
     " to hear it once more before I go.", (), (
        ("I will bring it back.", "checkIfnQuest(bell)", "checkIfnDoneQuest(bell)", "next(bellaccept)"),
        LATER)),
    ("bellaccept", "You would go down there? Then ask Guard Bren the way in, his father knew it. Bring"
     " me the bell, a small bronze one no bigger than a loaf, and my last potion is yours.",
     ("startQuest(bell)",), (
        ("I may have the bell with me already.", "checkIfStage(bell,0)",
         "checkPlayerItem(Chapel bell,1)[bellearly:nobell]"),
        ("I will be back.", "next(more)"))),
    ("bell", "Have you found the bell?", (), (
        ("Here it is.", "checkIfStage(bell,0)", "checkPlayerItem(Chapel bell,1)[bellearly:nobell]"),
        ("Here it is.", "checkIfStage(bell,1)", "checkPlayerItem(Chapel bell,1)[bellpaid:nobell]"),
        ("Not yet.", "next(more)"))),
    # the same thanks whether Bren was asked the way (one stage to go) or not (two)
    ("bellearly", "My bell! Listen to it, clear as the day it was cast. I shall hang it over my door."
     " Here, take my last potion, you have earned it twice over.",
     ("getItem(Chapel bell,1)", "giveItem(Health potion)", "giveExp(600)", "increaseQuest(bell)",
      "increaseQuest(bell)"), (("Thank you, Marek.", "next(more)"), ASK_MORE)),
    ("bellpaid", "My bell! Listen to it, clear as the day it was cast. I shall hang it over my door."
     " Here, take my last potion, you have earned it twice over.",
     ("getItem(Chapel bell,1)", "giveItem(Health potion)", "giveExp(600)", "increaseQuest(bell)"), (
        ("Thank you, Marek.", "next(more)"), ASK_MORE)),
    ("nobell", "That is not my bell. It is bronze, with a band cast round its middle.", (), (
        ("I will keep looking.", "next(more)"),)),
    ("rung", "Every evening, over my door. The whole village hears it.", (), (BACK, ASK_MORE)),
    ("bye", "Go well, and keep to the road.", (), (("One more thing...", "next(more)"),)),
]

SCRIPTS = {"villager": lines(TOMAS + ending("villager")), "merchant": lines(ILSE + ending("merchant")),
           "guard": lines(BREN + ending("guard")), "farmer": lines(MAREK + ending("farmer"))}
