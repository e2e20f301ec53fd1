"""A map being designed: terrain grid, scenery, travel fields, characters and
items, and the writer of its directory under data/maps/."""
import math
import os

from PIL import Image

from world_common import FIELD, flatten, outline, save_bmp


class MapPlan:
    def __init__(self, name, cols, rows, tiles, blocking, fill):
        self.name, self.cols, self.rows = name, cols, rows
        self.tiles = tiles  # [(code, image)]; the last one is the outside
        self.blocking = blocking
        self.grid = [[fill] * cols for _ in range(rows)]
        self.types = {}  # scenery name -> (w, h, image), in declaration order
        self.objects = []  # (name, c, r)
        self.cover = [[None] * cols for _ in range(rows)]
        self.keep = set()  # fields that must stay open
        self.moves, self.npcs, self.items = [], [], []

    # terrain
    def inside(self, c, r):
        return 0 <= c < self.cols and 0 <= r < self.rows

    def set(self, c, r, code):
        if self.inside(c, r):
            self.grid[r][c] = code

    def code(self, c, r):
        return self.grid[r][c]

    def fill(self, c0, r0, c1, r1, code):
        for r in range(r0, r1 + 1):
            for c in range(c0, c1 + 1):
                self.set(c, r, code)

    def blob(self, cx, cy, rx, ry, code, rnd=None, rough=0.0):
        for r in range(int(cy - ry) - 1, int(cy + ry) + 2):
            for c in range(int(cx - rx) - 1, int(cx + rx) + 2):
                d = ((c - cx) / rx) ** 2 + ((r - cy) / ry) ** 2
                if d <= 1 + (rnd.uniform(-rough, rough) if rnd else 0):
                    self.set(c, r, code)

    def path(self, points, code, width=2, keep=True):
        """A road through the waypoints, width fields wide."""
        def stamp(c, r):
            for dc in range(width):
                for dr in range(width):
                    self.set(c + dc, r + dr, code)
                    if keep:
                        self.keep.add((c + dc, r + dr))

        for (c0, r0), (c1, r1) in zip(points, points[1:]):
            steps = max(abs(c1 - c0), abs(r1 - r0), 1)
            last = (c0, r0)
            for i in range(steps + 1):
                c = round(c0 + (c1 - c0) * i / steps)
                r = round(r0 + (r1 - r0) * i / steps)
                if c != last[0] and r != last[1]:
                    stamp(c, last[1])  # no diagonal steps: walkers move in four directions
                stamp(c, r)
                last = (c, r)

    def scatter(self, codes, share, rnd, over):
        """Replace a share of the fields whose code is in over by codes."""
        for r in range(self.rows):
            for c in range(self.cols):
                if self.grid[r][c] in over and rnd.random() < share:
                    self.grid[r][c] = rnd.choice(codes)

    # scenery
    def declare(self, name, w, h, image):
        self.types[name] = (w, h, image)

    def can_place(self, name, c, r, on=None, planned=False):
        w, h, _ = self.types[name]
        for rr in range(r, r + h):
            for cc in range(c, c + w):
                if not self.inside(cc, rr):
                    if cc < 0 or rr < 0 or not self.inside(c, r):
                        return False
                    continue  # may hang over the right and bottom edges
                if self.cover[rr][cc] is not None or ((cc, rr) in self.keep and not planned):
                    return False
                if self.grid[rr][cc] == "*" or (on is not None and self.grid[rr][cc] not in on):
                    return False
        return True

    def place(self, name, c, r, on=None, planned=False):
        """planned objects may stand on open ground kept for the design."""
        if not self.can_place(name, c, r, on, planned):
            return False
        w, h, _ = self.types[name]
        for rr in range(r, r + h):
            for cc in range(c, c + w):
                if self.inside(cc, rr):
                    self.cover[rr][cc] = name
        self.objects.append((name, c, r))
        return True

    def must_place(self, name, c, r):
        if not self.place(name, c, r, planned=True):
            raise ValueError("%s: %s does not fit at %d,%d" % (self.name, name, c, r))

    def free(self, c, r):
        """Walkable and empty: what a character, an item or an arrival needs."""
        return (self.inside(c, r) and self.grid[r][c] not in self.blocking and self.grid[r][c] != "*"
                and self.cover[r][c] is None and all((c, r) != (n[0], n[1]) for n in self.npcs))

    def protect_ring(self, c, r, radius=1):
        for rr in range(r - radius, r + radius + 1):
            for cc in range(c - radius, c + radius + 1):
                self.keep.add((cc, rr))

    # contents
    def travel(self, c, r, target, x, y):
        self.set(c, r, "*")
        self.keep.add((c, r))
        self.keep.add((x, y))
        self.moves.append((c, r, target, x, y))

    def npc(self, c, r, cid):
        self.keep.add((c, r))
        self.npcs.append((c, r, cid))

    def item(self, c, r, iid):
        self.keep.add((c, r))
        self.items.append((c, r, iid))

    def populate(self, people, ground):
        for c, r, cid in people:
            self.npc(c, r, cid)
        for c, r, iid in ground:  # later entries lie on top of the pile
            self.item(c, r, iid)

    # output
    def data_ini(self):
        codes = "".join(code for code, _ in self.tiles[:-1])
        lines = ["tileCount=%d" % len(self.tiles), '"%s"' % codes, '"%s"' % self.blocking, "[moves]"]
        lines += ["%d:%d|%s|%d:%d" % m for m in self.moves]
        lines.append("[npc]")
        lines += ["%d:%d|%s" % n for n in self.npcs]
        lines.append("[items]")
        lines += ["%d:%d|%s" % i for i in self.items]
        return "\n".join(lines) + "\n"

    def scenery_dat(self):
        lines = []
        for name, (w, h, _) in self.types.items():
            spots = [(c, r) for n, c, r in self.objects if n == name]
            if not spots:
                continue
            lines.append("[%s] %d %d" % (name, w, h))
            lines += ["%d %d" % spot for spot in spots]
        return "\n".join(lines) + "\n"

    def write(self, root):
        folder = os.path.join(root, "data", "maps", self.name)
        os.makedirs(folder, exist_ok=True)
        for old in os.listdir(folder):  # no stale scenery pictures
            if old.endswith(".bmp"):
                os.remove(os.path.join(folder, old))
        strip = Image.new("RGB", (FIELD * len(self.tiles), FIELD))
        for i, (_, img) in enumerate(self.tiles):
            strip.paste(img, (FIELD * i, 0))
        save_bmp(strip, os.path.join(folder, "fields.bmp"))
        with open(os.path.join(folder, "map.map"), "w", newline="\n") as f:
            f.write("\n".join("".join(row) for row in self.grid) + "\n")
        with open(os.path.join(folder, "data.ini"), "w", newline="\n") as f:
            f.write(self.data_ini())
        with open(os.path.join(folder, "scenery.dat"), "w", newline="\n") as f:
            f.write(self.scenery_dat())
        used = {n for n, _, _ in self.objects}
        for name, (w, h, img) in self.types.items():
            if name in used:
                save_bmp(flatten(outline(img.copy())), os.path.join(folder, name + ".bmp"))


def distance(a, b):
    return math.hypot(a[0] - b[0], a[1] - b[1])
