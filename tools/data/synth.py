"""Small building blocks for the synthesised sounds: tones, envelopes, noise and fades.

Everything is computed with NumPy from fixed parameters and fixed random seeds, so the same
call always gives the same samples.
"""
import numpy as np

SAMPLE_RATE = 44100


def seconds(n):
    """Frame count of a duration in seconds."""
    return int(round(n * SAMPLE_RATE))


def midi_frequency(note):
    """Hertz of a MIDI note number (69 is A 440)."""
    return 440.0 * 2.0 ** ((note - 69) / 12.0)


def time_axis(frames):
    return np.arange(frames, dtype=np.float64) / SAMPLE_RATE


def raised_cosine(frames):
    """A smooth 0 -> 1 ramp of the given length."""
    if frames <= 0:
        return np.zeros(0)
    return 0.5 - 0.5 * np.cos(np.pi * (np.arange(frames) + 0.5) / frames)


def fade_edges(samples, fade_in, fade_out):
    """Fades the first and last frames (seconds each) so a sound starts and ends at rest."""
    out = np.array(samples, dtype=np.float64)
    head, tail = seconds(fade_in), seconds(fade_out)
    out[:head] *= raised_cosine(head)
    if tail:
        out[-tail:] *= raised_cosine(tail)[::-1]
    return out


def envelope(frames, attack, release, hold=None):
    """Attack ramp, level 1, then a release ramp that ends the sound at 0.

    attack and release are in seconds; hold, when given, is the time the release starts.
    """
    env = np.ones(frames)
    a = min(seconds(attack), frames)
    env[:a] = raised_cosine(a)
    start = frames - seconds(release) if hold is None else seconds(hold)
    start = max(0, min(start, frames))
    env[start:] *= raised_cosine(frames - start)[::-1]
    return env


def decay(frames, time_constant):
    """Exponential decay exp(-t / time_constant)."""
    return np.exp(-time_axis(frames) / time_constant)


def partials(frequency, frames, spectrum, phase=0.0, vibrato=None):
    """Sum of sine partials: spectrum is (multiple, amplitude, decay time or None) rows.

    vibrato is (rate Hz, depth in semitones, onset seconds) or None.
    """
    t = time_axis(frames)
    cycles = frequency * t
    if vibrato is not None:
        rate, depth, onset = vibrato
        fade_in = np.clip((t - onset) / 0.3, 0.0, 1.0)
        wobble = (2.0 ** (depth / 12.0) - 1.0) * fade_in * np.sin(2 * np.pi * rate * t)
        cycles = np.cumsum(frequency * (1.0 + wobble)) / SAMPLE_RATE
    out = np.zeros(frames)
    for multiple, amplitude, time_constant in spectrum:
        if multiple * frequency >= SAMPLE_RATE / 2:
            continue  # above Nyquist it would alias
        wave = amplitude * np.sin(2 * np.pi * multiple * cycles + phase * multiple)
        if time_constant is not None:
            wave *= decay(frames, time_constant)
        out += wave
    return out


def smoothed_noise(frames, seed, width):
    """White noise averaged over `width` frames: a gentle low-pass."""
    noise = np.random.RandomState(seed).uniform(-1.0, 1.0, frames + width)
    kernel = np.ones(width) / width
    return np.convolve(noise, kernel, mode="valid")[:frames] * np.sqrt(width)


def high_passed_noise(frames, seed, width):
    """White noise minus its local average: keeps the hiss, drops the rumble."""
    noise = np.random.RandomState(seed).uniform(-1.0, 1.0, frames + width)
    kernel = np.ones(width) / width
    return noise[width // 2:width // 2 + frames] - np.convolve(noise, kernel, mode="valid")[:frames]


def normalise(samples, peak):
    """Scales so the loudest sample is exactly `peak` of full scale."""
    loudest = np.max(np.abs(samples))
    return samples * (peak / loudest) if loudest > 0 else samples
