"""Synthesises the music loop, zik.ogg: 24 bars of music_score, 57.6 s, Ogg Vorbis.

The mix is made circular so the track loops without a click: every sound that rings past the
end of the last bar (pad releases, plucks, drum tails) is added back onto the start, and the
reverb is a circular convolution. So the last sample leads into the first exactly as any
sample leads into the next. The file itself begins a few milliseconds before the first bar, at
the quietest moment there, so the very first play does not start on a step either. The loop
is mastered to a normal level (peak -1.5 dBFS, about -16 dBFS RMS) as 44100 Hz stereo, then
encoded by oggenc with a fixed stream serial number.
"""
import functools
import os
import subprocess
import sys
import tempfile

import numpy as np

import music_score as score
from synth import (SAMPLE_RATE, decay, envelope, high_passed_noise, midi_frequency, normalise,
                   partials, seconds, smoothed_noise, time_axis)
from wav import write_wav

BEAT = 60.0 / score.BEATS_PER_MINUTE            # seconds
BAR = BEAT * score.BEATS_PER_BAR
LOOP_FRAMES = seconds(BAR * len(score.PROGRESSION))
TAIL_FRAMES = seconds(4.0)                      # room for sounds ringing past the loop's end
PEAK = 10 ** (-1.5 / 20)
OGG_QUALITY = "3"
OGG_SERIAL = "1704"
REVERB_SEED = 41
START_SEARCH = seconds(0.03)                    # how far before bar 1 the file may begin


class Mix:
    """Two stereo buses, dry and reverb send, each the loop plus room for tails."""

    def __init__(self):
        self.dry = np.zeros((LOOP_FRAMES + TAIL_FRAMES, 2))
        self.send = np.zeros_like(self.dry)

    def add(self, beat, mono, level, pan=0.0, reverb=0.0):
        """Places a mono sound at a time in beats; pan -1 (left) .. 1 (right)."""
        start = seconds(beat * BEAT)
        frames = len(mono)
        angle = (pan + 1.0) * np.pi / 4
        stereo = np.outer(mono * level, (np.cos(angle), np.sin(angle))) * np.sqrt(2.0)
        self.dry[start:start + frames] += stereo
        self.send[start:start + frames] += stereo * reverb

    def folded(self, bus):
        """The loop with its tail wrapped back onto the start."""
        loop = bus[:LOOP_FRAMES].copy()
        loop[:TAIL_FRAMES] += bus[LOOP_FRAMES:]
        return loop


@functools.lru_cache(maxsize=None)   # the score repeats its notes; draw each once
def pad_voice(note, hold):
    frames = seconds(hold + 0.6)
    spectrum = [(k, 1.0 / k ** 1.6, None) for k in range(1, 7)]
    tone = np.zeros(frames)
    # Two copies a few cents apart, started out of phase, give the pad its slow chorus.
    for cents, phase in ((-5.0, 0.0), (5.0, 1.3)):
        tone += partials(midi_frequency(note + cents / 100), frames, spectrum, phase=phase)
    return tone * envelope(frames, 0.35, None, hold=hold) * 0.5


@functools.lru_cache(maxsize=None)
def bass_voice(note, length):
    frames = seconds(length * BEAT + 0.12)
    spectrum = ((1, 1.0, None), (2, 0.3, 0.25), (3, 0.12, 0.12))
    tone = partials(midi_frequency(note), frames, spectrum) * decay(frames, 1.2)
    return tone * envelope(frames, 0.006, None, hold=length * BEAT * 0.92)


@functools.lru_cache(maxsize=None)
def piano_voice(note):
    frames = seconds(1.0)
    spectrum = ((1, 1.0, 0.45), (2, 0.35, 0.22), (3, 0.12, 0.12), (4, 0.06, 0.06),
                (7.1, 0.04, 0.02))
    return partials(midi_frequency(note), frames, spectrum) * envelope(frames, 0.003, 0.3)


@functools.lru_cache(maxsize=None)
def lead_voice(note, length):
    frames = seconds(length * BEAT + 0.18)
    spectrum = ((1, 1.0, None), (2, 0.28, None), (3, 0.1, None), (4, 0.04, None))
    tone = partials(midi_frequency(note), frames, spectrum, vibrato=(5.0, 0.15, 0.2))
    return tone * envelope(frames, 0.03, None, hold=length * BEAT)


def kick_sound():
    frames = seconds(0.35)
    pitch = 48.0 + 80.0 * np.exp(-time_axis(frames) / 0.025)
    body = np.sin(2 * np.pi * np.cumsum(pitch) / SAMPLE_RATE) * decay(frames, 0.11)
    return body * envelope(frames, 0.002, 0.05)


