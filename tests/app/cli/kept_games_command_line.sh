#!/bin/sh
# --games, --stats, --drills and --analyze through the real executable, over a games file with damage in
# it: the good games listed (no control byte let through to the terminal) and the damaged lines
# counted on stderr; a bad game to analyse names
# its first bad move on one stderr line, exits 2 and prints nothing; an unreadable file likewise.
# Games of other programs' GGF files are analysed by path and number, or refused the same way.
#   kept_games_command_line.sh GAME
game=$1
scratch=$(mktemp -d) && trap 'chmod -R u+rwx "$scratch"; rm -rf "$scratch"' EXIT
export XDG_DATA_HOME="$scratch/data"
file="$XDG_DATA_HOME/reversi/games.ggf"
mkdir -p "$XDG_DATA_HOME/reversi"
board='BO[8 -------- -------- -------- ---O*--- ---*O--- -------- -------- -------- *]'
{
    echo "(;GM[Othello]PC[reversi]DT[2026.12.08_10:00:00.UTC]PB[Joueur 1]PW[Joueur 2]RE[+64.000]TY[8]${board}B[f5]W[d6]B[c5]W[f4]B[e3]W[f6]B[g5]W[e6]B[e7];)"
    printf 'garbage \001\002\377\n'
    echo "(;GM[Othello]PC[reversi]DT[2026.12.08_10:05:00.UTC]PB[Joueur 1]PW[Ordinateur niveau 2]TY[8]${board}B[f5]W[d6]B[c3];)"
    printf '(;GM[Othello]DT[x]PB[\033c]PW[Joueur 2]TY[8]%sB[f5]W[d6]B[c3];)\n' "$board"
    printf '(;GM[Othello]PC[reversi]DT[2026.12.08_10:0'
} >"$file"

fail() { echo "$1"; exit 1; }

"$game" --games >"$scratch/out" 2>"$scratch/err" || fail "--games: status $?"
[ "$(wc -l <"$scratch/out")" -eq 3 ] || fail "--games: not three games: $(cat "$scratch/out")"
grep -q '^1  2026.12.08_10:00:00.UTC  Joueur 1 - Joueur 2  +64  f5d6c5f4e3f6g5e6e7$' "$scratch/out" ||
    fail "--games: first line: $(head -1 "$scratch/out")"
grep -q '^2  .*Joueur 1 - Ordinateur niveau 2  unfinished  f5d6c3$' "$scratch/out" || fail "--games: second line"
grep -q '^3  x  ?c - Joueur 2  unfinished  f5d6c3$' "$scratch/out" || fail "--games: a control byte reached the terminal"
grep -q '2 damaged lines skipped' "$scratch/err" || fail "--games: skipped lines not said: $(cat "$scratch/err")"

"$game" --stats >"$scratch/out" 2>/dev/null || fail "--stats: status $?"
grep -q '^two players (for player one) *2 *1 *0 *0 *1$' "$scratch/out" || fail "--stats: $(cat "$scratch/out")"
grep -q '^Ordinateur niveau 2 (for you) *1 *0 *0 *0 *1$' "$scratch/out" || fail "--stats: $(cat "$scratch/out")"

# --drills over the same file: status 0, the damaged lines counted, and the same list again from
# the verdicts kept beside the games (which the second run leaves as they were).
"$game" --drills >"$scratch/drills" 2>"$scratch/err" || fail "--drills: status $?"
grep -q '2 damaged lines skipped' "$scratch/err" || fail "--drills: skipped lines not said: $(cat "$scratch/err")"
cache="$XDG_DATA_HOME/reversi/verdicts.cache"
[ -f "$cache" ] || fail "--drills: no verdicts kept"
cp -p "$cache" "$scratch/cache-before"
"$game" --drills >"$scratch/drills-again" 2>/dev/null || fail "--drills again: status $?"
cmp -s "$scratch/drills" "$scratch/drills-again" || fail "--drills again: another list"
[ ! "$cache" -nt "$scratch/cache-before" ] && cmp -s "$cache" "$scratch/cache-before" || fail "--drills again: the verdicts were written again"

"$game" --analyze @1 --level 1 >"$scratch/out" 2>/dev/null || fail "--analyze @1: status $?"
[ "$(grep -c '^ *[0-9]*  \(Black\|White\)' "$scratch/out")" -eq 9 ] || fail "--analyze @1: not nine moves"
tail -2 "$scratch/out" | grep -q '^Black: 5 moves' || fail "--analyze @1: no summary"
"$game" --analyze @ --level 1 >"$scratch/out" 2>/dev/null || fail "--analyze @: status $?"
tail -1 "$scratch/out" | grep -q '^White: 1 move, ' || fail "--analyze @: not the last game"

refused() { # what, expected stderr part, arguments...
    what=$1 part=$2
    shift 2
    "$game" "$@" >"$scratch/out" 2>"$scratch/err"
    status=$?
    [ $status -eq 2 ] || fail "$what: status $status"
    [ ! -s "$scratch/out" ] || fail "$what: something on stdout"
    [ "$(wc -l <"$scratch/err")" -eq 1 ] || fail "$what: not one line on stderr"
    grep -q "$part" "$scratch/err" || fail "$what: $(cat "$scratch/err")"
}
refused "an illegal move" "move 3 (Black d6)" --analyze f5d6d6
refused "a letter outside a-h" "move 2 'J6'" --analyze F5J6
refused "no such kept game" "@1 to @3" --analyze @4
refused "a bad game number" "bad game '@x'" --analyze @x
# A GGF file of other programs, two games on Windows lines: the second, by number, reads as the
# same game kept as @1 does.
other="$scratch/other.ggf"
printf '%s\r\n%s\r\n' "(;GM[Othello]PC[GGS/os]PB[a]PW[b]TY[8]RE[?]${board}B[f5//0.01]W[d6/-2.5/0.01]B[c3];)" \
    "(;GM[Othello]PC[NBoard]PB[c]PW[d]TY[8]C[x \\] y]${board}B[F5]W[D6]B[C5]W[F4]B[E3]W[F6]B[G5]W[E6]B[E7];)" >"$other"
"$game" --analyze "$other@2" --level 1 >"$scratch/foreign" 2>/dev/null || fail "--analyze PATH@2: status $?"
"$game" --analyze @1 --level 1 >"$scratch/kept" 2>/dev/null || fail "--analyze @1: status $?"
cmp -s "$scratch/foreign" "$scratch/kept" || fail "--analyze PATH@2: not the game of @1: $(cat "$scratch/foreign")"
"$game" --analyze "$other" --level 1 >"$scratch/out" 2>/dev/null || fail "--analyze PATH: status $?"
[ "$(grep -c '^ *[0-9]*  \(Black\|White\)' "$scratch/out")" -eq 3 ] || fail "--analyze PATH: not its first game"
printf 'notes\n' >"$scratch/notes.txt"
printf '(;GM[Othello]TY[8]BO[8 -------- -------- -------- ---OO--- ---*O--- -------- -------- -------- *]B[f5];)\n' \
    >"$scratch/start.ggf"
refused "a missing file" "cannot open $scratch/none.ggf" --analyze "$scratch/none.ggf"
refused "a file that is no GGF" "not a GGF file" --analyze "$scratch/notes.txt"
refused "no such game in the file" "no game 3 in $other, which holds 2 games" --analyze "$other@3"
refused "another start" "starts from another position" --analyze "$scratch/start.ggf"
rm "$file" && mkdir "$file"
refused "a folder in the file's place" "not a plain file" --games
exit 0
