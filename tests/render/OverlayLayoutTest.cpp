// Where the overlay's texts stand in the window.
#include "render/OverlayLayout.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

constexpr float Tolerance = 1e-6f;

TEST(OverlayLayout, TextPositionsOfTheGame)
{
    EXPECT_NEAR(overlay::playerTwoNameX(std::strlen("Joueur 2")), 0.838f, Tolerance);
    EXPECT_NEAR(overlay::centredMessageX(std::strlen("Appuyer sur une touche pour commencer\n")), 0.158f, Tolerance);
    EXPECT_NEAR(overlay::centredMessageX(std::strlen("Joueur 1 a toi de jouer.")), 0.284f, Tolerance);
    EXPECT_NEAR(overlay::playerTwoScoreX(), 0.946f, Tolerance);
    EXPECT_NEAR(overlay::centredMessageX(std::strlen("Match nul !")), 0.401f, Tolerance);
}

TEST(OverlayLayout, EdgesOfTheWindow)
{
    // A right-aligned name ends one advance short of the right edge.
    for (std::size_t n : {0u, 1u, 8u, 20u})
        EXPECT_NEAR(overlay::playerTwoNameX(n) + float(n) * overlay::Advance, 1.0f - overlay::Advance, Tolerance);
    // Three digits from the score column end exactly at the right edge.
    EXPECT_NEAR(overlay::playerTwoScoreX() + 3 * overlay::Advance, 1.0f, Tolerance);
    // An empty message sits at the middle; 56 bytes or more start left of the window.
    EXPECT_NEAR(overlay::centredMessageX(0), 0.5f, Tolerance);
    EXPECT_GT(overlay::centredMessageX(55), 0.0f);
    EXPECT_LT(overlay::centredMessageX(56), 0.0f);
    // Names and scores: one glyph cell plus a gap of 0.01 apart.
    EXPECT_NEAR(overlay::NameY - overlay::ScoreY, overlay::GlyphSize + 0.01f, Tolerance);
    EXPECT_NEAR(overlay::MessageY + overlay::GlyphSize, 0.98f, Tolerance);
}

} // namespace
