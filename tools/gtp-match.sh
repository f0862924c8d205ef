#!/usr/bin/env bash
# A short match of `reversi --gtp` against GRhino's gtp-rhino under our referee: each of our
# levels against GRhino's level of the same number, 8 games from 8 distinct openings, our colour
# alternating game by game. Measures and asserts nothing; CTest never runs it.
#
#   bash tools/gtp-match.sh [BUILD_DIR=build] [LEVELS="1 2 3 4 5"]
#
# Needs gtp-rhino (Debian's grhino package: apt-get install grhino) and a build with the tests
# (for build/tests/app/protocols/gtp_referee).
set -uo pipefail
build=${1:-build}
levels=${2:-1 2 3 4 5}
referee=$build/tests/app/protocols/gtp_referee
game=$build/app/reversi
rhino=$(command -v gtp-rhino || echo /usr/games/gtp-rhino)
[[ -x $referee && -x $game ]] || { echo "build $build with the tests first" >&2; exit 2; }
[[ -x $rhino ]] || { echo "gtp-rhino is not installed (apt-get install grhino)" >&2; exit 2; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export XDG_CONFIG_HOME=$tmp/config XDG_DATA_HOME=$tmp/data

openings=(f5d6c3d3c4 f5d6c5f4e3 f5f6e6f4e3 f5f4e3f6d3 f5d6c3d3c4f4 f5f6e6f4g5 f5d6c4d3c3 f5f4e3d6c5)
for level in $levels; do
  wins=0 draws=0 losses=0 discs=0 faults=0
  for i in "${!openings[@]}"; do
    ours="$game --gtp --level $level"
    theirs="$rhino --level $level --book 0"
    if ((i % 2 == 0)); then black=$ours white=$theirs; else black=$theirs white=$ours; fi
    start=$SECONDS
    if ! line=$("$referee" "$black" "$white" "${openings[i]}"); then
      faults=$((faults + 1))
      echo "level $level game $((i + 1)): FAULT $line"
      continue
    fi
    result=$(awk '{print $2}' <<<"$line")
    diff=0
    case $result in b+*) diff=${result#b+} ;; w+*) diff=-${result#w+} ;; esac
    ((i % 2 == 1)) && diff=$((-diff)) # from our side
    if ((diff > 0)); then wins=$((wins + 1)); elif ((diff < 0)); then losses=$((losses + 1)); else draws=$((draws + 1)); fi
    discs=$((discs + diff))
    echo "level $level game $((i + 1)) (${openings[i]}, we play $( ((i % 2 == 0)) && echo Black || echo White)): $result for Black, $((SECONDS - start)) s"
  done
  echo "== reversi level $level vs gtp-rhino level $level: $wins wins, $draws draws, $losses losses, disc difference $discs, $faults faults"
done
