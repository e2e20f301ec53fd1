"""The game's effects, one function each, in the order of the game's list.
Every one is kept low and short: nothing above about 5 kHz, no long tones."""

import numpy as np

from synth import (bandpass, bell, envelope, fade_edges, fft_filter, glide, highpass, lowpass, noise, place,
                   pluck, room, seconds, sine, times, trim_silence)


def _add(out, sound, at, gain=1.0):
    place(out, sound, at, gain, circular=False)


def _thump(freq_from, freq_to, duration, seed):
    body = sine(glide(freq_from, freq_to, duration), duration) * envelope(duration, 0.002, duration / 5)
    crack = fft_filter(noise(duration, seed), bandpass(900, 0.7)) * envelope(duration, 0.001, 0.015)
    return body + 0.6 * crack


def hit():
    # A blow that lands in flesh: a short low thud and a dull slap.
    d = 0.28
    slap = fft_filter(noise(d, 11), bandpass(1000, 0.8)) * envelope(d, 0.001, 0.035)
    return _thump(200, 80, d, 12) + 1.4 * slap


def glance():
    # Steel turned aside by armour: a dull clink that dies at once.
    d = 0.35
    t = times(d)
    ring = sum(a * np.sin(2 * np.pi * f * t) * np.exp(-t / life)
               for f, a, life in [(820, 1.0, 0.06), (1290, 0.6, 0.04), (1870, 0.35, 0.03)])
    scrape = fft_filter(noise(d, 21), bandpass(2200, 0.5)) * envelope(d, 0.002, 0.02)
    return 0.7 * ring * np.clip(t / 0.002, 0, 1) + 0.4 * scrape


def miss():
    # The swish of a swing or an arrow through empty air.
    d = 0.32
    t = times(d)
    centre = glide(1800, 500, d)
    swish = np.zeros_like(t)
    # A falling band, built from a few fixed bands crossfaded in time.
    air = noise(d, 31)
    for k, f in enumerate([1800, 1200, 800, 500]):
        band = fft_filter(air, bandpass(f, 0.35))
        weight = np.exp(-0.5 * ((np.log(centre / f)) / 0.25) ** 2)
        swish += band * weight
    return swish * np.sin(np.pi * np.clip(t / d, 0, 1)) ** 1.5


def death():
    # A creature's last breath: a falling groan over a heavy fall.
    d = 0.9
    t = times(d)
    pitch = glide(240, 110, d, 0.7)
    groan = sum((0.55 ** k) * sine(pitch * k, d) for k in range(1, 6))
    groan = fft_filter(groan, lowpass(1500)) * envelope(d, 0.05, 0.35, release=0.1)
    fall = np.zeros_like(t)
    _add(fall, _thump(150, 70, 0.4, 41), 0.45)
    return 0.8 * groan + 0.9 * fall


def player_death():
    # The hero falls: a slow low chord sinking to silence.
    d = 2.4
    notes = [146.83, 174.61, 220.0]  # D minor, low
    t = times(d)
    sink = glide(1.0, 0.94, d)
    chord = sum(sum((0.5 ** k) * sine(f * k * sink, d) for k in range(1, 5)) for f in notes)
    chord = fft_filter(chord, lowpass(1200)) * envelope(d, 0.08, 0.9, release=0.3)
    toll = bell(146.83, d, decay=1.5)
    return trim_silence(room(0.6 * chord + 0.8 * toll, size=1.5, wet=0.3, seed=52))[: seconds(3.0)]


def bow():
    # The string's low twang and the arrow's hiss.
    d = 0.4
    twang = pluck(247, d, brightness=0.7, seed=61) * envelope(d, 0.001, 0.12)
    hiss = fft_filter(noise(d, 62), bandpass(1500, 0.4)) * envelope(d, 0.01, 0.06)
    return twang + 0.6 * hiss


def crossbow():
    # A hard click of the trigger, then the thick string's thunk.
    d = 0.35
    click = fft_filter(noise(d, 71), bandpass(2500, 0.4)) * envelope(d, 0.0005, 0.006)
    thunk = pluck(165, d, brightness=0.6, seed=72) * envelope(d, 0.001, 0.08)
    return 1.2 * click + thunk


def fire_rune():
    # A roar of flame that swells and is gone, with a few crackles.
    d = 0.7
    t = times(d)
    roar = fft_filter(noise(d, 81), lambda f: lowpass(1400, 2)(f) * highpass(120)(f))
    swell = np.sin(np.pi * np.clip(t / d, 0, 1)) ** 0.8
    rng = np.random.RandomState(82)
    crackle = np.zeros_like(t)
    for at in np.sort(rng.uniform(0.05, d - 0.1, 9)):
        n = seconds(0.012)
        i = seconds(at)
        crackle[i:i + n] += rng.uniform(-1, 1, n) * np.exp(-np.arange(n) / (n / 4))
    crackle = fft_filter(crackle, bandpass(1800, 0.5))
    low = sine(glide(110, 165, d), d) * swell
    return roar * swell + 0.8 * crackle + 0.15 * low


def heal_rune():
    # Soft rising chimes: warmth coming back.
    d = 1.1
    out = np.zeros(seconds(d))
    for i, f in enumerate([523.25, 659.25, 783.99, 1046.5]):
        _add(out, bell(f, d - 0.09 * i, decay=0.6), 0.09 * i, 0.9 - 0.12 * i)
    shimmer = fft_filter(noise(d, 91), bandpass(3000, 0.3)) * envelope(d, 0.3, 0.3) * 0.05
    return trim_silence(room(out + shimmer, size=0.9, wet=0.3, seed=92))


def missile_hit():
    # An arrow or a bolt of fire striking home: a thock.
    d = 0.22
    wood = pluck(330, d, brightness=0.5, seed=101) * envelope(d, 0.001, 0.03)
    return _thump(240, 100, d, 102) + 1.0 * wood


