#!/usr/bin/env bash
# Measures what the game costs the machine: launch to first frame, and the CPU it uses on the
# title and on the idle play screen (a private Xvfb, 10 s each, three rounds). Given a git
# revision, that revision's game is built aside and measured in the same rounds, for a before
# and after in one run. It measures; it judges nothing.
#   bash tools/frame-cost.sh [REVISION] [frame_cost options]
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh

cmake -S . -B build -DREVERSI_TESTS=ON >/dev/null
cmake --build build -j"$(nproc)" --target reversi frame_cost
games=("$PWD/build/app/reversi")

if [[ $# -gt 0 && $1 != --* ]]; then
  revision=$1
  shift
  other=$(mktemp -d)
  trap 'rm -rf "$other"' EXIT
  git archive "$revision" | tar -x -C "$other"
  cmake -S "$other" -B "$other/build" -DREVERSI_TESTS=OFF >/dev/null
  cmake --build "$other/build" -j"$(nproc)" --target reversi >/dev/null
  games=("$other/build/app/reversi" "${games[@]}")
fi

./build/bench/frame_cost "$@" "${games[@]}"
