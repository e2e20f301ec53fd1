"""Checks the design of the shipped conversations; rpg-check holds them to
the rules of the game (texts, commands, jumps, items, quests and their
stages, rewards the speaker carries, quests that can finish).

For every script: no node taller than the dialogue panel and no more than
nine answers shown at once, over every mix of quest states; no check that
shows what an earlier one hid; asked-for items that the ground or the
hostile creatures hold often enough.

Commands run each time a node is entered, and the game may show node 0 as
built earlier, so the check also holds each command node to the rules that
keep a reward from being taken twice: never entered from node 0, a quest
start only behind options hidden once the quest is known, everything else
behind an option shown at one stage of a quest the node moves on, and a
hand-in only behind a check that the player carries what it takes. It
tallies the experience the quests pay."""
import itertools
import os

from PIL import ImageFont

from world_read import ini_keys, lines_of, number

SETTERS = ("checkIfQuest", "checkIfDoneQuest", "checkIfStage")
HIDERS = ("checkIfnQuest", "checkIfnDoneQuest")
WORN = ("armor", "helmet", "ring1", "ring2", "necklace", "boots", "leftHand", "rightHand")
WRAP, PANEL_LINES, MAX_OPTIONS = 405, 19, 9


class Command:
    def __init__(self, part):
        text = part.strip()
        self.name = text.split("(")[0]
        inner = text.partition("(")[2].partition(")")[0]
        self.args = inner.split(",")
        pair = text.partition("[")[2]
        self.a, _, rest = pair.partition(":")
        self.b = rest.partition("]")[0]
        self.text = text

    def arg(self, i):
        return self.args[i] if i < len(self.args) else ""


def _field(field):
    parts = field.split(";")
    head = parts[0]
    first, last = head.find('"'), head.rfind('"')
    text = head[first + 1:last] if 0 <= first < last else None
    return text, [Command(p) for p in parts[1:]]


def parse(path):
    """Each node as (speech, NPC commands, [(text, commands)])."""
    nodes = []
    for line in lines_of(path):
        fields = line.split("|")
        speech, commands = _field(fields[1]) if len(fields) > 1 else (None, [])
        nodes.append((speech, commands, [_field(f) for f in fields[2:]]))
    return nodes


def jumps(commands):
    """The option's last jump wins: its target(s) and the check behind it."""
    last = None
    for c in commands:
        if c.name in ("next", "checkItem", "checkPlayerItem"):
            last = c
    if last is None:
        return []
    if last.name == "next":
        return [(number(last.arg(0)), None)]
    return [(number(last.a), last), (number(last.b), None)]


