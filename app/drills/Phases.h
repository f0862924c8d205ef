#pragma once
// The player's progress against the computer: the discs lost per move in the three phases of a
// game, for each tenth of the games kept against the computer, oldest first.
//
// A move's phase is its number from the start of a game (61 less the empty squares before it, so
// that a game kept from a set-up position counts its moves where they stand): the opening 1-20,
// the middle 21-40, the end 41-60. Only the person's moves count, judged as the drills judge them
// (Verdicts.h). With fewer than ten such games each is a tenth of its own.
#include "app/drills/Verdicts.h"

#include <vector>

namespace drills {

constexpr int Phases = 3;
constexpr int Tenths = 10;
// The last move number of the opening and of the middle.
constexpr int OpeningEnds = 20, MiddleEnds = 40;

struct PhaseRow {
    int firstGame = 0; // the kept games' numbers (1-based, as --games lists them) of the tenth
    int lastGame = 0;
    int moves[Phases] = {};
    int discsLost[Phases] = {};

    bool has(int phase) const { return moves[phase] > 0; }
    double average(int phase) const { return moves[phase] > 0 ? double(discsLost[phase]) / moves[phase] : 0.0; }
};

// `verdicts` holds the games' verdicts by key (collectExercises'); a game without is left out.
std::vector<PhaseRow> phaseRows(const std::vector<records::GameRecord>& games, const VerdictMap& verdicts);

} // namespace drills
