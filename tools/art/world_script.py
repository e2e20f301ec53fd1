"""Conversation scripts written with names instead of numbers.

A script is a list of nodes (label, speech, NPC commands, options), the
first being node 0; an option is (text, commands...). Commands are written
as the game reads them, except that jumps name node labels (next(who),
[paid:short]) and quest commands name quest keys (startQuest(pelts),
checkIfStage(pelts,0)). `lines` turns that into the game's .dg lines, so
inserting a node never leaves a jump pointing at the wrong line."""
import re

from world_quests import NUMBERS

QUEST_FIRST = ("startQuest", "increaseQuest", "checkIfQuest", "checkIfnQuest", "checkIfDoneQuest",
               "checkIfnDoneQuest", "checkIfStage")
COMMAND = re.compile(r"^(\w+)\(([^()]*)\)(?:\[(\w+):(\w+)\])?$")


def _text(text):
    if any(ch in text for ch in '|;"'):
        raise ValueError("no | ; or quote inside a text: %r" % text)
    return '"%s"' % text


def _command(command, nodes):
    m = COMMAND.match(command)
    if not m:
        raise ValueError("cannot read command %r" % command)
    name, args, a, b = m.groups()
    args = args.split(",")
    if name == "next":
        args[0] = str(nodes[args[0]])
    elif name in QUEST_FIRST:
        args[0] = str(NUMBERS[args[0]])
    out = "%s(%s)" % (name, ",".join(args))
    if a is not None:
        out += "[%d:%d]" % (nodes[a], nodes[b])
    return out


def _part(text, commands, nodes):
    return ";".join([_text(text)] + [_command(c, nodes) for c in commands])


def lines(script):
    nodes = {node[0]: n for n, node in enumerate(script)}
    if len(nodes) != len(script):
        raise ValueError("two nodes share a label")
    out = []
    for n, (_, speech, commands, options) in enumerate(script):
        fields = [str(n), _part(speech, commands, nodes)]
        fields += [_part(option[0], option[1:], nodes) for option in options]
        out.append("|".join(fields))
    return out
