// The screens' state machine over a recording host: each event on each screen and what it asks.
#include "app/screens/ScreenFlow.h"
#include "tests/app/screens/RecordingScreenHost.h"
#include "tests/app/screens/ScreenEvents.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

const std::string Win = "./data/win.wav";
const std::string Cursor = "./data/cursor.wav";
const std::string Drop = "./data/drop.wav";
const std::string NewMatch = "start Joueur 1 / Joueur 2";

struct FrameRow {
    const char* what;
    ScreenState from;
    std::vector<SDL_Event> events;
    float flashSeconds;   // what the transition clock shows during the frame
    bool matchOver;       // what the match says during the frame
    ScreenState to;
    Strings calls;        // requests to the game, in order
    Strings effects;      // sound effects started, in order
};

TEST(ScreenFlow, OneFrameOfEachScreenFollowsTheTransitionTable)
{
    const std::vector<FrameRow> rows = {
        {"title, Return starts a match", Title, {keyDown(SDLK_RETURN)}, 0, false, StartFlash, {NewMatch, "reset clock"}, {Win}},
        {"title, Space starts a match", Title, {keyDown(SDLK_SPACE)}, 0, false, StartFlash, {NewMatch, "reset clock"}, {Win}},
        {"title, keypad Enter starts a match", Title, {keyDown(SDLK_KP_ENTER)}, 0, false, StartFlash, {NewMatch, "reset clock"}, {Win}},
        {"title, Escape", Title, {keyDown(SDLK_ESCAPE)}, 0, false, Credits, {}, {}},
        {"title, quit", Title, {quitEvent()}, 0, false, Credits, {}, {}},
        {"title, other keys and key ups", Title, {keyDown(SDLK_a), keyUp(SDLK_RETURN), keyDown(SDLK_UP), mouseMotion()}, 0, false, Title, {}, {}},
        {"title, quit then start: the start wins", Title, {quitEvent(), keyDown(SDLK_RETURN)}, 0, false, StartFlash, {NewMatch, "reset clock"}, {Win}},
        {"title, start then Escape: Escape wins", Title, {keyDown(SDLK_SPACE), keyDown(SDLK_ESCAPE)}, 0, false, Credits, {NewMatch, "reset clock"}, {Win}},
        {"title, two start keys start two matches", Title, {keyDown(SDLK_RETURN), keyDown(SDLK_SPACE)}, 0, false, StartFlash,
         {NewMatch, "reset clock", NewMatch, "reset clock"}, {Win, Win}},

        {"flash, keys are ignored", StartFlash, {keyDown(SDLK_RETURN), keyDown(SDLK_ESCAPE), keyDown(SDLK_UP)}, 0.5f, false, StartFlash, {}, {}},
        {"flash, quit", StartFlash, {quitEvent()}, 0.5f, false, Credits, {}, {}},
        {"flash, exactly 1.5 s is not yet over", StartFlash, {}, 1.5f, false, StartFlash, {}, {}},
        {"flash, past 1.5 s", StartFlash, {}, 1.51f, false, Playing, {}, {}},
        {"flash, past 1.5 s overrides a quit", StartFlash, {quitEvent()}, 1.6f, false, Playing, {}, {}},
        {"flash, past 1.5 s despite Escape", StartFlash, {keyDown(SDLK_ESCAPE)}, 1.6f, false, Playing, {}, {}},

        {"play, nothing pressed", Playing, {}, 0, false, Playing, {"step"}, {}},
        {"play, Escape", Playing, {keyDown(SDLK_ESCAPE)}, 0, false, Credits, {"step"}, {}},
        {"play, quit", Playing, {quitEvent()}, 0, false, Credits, {"step"}, {}},
        {"play, the match ends", Playing, {}, 0, true, GameOver, {"step"}, {Win}},
        {"play, the match ends and Escape follows", Playing, {keyDown(SDLK_ESCAPE)}, 0, true, Credits, {"step"}, {Win}},
        {"play, arrows", Playing, {keyDown(SDLK_UP), keyDown(SDLK_DOWN), keyDown(SDLK_LEFT), keyDown(SDLK_RIGHT)}, 0, false, Playing,
         {"step", "cursor 1", "cursor 2", "cursor 3", "cursor 4"}, {Cursor, Cursor, Cursor, Cursor}},
        {"play, keypad arrows", Playing, {keyDown(SDLK_KP8), keyDown(SDLK_KP2), keyDown(SDLK_KP4), keyDown(SDLK_KP6)}, 0, false, Playing,
         {"step", "cursor 1", "cursor 2", "cursor 3", "cursor 4"}, {Cursor, Cursor, Cursor, Cursor}},
        {"play, the three drop keys", Playing, {keyDown(SDLK_RETURN), keyDown(SDLK_SPACE), keyDown(SDLK_KP_ENTER)}, 0, false, Playing,
         {"step", "submit", "submit", "submit"}, {Drop, Drop, Drop}},
        {"play, key ups and other keys do nothing", Playing, {keyUp(SDLK_UP), keyUp(SDLK_RETURN), keyDown(SDLK_a), mouseMotion()}, 0, false, Playing,
         {"step"}, {}},

        {"game over, any key", GameOver, {keyDown(SDLK_a)}, 0, true, Credits, {"step"}, {}},
        {"game over, a key up is not a key", GameOver, {keyUp(SDLK_a), mouseMotion()}, 0, true, GameOver, {"step"}, {}},
        {"game over, quit drops the match after the frame", GameOver, {quitEvent()}, 0, true, Credits, {"step", "release"}, {}},
        {"game over, two quits drop it once", GameOver, {quitEvent(), quitEvent()}, 0, true, Credits, {"step", "release"}, {}},

        {"credits, any key", Credits, {keyDown(SDLK_b)}, 0, false, Quit, {}, {}},
        {"credits, quit", Credits, {quitEvent()}, 0, false, Quit, {}, {}},
        {"credits, a key up or the mouse", Credits, {keyUp(SDLK_b), mouseMotion()}, 0, false, Credits, {}, {}},
    };

    for (const FrameRow& row : rows) {
        SCOPED_TRACE(row.what);
        RecordingScreenHost host;
        ScreenFlow flow(host);
        flow.setState(row.from);
        host.flashSeconds = row.flashSeconds;
        host.matchOver = row.matchOver;

        runScreenFrame(flow, row.events);

        EXPECT_EQ(flow.state(), row.to);
        EXPECT_EQ(host.calls, row.calls);
        EXPECT_EQ(host.sound.effects, row.effects);
    }
}

