#pragma once

#include "tests/e2e/Screenshot.h"
#include "tests/e2e/TgaPicture.h"

#include <cstdint>
#include <string>

// Reads the game's overlay text back from a screenshot, glyph by glyph, against the game's own
// font atlas. The atlas is a 16 x 16 grid of glyph cells, row 0 at the top of the texture
// (t = 1), byte k in column k mod 16 and row k div 16. The game draws each cell as a
// 0.03 x 0.03 overlay quad, linearly filtered, advancing the pen 0.018 per byte, blended so that
// a glyph value g (0..1) gives g * g over a black background. From that the expected look of any
// glyph at any overlay position is worked out here and compared with what the screen shows.
class OverlayText {
public:
    // Reads an uncompressed 24-bit TGA atlas; `isLoaded` tells whether that worked.
    explicit OverlayText(const std::string& atlasPath);
    bool isLoaded() const { return m_atlas.isLoaded(); }

    // The text of `length` bytes whose first glyph cell has its lower-left corner at overlay
    // (x, y): each cell is read as the printable byte (space included) whose expected ink
    // matches the screen best. Meant for text over a black or dark background.
    std::string read(const Screenshot& shot, double x, double y, size_t length) const;

    // For text over an unknown background: the share (0..1) of the pixels where `text` would
    // be drawn at full strength that the screen shows near white.
    double inkCoverage(const Screenshot& shot, double x, double y, const std::string& text) const;

private:
    struct Shift {
        int dx = 0;
        int dy = 0;
    };

    // The glyph value 0..1 of byte `byte` at the screen pixel (column, row) for a cell whose
    // lower-left corner is at overlay (cellX, cellY); 0 outside the cell.
    double glyphValueAt(std::uint8_t byte, double cellX, double cellY, int column, int row) const;
    // Mean absolute difference between the screen and byte `byte` drawn in cell (cellX, cellY),
    // over the part of the cell one pen advance wide.
    double cellError(const Screenshot& shot, std::uint8_t byte, double cellX, double cellY,
                     Shift shift) const;
    Shift bestShift(const Screenshot& shot, double x, double y, const std::string& text) const;

    TgaPicture m_atlas;
};

// Overlay sizes of the game's font.
constexpr double glyphCellSize = 0.03;
constexpr double penAdvance = 0.018;

// The overlay x at which a centred message of `length` bytes starts.
double centredMessageX(size_t length);
