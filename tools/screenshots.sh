#!/usr/bin/env bash
# Refreshes the pictures in docs/screenshots/ from an end-to-end run: builds the game and its
# end-to-end tests, runs them with REVERSI_SCREENSHOT_DIR set (each checked screen is kept there
# as a PPM), and converts the screens the README shows to PNG with ImageMagick, without time
# stamps, so an unchanged screen gives an unchanged file.
#   bash tools/screenshots.sh [build-directory]     (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

cmake -S . -B "$build"
cmake --build "$build" -j"$(nproc)" --target e2e_tests

shots=$(mktemp -d)
if ! REVERSI_SCREENSHOT_DIR="$shots" ctest --test-dir "$build" -L e2e --output-on-failure -j"$(nproc)"; then
  echo "The end-to-end tests failed; their pictures (failed-*.ppm: the last screen seen) are in $shots" >&2
  exit 1
fi

# In the order a player meets them.
screens=(title-veil title-board start-flash start-position move-played game-over credits
         tilt-highest tilt-lowest)
mkdir -p docs/screenshots
for screen in "${screens[@]}"; do
  convert "$shots/$screen.ppm" -strip -define png:exclude-chunks=date,time \
    "docs/screenshots/$screen.png"
  echo "docs/screenshots/$screen.png"
done
rm -rf "$shots"
