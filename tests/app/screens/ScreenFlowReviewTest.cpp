// The review screen in the screens' state machine: R on the title, the steps through the game's
// turns at both ends, the way out; and the texts of its two lines.
#include "app/screens/ScreenFlow.h"
#include "app/screens/ScreenTexts.h"
#include "tests/app/screens/RecordingScreenHost.h"
#include "tests/app/screens/ScreenEvents.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

TEST(ScreenFlowReview, TitleROpensTheLastGameAtItsEnd)
{
    struct Row {
        const char* what;
        int keptTurns; // -1: no game kept (or the file cannot be read)
        std::vector<SDL_Event> events;
        ScreenState to;
        Strings calls;
        int turn;
    };
    const std::vector<Row> rows = {
        {"R opens the last game at its final position", 5, {typedKey(SDLK_r, 'r')}, Review,
         {"open last game", "show 5"}, 5},
        {"R typed on any layout, upper case", 2, {typedKey(SDLK_SEMICOLON, 'R')}, Review,
         {"open last game", "show 2"}, 2},
        {"no kept game: the title stays", -1, {typedKey(SDLK_r, 'r')}, Title, {"open last game"}, 0},
        {"a quit after R in the same frame goes to the credits", 5, {typedKey(SDLK_r, 'r'), quitEvent()}, Credits,
         {"open last game", "show 5"}, 5},
    };
    for (const Row& row : rows) {
        RecordingScreenHost host;
        host.reviewTurns = row.keptTurns;
        ScreenFlow flow(host);
        for (const SDL_Event& event : row.events)
            flow.onTitleEvent(event);
        EXPECT_EQ(flow.state(), row.to) << row.what;
        EXPECT_EQ(host.calls, row.calls) << row.what;
        EXPECT_EQ(flow.reviewTurn(), row.turn) << row.what;
        EXPECT_TRUE(host.sound.effects.empty()) << row.what;
    }
}

TEST(ScreenFlowReview, StepsThroughTheTurnsAndLeaves)
{
    struct Row {
        const char* what;
        int turns;
        ScreenState leaveTo;
        std::vector<SDL_Event> events;
        int turn;      // shown after the events
        Strings calls; // after the opening's "show"
        ScreenState to;
    };
    const std::vector<Row> rows = {
        {"Right at the end stays", 4, Title, {keyDown(SDLK_RIGHT)}, 4, {}, Review},
        {"Left steps back one turn, a pass as any other", 4, Title, {keyDown(SDLK_LEFT), keyDown(SDLK_LEFT)}, 2,
         {"show 3", "show 2"}, Review},
        {"Home shows the start, Left there stays", 4, Title, {keyDown(SDLK_HOME), keyDown(SDLK_LEFT)}, 0, {"show 0"},
         Review},
        {"three Right from the start", 4, Title,
         {keyDown(SDLK_HOME), keyDown(SDLK_RIGHT), keyDown(SDLK_RIGHT), keyDown(SDLK_RIGHT)}, 3,
         {"show 0", "show 1", "show 2", "show 3"}, Review},
        {"End after Home shows the final position again", 4, Title, {keyDown(SDLK_HOME), keyDown(SDLK_END)}, 4,
         {"show 0", "show 4"}, Review},
        {"the keypad's 4, 6, 7 and 1", 4, Title, {keyDown(SDLK_KP7), keyDown(SDLK_KP6), keyDown(SDLK_KP1), keyDown(SDLK_KP4)},
         3, {"show 0", "show 1", "show 4", "show 3"}, Review},
        {"a game of no turn: every step stays on the start", 0, Title,
         {keyDown(SDLK_RIGHT), keyDown(SDLK_LEFT), keyDown(SDLK_HOME)}, 0, {"show 0"}, Review},
        {"the wheel tilts the board", 4, Title, {buttonAt(5, 10, 10)}, 4,
         {"tilt 1", "tilt 1", "tilt 1", "tilt 1", "tilt 1"}, Review},
        {"a click on the graph shows that turn", 4, Title, {buttonAt(1, 250, 720)}, 2, {"show 2"}, Review},
        {"a click off the graph does nothing", 4, Title, {buttonAt(1, 250, 300)}, 4, {}, Review},
        {"a right click on the graph does nothing", 4, Title, {buttonAt(3, 250, 720)}, 4, {}, Review},
        {"V shows or hides the values and stays on the turn", 4, Title, {typedKey(SDLK_v, 'V'), keyDown(SDLK_LEFT), typedKey(SDLK_v, 'v')},
         3, {"values", "show 3", "values"}, Review},
        {"Escape goes back to the title", 4, Title, {keyDown(SDLK_ESCAPE)}, 4, {"leave review"}, Title},
        {"Escape after --review goes to the credits", 4, Credits, {keyDown(SDLK_ESCAPE)}, 4, {"leave review"}, Credits},
        {"keys after Escape in the same frame do nothing", 4, Title, {keyDown(SDLK_ESCAPE), keyDown(SDLK_HOME)}, 4,
         {"leave review"}, Title},
        {"a quit goes to the credits", 4, Title, {quitEvent()}, 4, {"leave review"}, Credits},
        {"F1 opens the help; the next key only closes it", 4, Title, {keyDown(SDLK_F1), keyDown(SDLK_HOME)}, 4, {},
         Review},
        {"M mutes", 4, Title, {typedKey(SDLK_SEMICOLON, 'm')}, 4, {"sound"}, Review},
        {"P plays on from the position shown, after the flash", 4, Title, {keyDown(SDLK_HOME), typedKey(SDLK_p, 'P')},
         0, {"show 0", "play on 0", "reset clock"}, StartFlash},
        {"P at the end of a finished game does nothing", 4, Title, {typedKey(SDLK_p, 'p')}, 4, {"play on 4"}, Review},
        {"R, O and Return do nothing here", 4, Title,
         {typedKey(SDLK_r, 'r'), typedKey(SDLK_o, 'o'), keyDown(SDLK_RETURN)}, 4, {}, Review},
    };
    for (const Row& row : rows) {
        RecordingScreenHost host;
        host.reviewTurns = row.turns;
        ScreenFlow flow(host);
        flow.startReview(row.leaveTo);
        ASSERT_EQ(host.calls, Strings{"show " + std::to_string(row.turns)}) << row.what;
        host.calls.clear();
        for (const SDL_Event& event : row.events)
            flow.onReviewEvent(event);
        flow.applyHeldTilt();
        EXPECT_EQ(flow.reviewTurn(), row.turn) << row.what;
        EXPECT_EQ(host.calls, row.calls) << row.what;
        EXPECT_EQ(flow.state(), row.to) << row.what;
    }
}

