"""Reads the shipped world files the way the game reads them: lines end at LF
(CR LF folded), numbers by stream extraction, pairs as number, one separator
character, number, sections of a map's data.ini by their marker words."""
import os
import re


def text_of(path):
    """The whole file with CR LF folded; a missing file reads as empty."""
    if not os.path.isfile(path):
        return ""
    with open(path, "rb") as f:
        return f.read().decode("latin-1").replace("\r\n", "\n")


def lines_of(path):
    """getline semantics: a final line feed does not start another line."""
    text = text_of(path)
    if text == "":
        return []
    parts = text.split("\n")
    if text.endswith("\n"):
        parts.pop()
    return parts


def number(text):
    """Leading blanks, a sign, digits; None when no digit follows."""
    m = re.match(r"\s*([+-]?\d+)", text)
    return int(m.group(1)) if m else None


def pair(text):
    """Column, exactly one separator character, row; 0 where unreadable."""
    m = re.match(r"\s*([+-]?\d+)", text)
    if not m:
        return 0, 0
    column, rest = int(m.group(1)), text[m.end():]
    if not rest:
        return column, 0
    return column, number(rest[1:]) or 0


def quoted(line):
    first, last = line.find('"'), line.rfind('"')
    if first < 0:
        return line
    return line[first + 1:last] if last > first else line[first + 1:]


def pair_text(line):
    bar = line.find("|")
    head, text = (line, "") if bar < 0 else (line[:bar], line[bar + 1:])
    return pair(head) + (text,)


class MapFiles:
    """Everything of one map directory, as the map loader would see it."""

    def __init__(self, root, name):
        self.name = name
        self.folder = os.path.join(root, "data", "maps", name)
        ini = lines_of(os.path.join(self.folder, "data.ini"))
        self.tile_count = number(ini[0].split("=", 1)[1]) if ini and "=" in ini[0] else None
        self.tile_codes = quoted(ini[1]) if len(ini) > 1 else ""
        self.blocking = quoted(ini[2]) if len(ini) > 2 else ""
        self.moves, self.npcs, self.items = [], [], []
        i = 3
        while i < len(ini) and "moves" not in ini[i]:
            i += 1
        i += 1
        while i < len(ini) and "npc" not in ini[i]:
            if ":" in ini[i]:
                self.moves.append(pair_text(ini[i]))
            i += 1
        i += 1
        while i < len(ini) and "items" not in ini[i]:
            if ":" in ini[i]:
                self.npcs.append(pair_text(ini[i]))
            i += 1
        i += 1
        while i < len(ini) and ":" in ini[i]:
            self.items.append(pair_text(ini[i]))
            i += 1
        self.rows_text = lines_of(os.path.join(self.folder, "map.map"))
        self.rows = len(self.rows_text)
        self.cols = len(self.rows_text[0]) if self.rows_text else 0
        self.grid = self._read_grid()
        self.types, self.scenery = [], [[-10] * self.cols for _ in range(self.rows)]
        self.objects = []
        self._read_scenery()

    def _read_grid(self):
        """Character by character, skipping one line feed per field."""
        data = text_of(os.path.join(self.folder, "map.map"))
        pos, prev, grid = 0, "\0", []
        for _ in range(self.rows):
            row = []
            for _ in range(self.cols):
                ch = data[pos] if pos < len(data) else prev
                pos += 1
                if ch == "\n":
                    ch = data[pos] if pos < len(data) else prev
                    pos += 1
                prev = ch
                row.append(ch)
            grid.append(row)
        return grid

    def _read_scenery(self):
        current = None
        for line in lines_of(os.path.join(self.folder, "scenery.dat")):
            if "[" in line:
                close = line.find("]")
                name = line[line.find("[") + 1:close]
                w, h = pair(line[close + 2:]) if close >= 0 else (0, 0)
                self.types.append((name, w, h))
                current = len(self.types) - 1
                continue
            if current is None:
                continue
            c, r = pair(line)
            if not self.inside(c, r):
                continue
            name, w, h = self.types[current]
            self.objects.append((current, c, r))
            for rr in range(r, r + h):
                for cc in range(c, c + w):
                    if self.inside(cc, rr):
                        self.scenery[rr][cc] = -1
            self.scenery[r][c] = current

    def inside(self, c, r):
        return 0 <= c < self.cols and 0 <= r < self.rows

    def can_enter(self, c, r, occupied=()):
        """1 blocked, 2 a creature, -1 travel, 0 free: the game's answer."""
        if not self.inside(c, r):
            return 1
        code = self.grid[r][c]
        if code in self.blocking or code == "\0":
            return 1
        if (c, r) in occupied:
            return 2
        if code == "*":
            return -1
        if self.scenery[r][c] != -10:
            return 1
        return 0


def ini_keys(path):
    out = []
    for line in lines_of(path):
        key, _, value = line.partition("=")
        out.append((key, value if "=" in line else line))
    return out


def start_position(root):
    line = lines_of(os.path.join(root, "data", "maps", "start.dat"))[0]
    blank = line.index(" ")
    c, r = pair(line[blank:])
    return line[:blank], c, r
