"""Checks the conversation scripts and the quest files as the game reads them.

For every script: texts in quotes, known command names, jumps to existing
nodes, at most nine options, item names that some item has (and gifts the
NPC carries), quest numbers in the quest list and stages in its file. For
every quest: a file in both data/quests and data/quest, the same in both.

Commands run each time a node is entered, and the game may show node 0 as
built earlier, so the check also holds each command node to the rules that
keep a reward from being taken twice: never entered from node 0, a quest
start only behind options hidden once the quest is known, everything else
behind an option shown at one stage of a quest the node moves on, and a
hand-in only behind a check that the player carries what it takes."""
import itertools
import os
import re

from PIL import ImageFont

from world_read import ini_keys, lines_of, number

NPC_COMMANDS = ("giveItem", "giveExp", "startQuest", "increaseQuest", "getItem")
OPTION_COMMANDS = ("next", "checkItem", "checkPlayerItem", "checkIfQuest", "checkIfnQuest",
                   "checkIfDoneQuest", "checkIfnDoneQuest", "checkIfStage")
SETTERS = ("checkIfQuest", "checkIfDoneQuest", "checkIfStage")
HIDERS = ("checkIfnQuest", "checkIfnDoneQuest")
QUEST_FIRST = SETTERS + HIDERS + ("startQuest", "increaseQuest")
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
        self.names = {}  # item name -> ids
        for iid in sorted(os.listdir(os.path.join(self.data, "items"))):
            name = dict(ini_keys(os.path.join(self.data, "items", iid, "data.ini"))).get("name")
            self.names.setdefault(name, []).append(iid)
        for name, ids in self.names.items():
            ck.expect(len(ids) == 1, "items %s share the name %s" % (", ".join(ids), name))
        self.id_name = {i: n for n, ids in self.names.items() for i in ids}
        self.definitions, self.maps = definitions, maps
        self.quest_list = os.path.join(self.data, "quests", "questlist.dat")
        self.quests = lines_of(self.quest_list)
        self.stages = [len(lines_of(os.path.join(self.data, "quests", q + ".dat"))) for q in self.quests]
        self.font = ImageFont.truetype(os.path.join(self.data, "comic.ttf"), 12)
        self.rewards = {}  # (quest, stage reached) -> the best exp paid for reaching it

    def quest_files(self):
        ck = self.ck
        ck.expect(os.path.isfile(self.quest_list), "no quest list %s" % self.quest_list)
        for k, name in enumerate(self.quests):
            ck.expect(name and not re.search(r'[\\/:*?"<>|]', name), "quest %d: bad name %r" % (k, name))
            ck.expect(self.width("%d. %s" % (k + 1, name)) <= WRAP, "quest %d: name too wide for the log" % k)
            files = [os.path.join(self.data, d, name + ".dat") for d in ("quests", "quest")]
            for f in files:
                ck.expect(os.path.isfile(f), "quest %d has no file %s" % (k, f))
            if all(os.path.isfile(f) for f in files):
                ck.expect(_bytes(files[0]) == _bytes(files[1]), "quest %d: the two files differ" % k)
                ck.expect(self.stages[k] >= 1 and all(lines_of(files[0])), "quest %d: empty journal line" % k)

    def script(self, cid):
        path = os.path.join(self.data, "characters", cid, cid + ".dg")
        if not os.path.isfile(path):
            return 0
        nodes = parse(path)
        carried = {self.id_name.get(i) for i in self.definitions[cid].get("_inventory", [])}
        where = lambda n: "%s.dg node %d" % (cid, n)  # noqa: E731
        for n, (speech, commands, options) in enumerate(nodes):
            self.ck.expect(speech is not None, "%s has no speech in quotes" % where(n))
            self.ck.expect(len(options) <= MAX_OPTIONS, "%s has %d options" % (where(n), len(options)))
            self.ck.expect(n != 0 or not commands, "%s runs commands each time the panel opens" % where(n))
            for c in commands:
                self.command(c, NPC_COMMANDS, nodes, where(n), carried)
            for text, cmds in options:
                self.ck.expect(text is not None, "%s: an option without a text in quotes" % where(n))
                for c in cmds:
                    self.command(c, OPTION_COMMANDS, nodes, where(n), carried)
                names = [c.name for c in cmds if c.name in SETTERS + HIDERS]
                self.ck.expect(not any(a in HIDERS and b in SETTERS for a, b in zip(names, names[1:])),
                               "%s: %r shows what an earlier check hid" % (where(n), text))
        self.guarded(cid, nodes)
        return self.fit(cid, nodes)

    def command(self, c, allowed, nodes, where, carried):
        ck = self.ck
        if not ck.expect(c.name in allowed, "%s: unknown command %s" % (where, c.text)):
            return
        if c.name in QUEST_FIRST:
            q = number(c.arg(0))
            if ck.expect(q is not None and 0 <= q < len(self.quests), "%s: %s names no quest" % (where, c.text)):
                if c.name == "checkIfStage":
                    s = number(c.arg(1))
                    ck.expect(s is not None and 0 <= s < self.stages[q], "%s: %s, no such stage" % (where, c.text))
        if c.name in ("giveItem", "getItem", "checkItem", "checkPlayerItem"):
            ck.expect(c.arg(0) in self.names, "%s: %s names no item" % (where, c.text))
        if c.name == "giveItem":
            ck.expect(c.arg(0) in carried, "%s: %s, the NPC carries none" % (where, c.text))
        if c.name in ("getItem", "checkItem", "checkPlayerItem"):
            ck.expect((number(c.arg(1)) or 0) >= 1, "%s: %s needs a count of 1 or more" % (where, c.text))
        if c.name in ("getItem", "checkPlayerItem"):
            have, want = self.obtainable(c.arg(0)), number(c.arg(1)) or 0
            ck.expect(have >= want, "%s: %s, only %d in the world" % (where, c.text, have))
        if c.name == "giveExp":
            ck.expect(number(c.arg(0)) is not None, "%s: %s is no number" % (where, c.text))
        targets = {"next": [c.arg(0)], "checkItem": [c.a, c.b], "checkPlayerItem": [c.a, c.b]}.get(c.name, [])
        for t in targets:
            ck.expect(number(t) is not None and 0 <= number(t) < len(nodes),
                      "%s: %s jumps nowhere" % (where, c.text))

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


def _bytes(path):
    with open(path, "rb") as f:
        return f.read()


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