TEST(ScreenFlowReview, PageKeysHeldTiltEveryFrame)
{
    RecordingScreenHost host;
    host.reviewTurns = 3;
    ScreenFlow flow(host);
    flow.startReview(Title);
    host.calls.clear();
    flow.onReviewEvent(keyDown(SDLK_PAGEDOWN));
    flow.applyHeldTilt();
    flow.applyHeldTilt();
    flow.onReviewEvent(keyUp(SDLK_PAGEDOWN));
    flow.onReviewEvent(keyDown(SDLK_PAGEUP));
    flow.applyHeldTilt();
    EXPECT_EQ(host.calls, (Strings{"tilt 1", "tilt 1", "tilt 2"}));
}

TEST(ReviewTexts, MoveAndVerdictLines)
{
    struct Row {
        std::string got;
        std::string expected;
    };
    std::string out;
    const std::vector<Row> rows = {
        {reviewMoveMessage(23, "Joueur 1", 19, out), "Coup 23 : Joueur 1 a jou\xE9 d3"},
        {reviewMoveMessage(1, "Joueur 1", 37, out), "Coup 1 : Joueur 1 a jou\xE9 f5"},
        {reviewMoveMessage(24, "Joueur 2", -1, out), "Coup 24 : Joueur 2 passe"},
        {reviewMoveMessage(60, "Ordinateur niveau 3", 63, out), "Coup 60 : Ordinateur niveau 3 a jou\xE9 h8"},
        {verdictMessage(37, 2, 0, 4, out), "Meilleur coup jou\xE9 (+2)"},
        {verdictMessage(37, -6, 0, 4, out), "Meilleur coup jou\xE9 (-6)"},
        {verdictMessage(37, 0, 1, 4, out), "Meilleur : f5 (0), perdu : 1 disque"},
        {verdictMessage(0, 2, 3, 4, out), "Meilleur : a1 (+2), perdu : 3 disques"},
        {verdictMessage(37, 2, 4, 4, out), "Meilleur : f5 (+2), perdu : 4 disques, erreur"},
        {verdictMessage(63, -10, 26, 4, out), "Meilleur : h8 (-10), perdu : 26 disques, erreur"},
        {analysisProgressMessage(0, 0, out), "Analyse..."},
        {analysisProgressMessage(12, 60, out), "Analyse 12/60"},
        {text::ReviewStart, "D\xE9" "but de partie"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.got, row.expected);
}

TEST(ReviewTexts, HelpLinesFitThePanel)
{
    EXPECT_LE(std::string(text::TitleReviewHelpLine).size(), 48u);
    EXPECT_EQ(std::string(text::HelpLines[text::TitleReviewHelpAt]).rfind("\xC9" "chap", 0), 0u);
    for (const char* line : text::ReviewHelpLines)
        EXPECT_LE(std::string(line).size(), 48u) << line;
}

} // namespace
