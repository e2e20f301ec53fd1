#!/usr/bin/env python3
"""Writes every sound of the game into data/: the effects as WAV under
data/sounds/, the moods as Ogg Vorbis beside the screens they belong to.
Run from the repository root:

    python3 tools/sound/make_sounds.py [data-folder]

Needs numpy and oggenc (Debian: python3-numpy, vorbis-tools). Deterministic:
every noise has a fixed seed and oggenc a fixed stream serial. Prints each
file with its length and its measured loudness (see loudness.py)."""

import os
import subprocess
import sys
import tempfile

try:
    import numpy  # noqa: F401
except ImportError:
    # The python3 first on the path may lack it; Debian's own has it.
    if sys.executable != "/usr/bin/python3" and os.path.exists("/usr/bin/python3"):
        os.execv("/usr/bin/python3", ["/usr/bin/python3"] + sys.argv)
    raise

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from effects import EFFECTS, make  # noqa: E402
from loudness import effect_loudness, music_loudness, normalise, peak_db  # noqa: E402
from moods import MOODS  # noqa: E402
from synth import RATE, write_wav  # noqa: E402

# Target loudness of each group, in LUFS-like dB (loudness.py). News and
# actions stand out alike; the interface's small noises sit lower; the music
# lies well under the effects, so that a blow is always heard over it.
TARGETS = {"action": -20.0, "news": -20.0, "interface": -25.0, "music": -29.0}

LICENCE = """The effects in this folder, and the music.ogg of data/menu/ and of every
map under data/maps/, are synthesised by tools/sound/make_sounds.py from the
game's source. They are part of Tales of the Vale and, like the program, free
software under the GNU General Public License, version 3 or later (see COPYING
at the top of the source, or /usr/share/common-licenses/GPL-3 on Debian).
"""


def write_ogg(path, samples):
    with tempfile.TemporaryDirectory() as scratch:
        wav = os.path.join(scratch, "music.wav")
        write_wav(wav, samples)
        subprocess.run(["oggenc", "--quiet", "--quality", "3", "--serial", "1", "--discard-comments", "-o", path,
                        wav], check=True)


def main():
    data = sys.argv[1] if len(sys.argv) > 1 else "data"
    os.makedirs(os.path.join(data, "sounds"), exist_ok=True)
    with open(os.path.join(data, "sounds", "LICENSE.txt"), "w") as licence:
        licence.write(LICENCE)
    print("%-26s %8s %10s %8s" % ("file", "length", "loudness", "peak"))
    for name, (_, group) in EFFECTS.items():
        samples, loud = normalise(make(name), TARGETS[group], effect_loudness)
        path = os.path.join(data, "sounds", name + ".wav")
        write_wav(path, samples)
        print("%-26s %7.2fs %7.1f LU %6.1f dB" % ("sounds/" + name + ".wav", len(samples) / RATE, loud,
                                                  peak_db(samples)))
    for where, build in MOODS.items():
        samples, loud = normalise(build(), TARGETS["music"], music_loudness)
        path = os.path.join(data, where)
        write_ogg(path, samples)
        print("%-26s %7.2fs %7.1f LU %6.1f dB" % (where, len(samples) / RATE, loud, peak_db(samples)))


if __name__ == "__main__":
    main()
