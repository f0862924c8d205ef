#pragma once
// Games in the Generic Game Format that Reversi servers and engines exchange, one game per line:
//
//   (;GM[Othello]PC[reversi]DT[2026.12.08_10:07:36.UTC]PB[Joueur 1]PW[Ordinateur niveau 3]
//    RE[+12.000]TY[8]BO[8 -------- ... ---O*--- ---*O--- ... *]B[f5]W[d6]B[PA]...;)
//
// A property is upper-case letters and a value in brackets, where a backslash takes the next byte
// as it is (so "\]" and "\\"). BO lists the ranks from 1 to 8, each a1..h1 first ('*' Black, 'O'
// White, '-' empty), then the colour to move. A move is B[...] or W[...]: a square name or PA for a
// pass, optionally followed by "/evaluation/time" as servers write them. RE is Black's disc
// difference; an unfinished game has none.
#include "app/records/GameRecord.h"

#include <string>

namespace records {

// The game as one line, without its newline. Bytes below 0x20 in the names (which would break
// the line) are written as spaces.
std::string ggfLine(const GameRecord& game);

// Reads one game from `line` (the game's own text, nothing but blanks around it). Unknown
// properties are passed over. On failure returns false and says why in `error` (one line, as
// app/files/ErrorLine.h says). The moves are not checked against the rules here: see GameReplay.
bool parseGgf(const std::string& line, GameRecord& out, std::string& error);

// Reads the game that starts at `at` in `text` (blanks before it passed over) and moves `at` just
// past its ";)", for files of other programs that hold several games on a line or across lines.
// Fails as parseGgf does, and `at` is then left where it was; RE[?] (a result other programs write
// for a game not finished) reads as no result.
bool parseGgfAt(const std::string& text, std::size_t& at, GameRecord& out, std::string& error);

} // namespace records
