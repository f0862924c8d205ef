#pragma once
// The particle bursts of the moves played, above the rules: one burst for each square a move
// wrote, in the order written, in the frame the move lands and after the pool has aged.
//
// The first match step makes the pool, and with it its texture (a GL context is current by then).
#include "rules/WrittenSquares.h"

class Match;

// One burst per written square, in order, above the board; a full pool drops the rest.
void spawnMoveBursts(const WrittenSquares& written);
// The match's once-a-frame step with its bursts: ages the pool, steps the match, then bursts the
// squares its move wrote.
void stepMatchWithBursts(Match& match);
