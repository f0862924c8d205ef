#!/usr/bin/env bash
# Regenerates every data file of the game from scratch:
#   bash tools/data/generate.sh [output directory]    (default: the project's data/)
# Writes image/font3.tga, image/tray.tga, image/particle.tga, image/fond.tga, zik.ogg,
# cursor.wav, drop.wav, win.wav and the desktop icons icons/reversi-{48,64,128,256}.png.
# The same bytes come out on every run and every machine.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
out=${1:-"$here/../../data"}
mkdir -p "$out/image"
out=$(cd "$out" && pwd)

# Debian's Python, the one with Pillow and NumPy (another python3 may come first on PATH).
python=/usr/bin/python3
export PYTHONDONTWRITEBYTECODE=1
# NumPy picks SIMD code paths by processor, and some of them round differently in the last
# bit; keeping it on its baseline paths makes the output the same on every x86-64 machine.
NPY_DISABLE_CPU_FEATURES=$("$python" -c '
from numpy.core._multiarray_umath import __cpu_dispatch__, __cpu_features__
print(" ".join(f for f in __cpu_dispatch__ if __cpu_features__.get(f)))')
export NPY_DISABLE_CPU_FEATURES

"$python" "$here/make_font.py" "$out/image/font3.tga"
"$python" "$here/make_tray.py" "$out/image/tray.tga"
"$python" "$here/make_particle.py" "$out/image/particle.tga"
"$python" "$here/make_fond.py" "$out/image/fond.tga"
"$python" "$here/make_effects.py" "$out"
"$python" "$here/make_music.py" "$out"
"$python" "$here/make_icons.py" "$out/icons"