// While the computer is to move the cursor and the disc are not the keyboard's; the view still
// tilts and Escape still leaves.
TEST(ScreenFlow, WhileTheComputerIsToMoveOnlyTheViewAndLeavingAnswer)
{
    const std::vector<FrameRow> rows = {
        {"arrows, drop keys and a tilt key", Playing,
         {keyDown(SDLK_UP), keyDown(SDLK_KP4), keyDown(SDLK_RETURN), keyDown(SDLK_SPACE), keyDown(SDLK_PAGEDOWN)}, 0, false,
         Playing, {"step", "tilt 1"}, {}},
        {"Escape", Playing, {keyDown(SDLK_LEFT), keyDown(SDLK_ESCAPE)}, 0, false, Credits, {"step"}, {}},
        {"quit", Playing, {quitEvent()}, 0, false, Credits, {"step"}, {}},
    };
    for (const FrameRow& row : rows) {
        SCOPED_TRACE(row.what);
        RecordingScreenHost host;
        host.humanMoves = false;
        ScreenFlow flow(host);
        flow.setState(row.from);
        runScreenFrame(flow, row.events);
        EXPECT_EQ(flow.state(), row.to);
        EXPECT_EQ(host.calls, row.calls);
        EXPECT_EQ(host.sound.effects, row.effects);
    }
}

TEST(ScreenFlow, PlaysAWholeRunFromTitleToQuit)
{
    RecordingScreenHost host;
    ScreenFlow flow(host);

    runScreenFrame(flow, {keyDown(SDLK_RETURN)});
    ASSERT_EQ(flow.state(), StartFlash);
    host.flashSeconds = 0.2f;
    runScreenFrame(flow, {keyDown(SDLK_RETURN)}); // ignored: no second match, no drop
    ASSERT_EQ(flow.state(), StartFlash);
    host.flashSeconds = 1.7f;
    runScreenFrame(flow, {});
    ASSERT_EQ(flow.state(), Playing);
    runScreenFrame(flow, {keyDown(SDLK_LEFT), keyDown(SDLK_RETURN)});
    ASSERT_EQ(flow.state(), Playing);
    host.matchOver = true;
    runScreenFrame(flow, {});
    ASSERT_EQ(flow.state(), GameOver);
    runScreenFrame(flow, {});
    ASSERT_EQ(flow.state(), GameOver);
    runScreenFrame(flow, {keyDown(SDLK_SPACE)});
    ASSERT_EQ(flow.state(), Credits);
    runScreenFrame(flow, {keyDown(SDLK_SPACE)});
    EXPECT_EQ(flow.state(), Quit);

    EXPECT_EQ(host.calls, (Strings{NewMatch, "reset clock", "step", "cursor 3", "submit", "step", "step", "step"}));
    // The win cue sounds once at the start and once at the end, not on every game-over frame.
    EXPECT_EQ(host.sound.effects, (Strings{Win, Cursor, Drop, Win}));
}

