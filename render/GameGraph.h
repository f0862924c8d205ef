#pragma once
// The review's graph of the game: a strip along the bottom of the overlay with one column per
// position of the game, from the start to the end, each at Black's disc difference there
// (above the middle line: Black ahead), the position shown marked and the positions a mistake
// led to in red.
//
// The strip spans Left..Right and Bottom..Top in overlay units; position i of n + 1 sits at
// equal steps from Left (the start) to Right (the end). Values are clamped to +-Range.
#include <vector>

namespace graph {

constexpr float Left = 0.05f;
constexpr float Right = 0.95f;
constexpr float Bottom = 0.02f;
constexpr float Top = 0.14f;
constexpr int Range = 32; // a lead of 32 discs fills the half strip; beyond, the column stops there

struct Strip {
    std::vector<int> blackValues; // one per position; empty before any is known
    std::vector<bool> mistakes;   // the move that led to the position was a mistake
    std::vector<bool> known;      // the position's value is known yet; empty: every one is
    int positions = 1;            // the game's turns + 1
    int current = 0;              // the position shown
};

// The overlay x of position `index` of `positions`.
float positionX(int index, int positions);
// The position nearest overlay x at overlay height y, or -1 off the strip.
int positionAt(float x, float y, int positions);

} // namespace graph
