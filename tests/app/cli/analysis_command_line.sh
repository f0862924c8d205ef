#!/bin/sh
# The analysis commands through the real executable, with no display or sound device to be had:
# the answer alone on stdout and status 0; a bad position: nothing on stdout, one line on stderr,
# status 2.
#   analysis_command_line.sh GAME
game=$1
scratch=$(mktemp -d) && trap 'rm -rf "$scratch"' EXIT
last_empty=-OXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXX

answer=$("$game" --solve "$last_empty X") || { echo "--solve failed"; exit 1; }
[ "$answer" = "a1 +64" ] || { echo "--solve said '$answer'"; exit 1; }

"$game" --move "XO X" >"$scratch/out" 2>"$scratch/err"
status=$?
[ $status -eq 2 ] || { echo "bad position: status $status"; exit 1; }
[ ! -s "$scratch/out" ] || { echo "bad position: something on stdout"; exit 1; }
[ "$(wc -l <"$scratch/err")" -eq 1 ] || { echo "bad position: not one line on stderr"; exit 1; }
