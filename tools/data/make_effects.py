"""Synthesises the three sound effects as 16-bit mono WAV files at 44100 Hz.

- cursor.wav: a short soft tick, 50 ms, for every cursor step.
- drop.wav: a disc set down on the board, 150 ms: a felted thump with a small wooden knock.
- win.wav: a bright little fanfare, 1 s: a rising major arpeggio into a held chord.

Every sound starts and ends at rest (a few milliseconds of fade) and peaks below full scale.
"""
import os
import sys

import numpy as np

from synth import (SAMPLE_RATE, decay, envelope, fade_edges, midi_frequency, normalise,
                   partials, seconds, smoothed_noise, time_axis)
from wav import write_wav


def cursor_tick():
    frames = seconds(0.05)
    body = partials(1850.0, frames, ((1, 1.0, 0.006), (2.03, 0.35, 0.003), (0.5, 0.4, 0.012)))
    click = smoothed_noise(frames, seed=21, width=4) * decay(frames, 0.0015) * 0.3
    return normalise(fade_edges(body + click, 0.001, 0.01), 0.45)


def disc_drop():
    frames = seconds(0.15)
    t = time_axis(frames)
    # The thump falls in pitch as the felt gives under the disc.
    pitch = 95.0 + 75.0 * np.exp(-t / 0.02)
    thump = np.sin(2 * np.pi * np.cumsum(pitch) / SAMPLE_RATE) * decay(frames, 0.035)
    knock = partials(620.0, frames, ((1, 0.45, 0.025), (1.68, 0.3, 0.015), (2.79, 0.18, 0.008)))
    click = smoothed_noise(frames, seed=22, width=6) * decay(frames, 0.003) * 0.35
    return normalise(fade_edges(thump + knock + click, 0.0015, 0.02), 0.7)


def brass(note, frames, attack, release):
    """A bright horn-like tone: many harmonics, the upper ones fading a little faster."""
    spectrum = [(k, 0.9 / k ** 0.9, 0.35 / k ** 0.3 + 0.25) for k in range(1, 12)]
    tone = partials(midi_frequency(note), frames, spectrum, vibrato=(5.5, 0.12, 0.25))
    return tone * envelope(frames, attack, release)


def win_fanfare():
    frames = seconds(1.0)
    out = np.zeros(frames)
    # G4 C5 E5 G5 in quick steps, then a C major chord crowned by C6.
    step = 0.09
    for index, note in enumerate((67, 72, 76, 79)):
        start = seconds(index * step)
        length = seconds(step * 1.6)
        out[start:start + length] += 0.8 * brass(note, length, 0.008, 0.05)
    chord_start = seconds(4 * step)
    chord_frames = frames - chord_start
    for note, level in ((72, 0.5), (76, 0.45), (79, 0.45), (84, 0.7)):
        out[chord_start:] += level * brass(note, chord_frames, 0.012, 0.35)
    # A glint of bell on the chord's arrival.
    bell = partials(midi_frequency(96), chord_frames, ((1, 0.25, 0.25), (2.76, 0.1, 0.1)))
    out[chord_start:] += bell * envelope(chord_frames, 0.003, 0.05)
    return normalise(fade_edges(out, 0.003, 0.08), 0.8)


def main(out_dir):
    write_wav(os.path.join(out_dir, "cursor.wav"), cursor_tick(), SAMPLE_RATE)
    write_wav(os.path.join(out_dir, "drop.wav"), disc_drop(), SAMPLE_RATE)
    write_wav(os.path.join(out_dir, "win.wav"), win_fanfare(), SAMPLE_RATE)


if __name__ == "__main__":
    main(sys.argv[1])
