"""The music: one looping mood for the title screen and for each map. Every
piece is built on a circle (notes and echoes past the end come back in at
the start), so the loop has no seam to hear."""

import numpy as np

from synth import (bandpass, bell, envelope, fft_filter, glide, lowpass, noise, pad, place, pluck, room, seconds,
                   sine, times)

A3, C4, D4, E4, F4, G4, A4, B4, C5, D5, E5 = 220.0, 261.63, 293.66, 329.63, 349.23, 392.0, 440.0, 493.88, 523.25, \
    587.33, 659.25


def _hz(semitones_from_a4):
    return 440.0 * 2 ** (semitones_from_a4 / 12.0)


def _finish(track, size, wet, seed):
    track = fft_filter(track, lowpass(4000), circular=True)
    return room(track, size=size, wet=wet, seed=seed, circular=True)


def title():
    # Dusk over the castle: A minor, slow, a pad and a few bell notes.
    bar, bars = 8.0, 4
    track = np.zeros(seconds(bar * bars))
    chords = [[A3, C4, E4], [F4 / 2, A3, C4], [C4 / 2 * 1.0, E4 / 2, G4 / 2], [G4 / 2, B4 / 2, D4]]
    for i, chord in enumerate(chords):
        place(track, pad(chord, bar + 1.5, 2.0, 2.0, seed=300 + i), i * bar - 0.5, 0.5)
        place(track, pluck(chord[0] / 2, 4.0, 0.4, seed=310 + i), i * bar, 0.5)
    melody = [(0.0, E5), (1.5, D5), (3.0, C5), (6.0, A4), (9.0, C5), (10.5, A4), (12.0, F4), (16.0, G4), (17.5, A4),
              (19.0, C5), (22.0, E5), (25.0, D5), (26.5, B4), (28.0, G4)]
    for at, f in melody:
        place(track, bell(f, 3.0, decay=1.2), at + 0.5, 0.22)
    return _finish(track, 2.5, 0.35, 320)


def village():
    # Morning among the cottages: D major, a lute picking under a pipe tune.
    beat = 0.6
    progression = [(D4, [0, 4, 7]), (G4 / 2, [0, 4, 7]), (D4, [0, 4, 7]), (A3, [0, 4, 7]),
                   (D4, [0, 4, 7]), (G4 / 2, [0, 4, 7]), (A3, [0, 4, 7]), (D4, [0, 4, 7])] * 2
    track = np.zeros(seconds(beat * 4 * len(progression)))
    pattern = [0, 2, 1, 2, 0, 2, 1, 2]
    for b, (root, steps) in enumerate(progression):
        freqs = [root * 2 ** (s / 12.0) for s in steps]
        place(track, pluck(root / 2, 2.4, 0.35, seed=400 + b), b * 4 * beat, 0.6)
        for k, which in enumerate(pattern):
            place(track, pluck(freqs[which], 1.2, 0.45, seed=410 + 8 * b + k), (b * 4 + k * 0.5) * beat, 0.32)
    tune = [(0, 4, 2), (2, 6, 1), (3, 9, 1), (4, 11, 2), (6, 9, 2), (8, 7, 3), (11, 4, 1), (12, 2, 4),
            (16, 4, 2), (18, 6, 1), (19, 9, 1), (20, 11, 2), (22, 14, 2), (24, 11, 2), (26, 7, 2), (28, 2, 4)]
    # The pipe plays the tune, then a bell answers it an octave up.
    for at, semis, length in tune:
        f = D4 * 2 ** (semis / 12.0)
        d = length * beat + 0.2
        tone = sum((0.35 ** (k - 1)) * sine(f * k, d) for k in (1, 2, 3))
        tone *= 1 + 0.006 * np.sin(2 * np.pi * 5.5 * times(d))
        place(track, tone * envelope(d, 0.05, d, 0.8, release=0.12), at * beat, 0.16)
        place(track, bell(2 * f, 2.0, decay=0.9), (32 + at) * beat, 0.1)
    return _finish(track, 1.4, 0.25, 420)


def forest():
    # The forest road: wind in the crowns, birds far off, a low hum beneath.
    length = 40.0
    n = seconds(length)
    t = np.arange(n) / 22050.0
    wind = fft_filter(noise(length, 500), lambda f: bandpass(500, 0.9)(f), circular=True)
    gust = 0.55 + 0.45 * np.sin(2 * np.pi * t / length * 3 + 0.3) * np.sin(2 * np.pi * t / length * 2)
    track = wind * gust * 0.6
    drone = sum(a * np.sin(2 * np.pi * f * t) for f, a in [(73.42, 0.3), (110.0, 0.18), (146.83, 0.08)])
    track += drone * (0.8 + 0.2 * np.sin(2 * np.pi * t / length))
    rng = np.random.RandomState(501)
    for at in np.sort(rng.uniform(0, length, 14)):
        base = rng.uniform(1500, 2300)
        chirps = rng.randint(2, 5)
        for c in range(chirps):
            d = 0.09
            chirp = sine(glide(base, base * 1.25, d), d) * envelope(d, 0.01, 0.03)
            place(track, chirp, at + c * 0.13, 0.05)
    return _finish(track, 2.0, 0.3, 520)


def crypt():
    # Below the ruins: a deep drone that breathes, water dripping, a far bell.
    length = 40.0
    n = seconds(length)
    t = np.arange(n) / 22050.0
    drone = np.zeros(n)
    for f, a in [(36.71, 0.5), (55.0, 0.35), (73.42, 0.3), (77.78, 0.12), (110.0, 0.1)]:
        drone += a * np.sin(2 * np.pi * f * t)
    breath = 0.7 + 0.3 * np.sin(2 * np.pi * t / length * 4)
    air = fft_filter(noise(length, 600), bandpass(250, 0.6), circular=True) * 0.25
    track = drone * breath + air
    rng = np.random.RandomState(601)
    for at in np.sort(rng.uniform(0, length, 16)):
        d = 0.12
        f = rng.uniform(700, 1100)
        drip = sine(glide(f, f * 1.6, d, 0.5), d) * envelope(d, 0.002, 0.02)
        place(track, drip, at, 0.12)
    for at in (6.0, 26.0):
        place(track, bell(73.42, 6.0, decay=3.0), at, 0.25)
    return _finish(track, 3.0, 0.4, 620)


# Where each piece goes in data/, and what it is.
MOODS = {
    "menu/music.ogg": title,
    "maps/village/music.ogg": village,
    "maps/forest/music.ogg": forest,
    "maps/crypt/music.ogg": crypt,
}
