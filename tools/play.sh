#!/usr/bin/env bash
# Installs what is missing, builds the game and runs it from the project root, where it finds
# its ./data files. The game's exit status is this script's.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
cmake -S . -B build -DREVERSI_TESTS=OFF
cmake --build build -j"$(nproc)" --target reversi
exec ./build/app/reversi