TEST(ScreenFlow, GameOverQuitReleasesTheMatchOnlyAfterTheFrameIsDrawn)
{
    RecordingScreenHost host;
    ScreenFlow flow(host);
    flow.setState(GameOver);

    flow.stepGameOver();
    flow.onGameOverEvent(quitEvent());
    EXPECT_EQ(host.calls, (Strings{"step"})); // the frame is still to be drawn from the match
    flow.afterGameOverFrame();
    EXPECT_EQ(host.calls, (Strings{"step", "release"}));
    flow.afterGameOverFrame();
    EXPECT_EQ(host.calls, (Strings{"step", "release"}));
}

TEST(ScreenFlow, HeldTiltKeysStepTheTiltEveryFrameUntilReleased)
{
    struct Row {
        const char* what;
        std::vector<SDL_Event> events;
        Strings tiltCalls; // this frame's tilt steps, after whatever the events did
    };
    // One sequence of frames; each row is the next frame.
    const std::vector<Row> frames = {
        {"Page Down pressed", {keyDown(SDLK_PAGEDOWN)}, {"tilt 1"}},
        {"still held", {}, {"tilt 1"}},
        {"keypad minus released: either key lets go", {keyUp(SDLK_KP_MINUS)}, {}},
        {"keypad plus pressed", {keyDown(SDLK_KP_PLUS)}, {"tilt 2"}},
        {"keypad minus pressed too: both step, increase first", {keyDown(SDLK_KP_MINUS)}, {"tilt 1", "tilt 2"}},
        {"Page Up released", {keyUp(SDLK_PAGEUP)}, {"tilt 1"}},
        {"Page Down released", {keyUp(SDLK_PAGEDOWN)}, {}},
        {"Page Up pressed and released in one frame", {keyDown(SDLK_PAGEUP), keyUp(SDLK_PAGEUP)}, {}},
    };

    RecordingScreenHost host;
    ScreenFlow flow(host);
    flow.setState(Playing);
    for (const Row& frame : frames) {
        SCOPED_TRACE(frame.what);
        host.calls.clear();
        runScreenFrame(flow, frame.events);
        Strings expected = {"step"};
        expected.insert(expected.end(), frame.tiltCalls.begin(), frame.tiltCalls.end());
        EXPECT_EQ(host.calls, expected);
        EXPECT_TRUE(host.sound.effects.empty());
    }
}

TEST(ScreenFlow, TiltKeysOnlyCountOnThePlayScreen)
{
    RecordingScreenHost host;
    ScreenFlow flow(host);
    runScreenFrame(flow, {keyDown(SDLK_PAGEDOWN)}); // on the title
    EXPECT_FALSE(flow.tiltIncreaseHeld());
    flow.setState(Playing);
    runScreenFrame(flow, {});
    EXPECT_EQ(host.calls, (Strings{"step"}));
}

TEST(ScreenFlow, EveryCueReplacesTheEffectBeforeIt)
{
    RecordingScreenHost host;
    ScreenFlow flow(host);
    flow.setState(Playing);
    host.sound.missing.insert(Drop); // a missing file is silence, nothing more

    runScreenFrame(flow, {keyDown(SDLK_UP), keyDown(SDLK_UP), keyDown(SDLK_RETURN), keyDown(SDLK_RIGHT)});

    EXPECT_EQ(host.sound.effects, (Strings{Cursor, Cursor, Drop, Cursor}));
    EXPECT_EQ(host.sound.open.size(), 1u); // only the last cursor sound is still open
    EXPECT_EQ(flow.state(), Playing);
}

TEST(ScreenFlow, TheTitleAnimatesOncePerTitleFrameOnly)
{
    RecordingScreenHost host;
    ScreenFlow flow(host);
    runScreenFrame(flow, {});
    runScreenFrame(flow, {keyDown(SDLK_RETURN)}); // still animates the frame it leaves on
    EXPECT_FLOAT_EQ(flow.title().spin(), 2.0f);
    host.flashSeconds = 2.0f;
    runScreenFrame(flow, {});
    runScreenFrame(flow, {});
    EXPECT_FLOAT_EQ(flow.title().spin(), 2.0f);
}

} // namespace
