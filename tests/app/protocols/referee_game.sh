#!/bin/sh
# One whole game under the referee: `reversi --gtp --level 1` as Black from f5 d6 against GRhino's
# `gtp-rhino --level 1 --book 0`, every move legal and both final scores right. gtp-rhino comes
# from Debian's grhino package, installed for the tests only: without it the test is skipped.
referee=$1
game=$2
rhino=$(command -v gtp-rhino || { test -x /usr/games/gtp-rhino && echo /usr/games/gtp-rhino; })
if [ -z "$rhino" ]; then
  echo "skipped: gtp-rhino is not installed (apt-get install grhino)"
  exit 77
fi
export XDG_CONFIG_HOME="${TMPDIR:-/tmp}/referee-config.$$" XDG_DATA_HOME="${TMPDIR:-/tmp}/referee-data.$$"
trap 'rm -rf "$XDG_CONFIG_HOME" "$XDG_DATA_HOME"' EXIT
"$referee" "$game --gtp --level 1" "$rhino --level 1 --book 0" f5d6 || exit 1
# And the colours the other way round.
"$referee" "$rhino --level 1 --book 0" "$game --gtp --level 1" f5f6
