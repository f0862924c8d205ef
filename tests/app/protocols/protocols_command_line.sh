#!/bin/sh
# Both protocols through the real executable: no window, no data folder (run from an empty
# folder), answers flushed through a pipe, and the end of input ending the engine with status 0,
# after the answer of a search still running then.
game=$1
fail() { echo "FAIL: $*"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
cd "$work" || exit 1

out=$(printf '1 protocol_version\nplay b f5\n\n\377\ngenmove w\nfinal_score\n' | "$game" --gtp --level 2) ||
  fail "--gtp ended with status $?"
printf '%s\n' "$out" | grep -qx '=1 2' || fail "no id on the answer: $out"
printf '%s\n' "$out" | grep -qx '? line not in UTF-8' || fail "a broken line unanswered: $out"
printf '%s\n' "$out" | grep -Eqx '= (D6|F6|F4)' || fail "no move for White after f5: $out"
printf '%s\n' "$out" | grep -qx '? cannot score' || fail "the lines after a search unanswered: $out"

printf 'quit\nname\n' | "$game" --gtp > quit.txt || fail "--gtp quit: status $?"
[ "$(cat quit.txt)" = "=" ] || fail "answers after quit: $(cat quit.txt)"

out=$(printf 'nboard 2\nset depth 5\nset game (;GM[Othello]BO[8 ---------------------------O*------*O--------------------------- *]B[F5];)\nping 3\ngo\n' |
  "$game" --nboard 2> errors.txt) || fail "--nboard ended with status $?"
printf '%s\n' "$out" | head -1 | grep -qx 'set myname Reversi' || fail "no name first: $out"
printf '%s\n' "$out" | grep -qx 'pong 3' || fail "no pong: $out"
printf '%s\n' "$out" | grep -Eqx '=== (d6|f6|f4)/-?[0-9]+\.00/[0-9.]+' || fail "no move at the end of input: $out"
[ -s errors.txt ] && fail "stderr on good input: $(cat errors.txt)"

printf 'bogus\n' | "$game" --nboard > /dev/null 2> errors.txt || fail "--nboard bad line: status $?"
grep -qx "reversi: unknown command 'bogus'" errors.txt || fail "bad line: $(cat errors.txt)"

"$game" --gtp --level 9 < /dev/null 2> errors.txt && fail "--gtp --level 9 accepted"
[ $? -eq 2 ] || fail "--gtp --level 9: not status 2"
[ -e "$work/data" ] && fail "a data folder was made"
echo "protocols on the command line: ok"
