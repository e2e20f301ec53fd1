"""The few building blocks every sound of the game is made of: oscillators,
envelopes, seeded noise, zero-phase filters in the frequency domain, a
synthetic room, and the writers. Mono, 22050 samples a second, like the
game's mixer, so nothing is resampled when it plays."""

import wave

import numpy as np

RATE = 22050


def seconds(n):
    return int(round(n * RATE))


def times(duration):
    return np.arange(seconds(duration)) / RATE


def noise(duration, seed):
    """White noise from a fixed seed: the same sound on every run."""
    return np.random.RandomState(seed).uniform(-1.0, 1.0, seconds(duration))


def sine(freq, duration, phase=0.0):
    """A sine whose frequency may be a number or one value per sample."""
    n = seconds(duration)
    f = np.broadcast_to(np.asarray(freq, dtype=float), (n,))
    return np.sin(2 * np.pi * np.cumsum(f) / RATE + phase)


def glide(start, end, duration, curve=1.0):
    """From one value to another over the duration (exponential for pitch)."""
    x = np.linspace(0.0, 1.0, seconds(duration)) ** curve
    return start * (end / start) ** x


def envelope(duration, attack, decay, sustain=0.0, release=0.0):
    """Linear attack, exponential fall towards `sustain`, linear release at
    the very end. `decay` is the time to fall to about a third."""
    t = times(duration)
    env = np.where(t < attack, t / max(attack, 1e-6), 1.0)
    fall = np.exp(-np.maximum(t - attack, 0.0) / max(decay, 1e-6))
    env = env * (sustain + (1.0 - sustain) * fall)
    if release > 0:
        tail = np.clip((duration - t) / release, 0.0, 1.0)
        env = env * tail
    return env


def fade_edges(x, ms=4.0):
    """No click at either end."""
    n = min(len(x) // 2, seconds(ms / 1000.0))
    if n > 0:
        ramp = np.linspace(0.0, 1.0, n)
        x = x.copy()
        x[:n] *= ramp
        x[-n:] *= ramp[::-1]
    return x


def pluck(freq, duration, brightness=0.5, seed=0):
    """A plucked string by its partials: each higher one dies sooner, and a
    touch of detuning keeps it from sounding like an organ."""
    t = times(duration)
    rng = np.random.RandomState(seed)
    out = np.zeros_like(t)
    for k in range(1, 12):
        f = freq * k * (1.0 + 0.0004 * k * k)
        if f > 5000:
            break
        amp = (brightness ** (k - 1)) / k
        life = 1.2 / (1.0 + 0.7 * k)
        out += amp * np.exp(-t / life) * np.sin(2 * np.pi * f * t + rng.uniform(0, 2 * np.pi))
    attack = np.clip(t / 0.004, 0.0, 1.0)
    return out * attack


def bell(freq, duration, decay=0.8):
    """Soft bell: a few inharmonic partials, the high ones short."""
    t = times(duration)
    ratios = [(1.0, 1.0), (2.0, 0.45), (2.76, 0.25), (4.07, 0.12)]
    out = np.zeros_like(t)
    for ratio, amp in ratios:
        f = freq * ratio
        if f > 5000:
            continue
        out += amp * np.exp(-t * ratio / decay) * np.sin(2 * np.pi * f * t)
    return out * np.clip(t / 0.006, 0.0, 1.0)


def pad(freqs, duration, attack, release, seed=0):
    """A warm held chord: each voice two slightly detuned soft saws."""
    t = times(duration)
    rng = np.random.RandomState(seed)
    out = np.zeros_like(t)
    for f in freqs:
        for detune in (0.997, 1.003):
            phase = rng.uniform(0, 2 * np.pi)
            for k in range(1, 7):
                if f * k > 3000:
                    break
                out += (0.6 ** k) * np.sin(2 * np.pi * f * detune * k * t + phase * k)
    env = np.minimum(np.clip(t / attack, 0, 1), np.clip((duration - t) / release, 0, 1))
    return out * env / max(1, len(freqs))


def _response(n, shape):
    freqs = np.fft.rfftfreq(n, 1.0 / RATE)
    return shape(np.maximum(freqs, 1e-3))


def fft_filter(x, shape, circular=False):
    """Zero-phase filter by a magnitude response `shape(freqs)`. Circular
    filtering keeps a loop seamless; otherwise the signal is padded."""
    n = len(x) if circular else len(x) + seconds(0.05)
    spectrum = np.fft.rfft(x, n)
    y = np.fft.irfft(spectrum * _response(n, shape), n)
    return y[: len(x)]


def lowpass(cutoff, order=2):
    return lambda f: 1.0 / np.sqrt(1.0 + (f / cutoff) ** (2 * order))


def highpass(cutoff, order=2):
    return lambda f: 1.0 / np.sqrt(1.0 + (cutoff / f) ** (2 * order))


def bandpass(centre, width):
    return lambda f: np.exp(-0.5 * (np.log(f / centre) / width) ** 2)


def room(x, size=1.2, wet=0.25, seed=7, circular=False):
    """Reverb by convolution with a decaying noise tail. In a loop the tail
    wraps round to the start, so the loop point is never heard."""
    tail = noise(size, seed) * np.exp(-times(size) / (size / 5.0))
    tail = fft_filter(tail, lowpass(3500))
    tail /= np.sqrt(np.sum(tail ** 2))
    if circular:
        n = len(x)
        padded = np.zeros(n)
        m = min(n, len(tail))
        padded[:m] = tail[:m]
        wetpart = np.fft.irfft(np.fft.rfft(x) * np.fft.rfft(padded), n)
    else:
        n = len(x) + len(tail)
        wetpart = np.fft.irfft(np.fft.rfft(x, n) * np.fft.rfft(tail, n), n)
        x = np.concatenate([x, np.zeros(len(tail))])
    return (1 - wet) * x + wet * wetpart


def trim_silence(x, floor=3e-3):
    """Drops the tail 50 dB below the peak (a room's long, inaudible end)."""
    loud = np.nonzero(np.abs(x) > floor * np.max(np.abs(x)))[0]
    return x[: loud[-1] + 1] if len(loud) else x


def place(track, sound, at, gain=1.0, circular=True):
    """Adds a sound into a track at `at` seconds; past the end it wraps."""
    idx = seconds(at) + np.arange(len(sound))
    if circular:
        idx %= len(track)
        np.add.at(track, idx, gain * sound)
    else:
        keep = idx < len(track)
        track[idx[keep]] += gain * sound[keep]


def to_pcm16(x):
    return (np.clip(x, -1.0, 1.0) * 32767.0).round().astype("<i2").tobytes()


def write_wav(path, x):
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(to_pcm16(x))
