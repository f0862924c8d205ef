#!/usr/bin/env bash
# Installs the Debian 12 packages the game, its tests and its data generators need.
# Only what is missing is installed; apt-get runs through sudo when we are not root.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  libsdl1.2-dev libsdl-mixer1.2-dev
  libgl1-mesa-dev libglu1-mesa-dev libosmesa6-dev libgl1-mesa-dri
  libgtest-dev googletest libbenchmark-dev clang libclang-rt-14-dev
  xvfb libx11-dev libxtst-dev x11-apps imagemagick
  python3 python3-pil python3-numpy sox vorbis-tools fonts-dejavu-core
  desktop-file-utils appstream man-db groff-base dpkg-dev file lintian
  libsdl1.2-compat
  grhino # gtp-rhino: the GTP opponent of the referee's test and of tools/gtp-match.sh, never the game's
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=()
  [[ $(id -u) -eq 0 ]] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