def rim_sound():
    frames = seconds(0.2)
    snap = (smoothed_noise(frames, 51, 2) - smoothed_noise(frames, 51, 12) * 0.5)
    body = partials(190.0, frames, ((1, 0.6, 0.05), (2.3, 0.2, 0.03)))
    return (snap * decay(frames, 0.045) + body) * envelope(frames, 0.001, 0.05)


def hat_sound(seed):
    frames = seconds(0.09)
    return high_passed_noise(frames, seed, 3) * decay(frames, 0.018) * envelope(frames, 0.001, 0.02)


def place_harmony(mix):
    for bar, name in enumerate(score.PROGRESSION):
        root, pad = score.CHORDS[name]
        first = bar * score.BEATS_PER_BAR
        for index, note in enumerate(pad):
            mix.add(first, pad_voice(note, BAR), 0.07, pan=-0.5 + index / 3.0, reverb=0.5)
        for beat, length, interval in score.BASS:
            mix.add(first + beat, bass_voice(root + interval, length), 0.32, reverb=0.1)
        for eighth, index in enumerate(score.ARPEGGIO):
            # The piano stays light in the theme and opens up from the answer on.
            level = 0.055 if bar < 8 else 0.085
            pan = 0.45 if eighth % 2 == 0 else -0.2
            mix.add(first + eighth / 2, piano_voice(pad[index] + 12), level, pan=pan, reverb=0.35)


def place_melody(mix):
    for bar, notes in enumerate(score.MELODY):
        beat = bar * score.BEATS_PER_BAR
        for note, length in notes:
            if note is not None:
                mix.add(beat, lead_voice(note, length), 0.2, pan=0.05, reverb=0.4)
            beat += length
        if beat != (bar + 1) * score.BEATS_PER_BAR:
            raise ValueError("bar %d of the melody does not fill its four beats" % (bar + 1))


def place_drums(mix):
    kick, rim = kick_sound(), rim_sound()
    hats = [hat_sound(60 + n) for n in range(4)]   # a few takes so the hats do not machine-gun
    for bar in range(len(score.PROGRESSION)):
        first = bar * score.BEATS_PER_BAR
        if bar not in score.QUIET_DRUM_BARS:
            # A pushed kick closes every fourth bar.
            for beat in (0, 2, 2.5) if bar % 4 == 3 else (0, 2):
                mix.add(first + beat, kick, 0.55, reverb=0.05)
            for beat in (1, 3):
                mix.add(first + beat, rim, 0.1, pan=-0.15, reverb=0.3)
        for eighth in range(8):
            level = 0.05 if eighth % 2 else 0.03
            mix.add(first + eighth / 2, hats[(bar + eighth) % 4], level, pan=0.3, reverb=0.1)


def reverb_response(channel):
    """A 1.6 s room: darkened noise with an exponential decay, a little different per side."""
    frames = seconds(1.6)
    predelay = seconds(0.018)
    noise = smoothed_noise(frames, REVERB_SEED + channel, 3)
    response = np.zeros(frames + predelay)
    response[predelay:] = noise * decay(frames, 0.25)
    return response / np.sqrt(np.sum(response ** 2))


def circular_reverb(send):
    """Convolves each side with its room response, wrapping round the loop."""
    wet = np.zeros_like(send)
    for channel in range(2):
        response = np.zeros(LOOP_FRAMES)
        ir = reverb_response(channel)
        response[:len(ir)] = ir
        spectrum = np.fft.rfft(send[:, channel]) * np.fft.rfft(response)
        wet[:, channel] = np.fft.irfft(spectrum, LOOP_FRAMES)
    return wet


def build_loop():
    mix = Mix()
    place_harmony(mix)
    place_melody(mix)
    place_drums(mix)
    loop = mix.folded(mix.dry) + circular_reverb(mix.folded(mix.send))
    return normalise(quiet_start(loop), PEAK)


def quiet_start(loop):
    """Turns the loop so it begins where both sides are nearest to rest just before bar 1."""
    window = loop[LOOP_FRAMES - START_SEARCH:]
    slope = np.abs(np.diff(np.vstack((window, loop[:1])), axis=0))
    restlessness = np.sum(np.abs(window) + slope, axis=1)
    start = LOOP_FRAMES - START_SEARCH + int(np.argmin(restlessness))
    return np.roll(loop, -start, axis=0)


def main(out_dir):
    loop = build_loop()
    with tempfile.TemporaryDirectory() as work:
        wav_path = os.path.join(work, "zik.wav")
        write_wav(wav_path, loop, SAMPLE_RATE)
        subprocess.run(["oggenc", "--quiet", "--quality", OGG_QUALITY, "--serial", OGG_SERIAL,
                        "--output", os.path.join(out_dir, "zik.ogg"), wav_path], check=True)


if __name__ == "__main__":
    main(sys.argv[1])
