"""The score of the music loop: 24 bars of 4/4 at 100 beats a minute, in C major.

Three 8-bar sections, A (the theme), B (a higher answer to it) and C (a calm bridge whose
last chord, G7, leads back to the first). Notes are MIDI numbers (60 is middle C), times and
lengths are in beats.
"""

BEATS_PER_MINUTE = 100
BEATS_PER_BAR = 4

# Bass root and the four notes of the pad for each chord, voiced to move smoothly.
CHORDS = {
    "Fmaj7": (41, (53, 57, 60, 64)),
    "Em7": (40, (52, 55, 59, 62)),
    "Dm7": (38, (50, 53, 57, 60)),
    "Cmaj7": (36, (55, 59, 60, 64)),
    "G7sus": (43, (53, 55, 60, 62)),
    "Am7": (45, (55, 57, 60, 64)),
    "G": (43, (55, 59, 62, 67)),
    "G7": (43, (53, 55, 59, 62)),
}

PROGRESSION = (
    "Fmaj7", "Em7", "Dm7", "Cmaj7", "Fmaj7", "Em7", "Dm7", "G7sus",     # A
    "Am7", "Fmaj7", "Cmaj7", "G", "Am7", "Fmaj7", "Dm7", "G7",          # B
    "Fmaj7", "G", "Em7", "Am7", "Dm7", "Em7", "Fmaj7", "G7",            # C
)

# The melody, bar by bar: (note, length in beats); None is a rest.
MELODY = (
    # A
    ((76, 1.5), (72, 0.5), (69, 1), (72, 1)),
    ((71, 1.5), (67, 0.5), (76, 2)),
    ((69, 1), (72, 1), (74, 1), (77, 1)),
    ((76, 3), (None, 0.5), (67, 0.5)),
    ((76, 1.5), (72, 0.5), (69, 1), (67, 0.5), (69, 0.5)),
    ((71, 1.5), (74, 0.5), (79, 2)),
    ((77, 1), (76, 0.5), (74, 0.5), (72, 1), (69, 1)),
    ((74, 3), (None, 1)),
    # B
    ((72, 0.5), (76, 0.5), (81, 2), (79, 1)),
    ((77, 1), (76, 1), (72, 2)),
    ((76, 0.5), (79, 0.5), (76, 1), (74, 1), (72, 1)),
    ((74, 3), (71, 1)),
    ((72, 0.5), (76, 0.5), (81, 1.5), (79, 0.5), (81, 1)),
    ((84, 2), (81, 1), (77, 1)),
    ((77, 1), (76, 1), (74, 1), (72, 1)),
    ((71, 2), (74, 1), (77, 1)),
    # C
    ((69, 2), (72, 2)),
    ((71, 2), (74, 2)),
    ((79, 3), (76, 1)),
    ((76, 4),),
    ((77, 2), (81, 1), (77, 1)),
    ((79, 2), (76, 1), (71, 1)),
    ((72, 1), (69, 1), (72, 1), (76, 1)),
    ((74, 2), (None, 2)),
)

# Broken-chord figure of the electric piano: indices into the pad notes, one per eighth.
ARPEGGIO = (0, 1, 2, 3, 1, 2, 3, 2)

# Bass figure: (beat, length, interval above the root).
BASS = ((0, 1.5, 0), (1.5, 0.5, 0), (2, 1.5, 7), (3.5, 0.5, 12))

# Bars where the kick and the rim rest (the first half of the bridge breathes).
QUIET_DRUM_BARS = range(16, 20)
