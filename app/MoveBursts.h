#pragma once
// The particle bursts of the moves played, above the rules: one burst for each square a move
// wrote, in the order written, in the frame the move lands and after the pool has aged.
//
// The pool is handed its texture at the first match step, when a GL context is current: the
// moment it has always been made, so the texture names and the GL state the frames see stay.
#include "rules/WrittenSquares.h"

class Match;

// Gives the pool its texture, made from the game's particle picture, unless it has one already.
// Needs a current OpenGL context the first time.
void readyParticlePool();
// One burst per written square, in order, above the board; a full pool drops the rest.
void spawnMoveBursts(const WrittenSquares& written);
// The match's once-a-frame step with its bursts: readies and ages the pool, steps the match, then
// bursts the squares its move wrote.
void stepMatchWithBursts(Match& match);
