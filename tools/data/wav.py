"""Writes sounds as 16-bit PCM WAV files.

Layout of every file written here: a 44-byte RIFF header (one "fmt " chunk: PCM, 16 bits per
sample, the given channel count and rate; then one "data" chunk) followed by the samples,
little-endian, channels interleaved. No other chunk, so no date or tool name, ever.

Samples are handed in as floats in -1..1, shape (frames,) for mono or (frames, channels).
Nothing is clipped silently: a sample past full scale is an error of the caller's mix.
"""
import struct

import numpy as np

FULL_SCALE = 32767


def to_pcm16(samples):
    samples = np.asarray(samples, dtype=np.float64)
    peak = np.max(np.abs(samples)) if samples.size else 0.0
    if peak > 1.0:
        raise ValueError("samples reach %.3f of full scale: the mix would clip" % peak)
    return np.rint(samples * FULL_SCALE).astype("<i2")


def write_wav(path, samples, rate):
    pcm = to_pcm16(samples)
    channels = 1 if pcm.ndim == 1 else pcm.shape[1]
    data = pcm.tobytes()
    block_align = channels * 2
    header = b"RIFF" + struct.pack("<I", 36 + len(data)) + b"WAVE"
    header += b"fmt " + struct.pack("<IHHIIHH", 16, 1, channels, rate, rate * block_align,
                                    block_align, 16)
    header += b"data" + struct.pack("<I", len(data))
    with open(path, "wb") as out:
        out.write(header)
        out.write(data)