def potion():
    # Three gulps from a small flask.
    d = 0.65
    out = np.zeros(seconds(d))
    for k, (at, f0) in enumerate([(0.02, 260), (0.22, 300), (0.42, 280)]):
        gd = 0.16
        _add(out, sine(glide(f0, f0 * 1.9, gd, 2.0), gd) * envelope(gd, 0.01, 0.05), at)
    slosh = fft_filter(noise(d, 111), lowpass(700)) * envelope(d, 0.05, 0.2) * 0.3
    return out + slosh


def pick_up():
    # Something small taken off the ground: a rustle and a soft knock.
    d = 0.22
    rustle = fft_filter(noise(d, 121), bandpass(1400, 0.5)) * envelope(d, 0.01, 0.05)
    knock = pluck(330, d, brightness=0.35, seed=122) * envelope(d, 0.001, 0.04)
    return 0.5 * rustle + knock


def equip():
    # Leather and a buckle: a low creak and a muted clink.
    d = 0.25
    creak = fft_filter(noise(d, 131), bandpass(600, 0.4)) * envelope(d, 0.015, 0.06)
    t = times(d)
    clink = (np.sin(2 * np.pi * 1100 * t) + 0.5 * np.sin(2 * np.pi * 1630 * t)) * np.exp(-t / 0.025)
    clink[: seconds(0.05)] = 0.0
    return creak + 0.35 * clink


def loot():
    # Rummaging through a pack: two rustles and a coin's soft ring.
    d = 0.45
    out = fft_filter(noise(d, 141), bandpass(1100, 0.5)) * (envelope(d, 0.01, 0.05) + 0.7 * np.roll(
        envelope(d, 0.01, 0.05), seconds(0.12)))
    _add(out, bell(1320, d - 0.18, decay=0.25), 0.18, 0.25)
    return out


def level_up():
    # A bright rising arpeggio that settles on its chord.
    d = 1.5
    out = np.zeros(seconds(d))
    notes = [392.0, 493.88, 587.33, 783.99]  # G major
    for i, f in enumerate(notes):
        length = d - 0.11 * i
        note = pluck(f, length, brightness=0.45, seed=150 + i) + 0.5 * bell(f, length, 1.0)
        _add(out, note, 0.11 * i, 1 - 0.1 * i)
    return trim_silence(room(out, size=1.0, wet=0.25, seed=155))


def _horn(freq, duration):
    # A soft horn: odd partials, a slow attack, dark.
    tone = sum((1.0 / k) * sine(freq * k, duration) for k in (1, 2, 3, 4, 5))
    vibrato = 1 + 0.004 * np.sin(2 * np.pi * 5 * times(duration))
    tone = tone * vibrato
    return fft_filter(tone, lowpass(1400)) * envelope(duration, 0.04, duration, 0.7, release=0.08)


def _motif(notes, seed):
    total = sum(length for _, length in notes) + 0.4
    out = np.zeros(seconds(total))
    at = 0.0
    for f, length in notes:
        _add(out, _horn(f, length + 0.1), at)
        at += length
    return trim_silence(room(out, size=1.0, wet=0.25, seed=seed))


def quest_start():
    # A call to go out: two notes, a fourth apart, rising.
    return _motif([(293.66, 0.22), (392.0, 0.5)], 161)


def quest_advance():
    # A step on the way: three notes up.
    return _motif([(329.63, 0.15), (392.0, 0.15), (440.0, 0.4)], 171)


def quest_done():
    # The task fulfilled: a short fanfare ending on the home chord.
    out = _motif([(293.66, 0.16), (369.99, 0.16), (440.0, 0.16), (587.33, 0.7)], 181)
    chord = sum(bell(f, 1.2, 1.0) for f in (293.66, 369.99, 440.0))
    out = np.concatenate([out, np.zeros(max(0, seconds(0.48 + 1.2) - len(out)))])
    _add(out, chord, 0.48, 0.25)
    return out


def button():
    # A wooden click under the finger.
    d = 0.09
    tock = pluck(520, d, brightness=0.3, seed=191) * envelope(d, 0.0005, 0.015)
    tap = fft_filter(noise(d, 192), bandpass(1500, 0.4)) * envelope(d, 0.0005, 0.004)
    return tock + 0.4 * tap


def talk():
    # Someone turns to the player: a soft low hum of attention.
    d = 0.45
    t = times(d)
    hum = sum((0.5 ** k) * sine(glide(180, 210, d) * k, d) for k in range(1, 5))
    breath = fft_filter(noise(d, 201), bandpass(900, 0.5)) * 0.15
    return fft_filter(hum, lowpass(1000)) * envelope(d, 0.05, 0.12, release=0.1) + breath * envelope(d, 0.03, 0.08)


# name: (how it is made, loudness group)
EFFECTS = {
    "hit": (hit, "action"),
    "glance": (glance, "action"),
    "miss": (miss, "action"),
    "death": (death, "action"),
    "player-death": (player_death, "action"),
    "bow": (bow, "action"),
    "crossbow": (crossbow, "action"),
    "fire-rune": (fire_rune, "action"),
    "heal-rune": (heal_rune, "action"),
    "missile-hit": (missile_hit, "action"),
    "potion": (potion, "action"),
    "pick-up": (pick_up, "interface"),
    "equip": (equip, "interface"),
    "loot": (loot, "interface"),
    "level-up": (level_up, "news"),
    "quest-start": (quest_start, "news"),
    "quest-advance": (quest_advance, "news"),
    "quest-done": (quest_done, "news"),
    "button": (button, "interface"),
    "talk": (talk, "interface"),
}


def make(name):
    return fade_edges(EFFECTS[name][0]())
