"""How loud a sound is, the way the ear weighs it: the K-weighting of
ITU-R BS.1770 (a shelf that counts the presence range about 4 dB more and a
high-pass that counts the deep bass less), then the mean square in dB with
the standard's -0.691 offset, so the figures read like LUFS.

- An effect is rated by its loudest 200 ms (the window slides in 10 ms
  steps): the short-window loudness the player hears at its strongest.
  A click shorter than the window is rated over the whole window, as the
  ear too hears a very short sound as quieter.
- Music is rated over the whole loop (integrated; a loop has no silence
  to gate out).
"""

import numpy as np

from synth import RATE, fft_filter, seconds


def _biquad_gain(b, a, freqs):
    z = np.exp(-2j * np.pi * freqs / RATE)
    num = b[0] + b[1] * z + b[2] * z * z
    den = a[0] + a[1] * z + a[2] * z * z
    return np.abs(num / den)


def _k_weighting(freqs):
    # The standard's two stages, designed for this sample rate.
    gain_db, q, fc = 3.99984385397, 0.7071752369554193, 1681.9744509555319
    big_a = 10 ** (gain_db / 40)
    w0 = 2 * np.pi * fc / RATE
    alpha = np.sin(w0) / (2 * q)
    cos, root = np.cos(w0), 2 * np.sqrt(big_a) * alpha
    shelf_b = [big_a * ((big_a + 1) + (big_a - 1) * cos + root), -2 * big_a * ((big_a - 1) + (big_a + 1) * cos),
               big_a * ((big_a + 1) + (big_a - 1) * cos - root)]
    shelf_a = [(big_a + 1) - (big_a - 1) * cos + root, 2 * ((big_a - 1) - (big_a + 1) * cos),
               (big_a + 1) - (big_a - 1) * cos - root]
    q, fc = 0.5003270373253953, 38.13547087613982
    w0 = 2 * np.pi * fc / RATE
    alpha = np.sin(w0) / (2 * q)
    cos = np.cos(w0)
    high_b = [(1 + cos) / 2, -(1 + cos), (1 + cos) / 2]
    high_a = [1 + alpha, -2 * cos, 1 - alpha]
    return _biquad_gain(shelf_b, shelf_a, freqs) * _biquad_gain(high_b, high_a, freqs)


def _db(mean_square):
    return -0.691 + 10 * np.log10(max(mean_square, 1e-12))


def effect_loudness(x):
    y = fft_filter(x, _k_weighting) ** 2
    window = seconds(0.2)
    y = np.concatenate([y, np.zeros(window)])
    sums = np.concatenate([[0.0], np.cumsum(y)])
    starts = np.arange(0, max(1, len(y) - window + 1), seconds(0.01))
    return _db(np.max((sums[starts + window] - sums[starts]) / window))


def music_loudness(x):
    return _db(np.mean(fft_filter(x, _k_weighting, circular=True) ** 2))


def peak_db(x):
    return 20 * np.log10(max(np.max(np.abs(x)), 1e-9))


def normalise(x, target, rate_fn, ceiling_db=-1.0):
    """Scales to the target loudness, less if the peak would pass the
    ceiling. Returns the sound and its loudness after scaling."""
    gain = 10 ** ((target - rate_fn(x)) / 20)
    peak = np.max(np.abs(x)) * gain
    limit = 10 ** (ceiling_db / 20)
    if peak > limit:
        gain *= limit / peak
    y = x * gain
    return y, rate_fn(y)
