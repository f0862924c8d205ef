// The review's graph of the game: where each position sits on the strip and which one a click
// picks.
#include "render/GameGraph.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(GameGraph, PositionsSpanTheStripAndClicksPickTheNearest)
{
    EXPECT_FLOAT_EQ(graph::positionX(0, 61), graph::Left);
    EXPECT_FLOAT_EQ(graph::positionX(60, 61), graph::Right);
    EXPECT_FLOAT_EQ(graph::positionX(30, 61), (graph::Left + graph::Right) / 2);

    const float middle = (graph::Bottom + graph::Top) / 2;
    const float step = (graph::Right - graph::Left) / 60;
    struct Row {
        const char* what;
        float x;
        float y;
        int positions;
        int expected;
    };
    const std::vector<Row> rows = {
        {"the start", graph::Left, middle, 61, 0},
        {"the end", graph::Right, middle, 61, 60},
        {"nearest to the left", graph::Left + 10.4f * step, middle, 61, 10},
        {"nearest to the right", graph::Left + 10.6f * step, middle, 61, 11},
        {"just left of the strip, within half a step", graph::Left - 0.4f * step, middle, 61, 0},
        {"too far left", graph::Left - step, middle, 61, -1},
        {"too far right", graph::Right + step, middle, 61, -1},
        {"above the strip", 0.5f, graph::Top + 0.01f, 61, -1},
        {"below the strip", 0.5f, graph::Bottom - 0.01f, 61, -1},
        {"on the top edge", 0.5f, graph::Top, 61, 30},
        {"a game of no turn: anywhere on the strip is the start", 0.5f, middle, 1, 0},
        {"a game of no turn, on its one column", graph::Left, middle, 1, 0},
    };
    for (const Row& row : rows)
        EXPECT_EQ(graph::positionAt(row.x, row.y, row.positions), row.expected) << row.what;
}

} // namespace
