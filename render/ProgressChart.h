#pragma once
// The statistics screen's chart: one line per phase of a game (opening, middle, end) over the
// tenths of the games against the computer, oldest on the left, each point at the discs lost per
// move in that phase of that tenth (0 at the bottom, rising with the loss).
//
// The chart spans Left..Right and Bottom..Top in overlay units; point i of n sits at equal steps
// from Left to Right (a single point in the middle). Values are clamped to Range; a tenth with no
// move in a phase has no point there and its line breaks.
#include <vector>

namespace chart {

constexpr float Left = 0.1f;
constexpr float Right = 0.9f;
constexpr float Bottom = 0.2f;
constexpr float Top = 0.75f;
constexpr float Range = 8.0f; // discs lost per move at the top edge
constexpr int Lines = 3;      // opening, middle, end

struct Series {
    std::vector<float> values[Lines]; // discs lost per move, one per tenth
    std::vector<bool> present[Lines]; // the tenth has moves in that phase
};

// The overlay x of point `index` of `count`.
float pointX(int index, int count);
// The overlay y of `value` discs lost per move.
float pointY(float value);

} // namespace chart
