#pragma once
// Where the overlay puts its text, in overlay units: the window is the unit square, (0, 0)
// bottom left, and a position is the lower-left corner of the first glyph cell. All of it rests
// on the renderer's font settings: a glyph cell 0.03 x 0.03 and a pen advance of 0.018 per byte.
#include <cstddef>

namespace overlay {

constexpr float GlyphSize = 0.03f; // cell width and height
constexpr float Advance = 0.018f;  // pen step per byte

constexpr float NameY = 0.8f;     // both players' names
constexpr float ScoreY = 0.76f;   // both scores: one cell plus a 0.01 gap below the names
constexpr float MessageY = 0.95f; // centred message: cells span 0.95..0.98
constexpr float PlayerOneX = 0.0f;
constexpr float CreditsX = 0.0f;
constexpr float CreditsY = 0.02f;

// A name of `length` bytes that ends one advance short of the right edge.
float playerTwoNameX(std::size_t length);
// Room for three digits ending at the right edge; the one or two that occur start here.
float playerTwoScoreX();
// A run of `length` advances centred on x 0.5 (every byte counts, a newline included); long
// messages start left of the window and are cut off there.
float centredMessageX(std::size_t length);

} // namespace overlay