class Talk:
    def __init__(self, ck, definitions, maps):
        self.ck, self.data = ck, ck.data
        self.id_name = {}  # item id -> name
        for iid in sorted(os.listdir(os.path.join(self.data, "items"))):
            self.id_name[iid] = dict(ini_keys(os.path.join(self.data, "items", iid, "data.ini"))).get("name")
        self.definitions, self.maps = definitions, maps
        self.quests = lines_of(os.path.join(self.data, "quests", "questlist.dat"))
        self.stages = [len(lines_of(os.path.join(self.data, "quests", q + ".dat"))) for q in self.quests]
        self.font = ImageFont.truetype(os.path.join(self.data, "comic.ttf"), 12)
        self.rewards = {}  # (quest, stage reached) -> the best exp paid for reaching it

    def script(self, cid):
        path = os.path.join(self.data, "characters", cid, cid + ".dg")
        if not os.path.isfile(path):
            return 0
        nodes = parse(path)
        where = lambda n: "%s.dg node %d" % (cid, n)  # noqa: E731
        for n, (_, commands, options) in enumerate(nodes):
            for text, cmds in options:
                for c in cmds:
                    self.asks(c, where(n))
                names = [c.name for c in cmds if c.name in SETTERS + HIDERS]
                self.ck.expect(not any(a in HIDERS and b in SETTERS for a, b in zip(names, names[1:])),
                               "%s: %r shows what an earlier check hid" % (where(n), text))
            for c in commands:
                self.asks(c, where(n))
        self.guarded(cid, nodes)
        return self.fit(cid, nodes)

    def asks(self, c, where):
        if c.name in ("getItem", "checkPlayerItem"):
            have, want = self.obtainable(c.arg(0)), number(c.arg(1)) or 0
            self.ck.expect(have >= want, "%s: %s, only %d in the world" % (where, c.text, have))

    def obtainable(self, name):
        """How many of that item lie on the ground or on hostile creatures."""
        count = sum(self.id_name.get(i) == name for m in self.maps.values() for _, _, i in m.items)
        for m in self.maps.values():
            for _, _, cid in m.npcs:
                keys = self.definitions.get(cid, {})
                if number(keys.get("agression", "1")) == 0:
                    continue
                held = keys.get("_inventory", []) + [keys[k] for k in WORN if keys.get(k, "0") != "0"]
                count += sum(self.id_name.get(i) == name for i in held)
        return count

    def guarded(self, cid, nodes):
        ck = self.ck
        entries = {}  # node -> [(from node, option text, commands, check behind the jump)]
        for n, (_, _, options) in enumerate(nodes):
            for text, cmds in options:
                for target, via in jumps(cmds):
                    entries.setdefault(target, []).append((n, text, cmds, via))
        for n, (_, commands, _) in enumerate(nodes):
            if not commands or n == 0:  # node 0 is held to running nothing
                continue
            started = {number(c.arg(0)) for c in commands if c.name == "startQuest"}
            moved = {number(c.arg(0)) for c in commands if c.name == "increaseQuest"}
            given = {c.arg(0) for c in commands if c.name == "giveItem"}
            taken = [c for c in commands if c.name == "getItem"]
            for origin, text, cmds, via in entries.get(n, []):
                where = "%s.dg node %d, entered by %r of node %d" % (cid, n, text, origin)
                setters = [c for c in cmds if c.name in SETTERS]
                hidden = {(c.name, number(c.arg(0))) for c in cmds if c.name in HIDERS}
                gift = (not started and not moved and not taken and via is not None
                        and via.name == "checkItem" and via.arg(0) in given)
                ck.expect(origin != 0 or gift, "%s: node 0 may be shown as built earlier" % where)
                if started:
                    ck.expect(not setters and all({("checkIfnQuest", q), ("checkIfnDoneQuest", q)} <= hidden
                                                  for q in started), "%s: the quest could start twice" % where)
                elif moved:
                    last = setters[-1] if setters else None
                    tied = last is not None and last.name == "checkIfStage" and number(last.arg(0)) in moved
                    if ck.expect(tied, "%s: not tied to a stage the node moves on" % where):
                        q, s = number(last.arg(0)), number(last.arg(1)) or 0
                        steps = sum(c.name == "increaseQuest" and number(c.arg(0)) == q for c in commands)
                        ck.expect(not 0 <= q < len(self.stages) or s + steps <= self.stages[q],
                                  "%s: moves quest %d past its end" % (where, q))
                        pay = sum(number(c.arg(0)) or 0 for c in commands if c.name == "giveExp")
                        self.rewards[(q, s + steps)] = max(pay, self.rewards.get((q, s + steps), 0))
                else:
                    ck.expect(gift, "%s: could be entered again and again" % where)
                for c in taken:
                    ck.expect(via is not None and via.name == "checkPlayerItem" and via.arg(0) == c.arg(0)
                              and (number(via.arg(1)) or 0) >= (number(c.arg(1)) or 0),
                              "%s: takes %s without checking the player has them" % (where, c.arg(0)))

    # the panel
    def width(self, text):
        return self.font.getlength(text)

    def wrap(self, text, prefix="", more=""):
        """The game's word wrap: cut at the last space once a line is too wide
        (a word wider than the panel stays whole)."""
        count, line, lead, i = 0, prefix, len(prefix), 0
        while i < len(text):
            line += text[i]
            i += 1
            cut = line.rfind(" ")
            if cut >= lead and self.width(line) > WRAP:
                count += 1
                i -= len(line) - cut - 1
                line, lead = more, len(more)
        return count + 1

    def fit(self, cid, nodes):
        """Tallest this script's nodes get, over every mix of quest states."""
        states = [[("absent",)] + [("stage", s) for s in range(k)] + [("done",)] for k in self.stages]
        tallest = 0
        for n, (speech, _, options) in enumerate(nodes):
            speech_lines = self.wrap(speech or "") + 2
            heights = [self.wrap(t or "", "%d. " % (k + 1), "   ") + 1 for k, (t, _) in enumerate(options)]
            worst = (0, 0)
            for mix in itertools.product(*states):
                shown = [h for h, (_, cmds) in zip(heights, options) if _visible(cmds, mix)]
                worst = max(worst, (speech_lines + sum(shown), len(shown)))
            self.ck.expect(worst[0] <= PANEL_LINES, "%s.dg node %d takes %d lines" % (cid, n, worst[0]))
            self.ck.expect(worst[1] <= MAX_OPTIONS, "%s.dg node %d shows %d options" % (cid, n, worst[1]))
            tallest = max(tallest, worst[0])
        return tallest


def _visible(cmds, mix):
    shown = True
    for c in cmds:
        q = number(c.arg(0))
        if c.name not in SETTERS + HIDERS or q is None or not 0 <= q < len(mix):
            continue
        state = mix[q]
        if c.name == "checkIfQuest":
            shown = state[0] == "stage"
        elif c.name == "checkIfDoneQuest":
            shown = state[0] == "done"
        elif c.name == "checkIfStage":
            shown = state == ("stage", number(c.arg(1)))
        elif c.name == "checkIfnQuest" and state[0] == "stage":
            shown = False
        elif c.name == "checkIfnDoneQuest" and state[0] == "done":
            shown = False
    return shown
