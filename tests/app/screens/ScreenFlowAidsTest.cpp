// The player's aids in the screens' state machine: the letter keys as typed (AZERTY and QWERTY
// alike), the mouse, the help panel, and what the computer's turn leaves out.
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
const Strings Tilt5Up = {"tilt 1", "tilt 1", "tilt 1", "tilt 1", "tilt 1"};

// The recording host shows square (x, y) at pixels (100 x .. 100 x + 99, 100 y .. 100 y + 99);
// its cursor starts on (3, 5).
struct AidRow {
    const char* what;
    ScreenState from;
    bool helpBefore;              // the help panel is open when the frame starts
    bool humanMoves;
    std::vector<SDL_Event> events;
    ScreenState to;
    Strings calls;
    Strings effects;
    bool helpAfter;
};

TEST(ScreenFlowAids, NewKeysAndTheMouseOnEachScreen)
{
    const std::vector<AidRow> rows = {
        {"title, a left click starts a match", Title, false, true, {buttonAt(1, 5, 5)}, StartFlash,
         {"start Joueur 1 / Joueur 2", "reset clock"}, {Win}, false},
        {"title, O (or o) starts one against the computer", Title, false, true, {typedKey(SDLK_o, 'O')}, StartFlash,
         {"start computer", "reset clock"}, {Win}, false},
        {"title, 1 to 5 from the row, shifted on AZERTY, or the keypad", Title, false, true,
         {typedKey(SDLK_1, '1'), typedKey(SDLK_AMPERSAND, '&'), typedKey(SDLK_QUOTEDBL, '3'), typedKey(SDLK_KP5, '5'),
          typedKey(SDLK_6, '6')}, Title, {"level 1", "level 3", "level 5"}, {}, false},
        {"title, the wheel and other buttons start nothing", Title, false, true, {buttonAt(4, 5, 5), buttonAt(3, 5, 5), pointerAt(300, 300)},
         Title, {}, {}, false},
        {"title, F1 opens the help and the next key only closes it", Title, false, true, {keyDown(SDLK_F1)}, Title, {}, {}, true},
        {"title, a key closes the help", Title, true, true, {keyDown(SDLK_RETURN)}, Title, {}, {}, false},
        {"title, a click closes the help", Title, true, true, {buttonAt(1, 5, 5), keyDown(SDLK_SPACE)}, StartFlash,
         {"start Joueur 1 / Joueur 2", "reset clock"}, {Win}, false},
        {"title, a quit leaves with the help open", Title, true, true, {quitEvent()}, Credits, {}, {}, true},
        {"title, M", Title, false, true, {typedKey(SDLK_SEMICOLON, 'm')}, Title, {"sound"}, {}, false},
        {"title, V means nothing there", Title, false, true, {typedKey(SDLK_v, 'v')}, Title, {}, {}, false},

        {"play, the pointer over a square brings the cone", Playing, false, true, {pointerAt(650, 250), pointerAt(660, 260)}, Playing,
         {"step", "place 6,2"}, {Cursor}, false},
        {"play, the pointer off the board or on the cone's square", Playing, false, true, {pointerAt(50, 250), pointerAt(350, 550)}, Playing,
         {"step"}, {}, false},
        {"play, a left click drops a disc there", Playing, false, true, {buttonAt(1, 450, 150)}, Playing,
         {"step", "place 4,1", "submit"}, {Drop}, false},
        {"play, a click on the cone's square", Playing, false, true, {buttonAt(1, 350, 550)}, Playing, {"step", "submit"}, {Drop}, false},
        {"play, a click off the board, right and middle clicks", Playing, false, true,
         {buttonAt(1, 950, 50), buttonAt(3, 450, 150), buttonAt(2, 450, 150)}, Playing, {"step"}, {}, false},
        {"play, the wheel tilts 5 degrees a notch", Playing, false, true, {buttonAt(5, 0, 0), buttonAt(4, 0, 0)}, Playing,
         {"step", "tilt 1", "tilt 1", "tilt 1", "tilt 1", "tilt 1", "tilt 2", "tilt 2", "tilt 2", "tilt 2", "tilt 2"}, {}, false},
        {"play, Backspace, Ctrl+Z on either layout", Playing, false, true,
         {keyDown(SDLK_BACKSPACE), typedKey(SDLK_z, 0x1A, KMOD_LCTRL), typedKey(SDLK_w, 0x1A, KMOD_LCTRL), keyDown(SDLK_z)}, Playing,
         {"step", "take back", "take back", "take back"}, {}, false},
        {"play, I, C and M, capital or not, wherever the layout puts them", Playing, false, true,
         {typedKey(SDLK_i, 'i'), typedKey(SDLK_c, 'C'), typedKey(SDLK_SEMICOLON, 'm')}, Playing, {"step", "hint", "marks", "sound"}, {}, false},
        {"play, letters without Unicode come from the key symbol", Playing, false, true, {keyDown(SDLK_c)}, Playing,
         {"step", "marks"}, {}, false},
        {"play, V (or v) shows or hides the values", Playing, false, true, {typedKey(SDLK_v, 'V'), keyDown(SDLK_v)}, Playing,
         {"step", "values", "values"}, {}, false},
        {"play, with the help open V only closes it", Playing, true, true, {typedKey(SDLK_v, 'v')}, Playing, {"step"}, {}, false},
        {"play, O and the level keys mean nothing here", Playing, false, true, {typedKey(SDLK_o, 'o'), typedKey(SDLK_1, '1')}, Playing,
         {"step"}, {}, false},
        {"play, F1 then Escape closes the help but stays", Playing, false, true, {keyDown(SDLK_F1), keyDown(SDLK_ESCAPE)}, Playing,
         {"step"}, {}, false},
        {"play, with the help open a click drops nothing", Playing, true, true, {buttonAt(1, 450, 150)}, Playing, {"step"}, {}, false},

        {"computer to move: the mouse does nothing", Playing, false, false,
         {pointerAt(650, 250), buttonAt(1, 450, 150), buttonAt(5, 0, 0)}, Playing, {"step"}, {}, false},
        {"computer to move: no hint, but take-back, marks and sound", Playing, false, false,
         {typedKey(SDLK_i, 'i'), keyDown(SDLK_BACKSPACE), typedKey(SDLK_c, 'c'), typedKey(SDLK_m, 'm')}, Playing,
         {"step", "take back", "marks", "sound"}, {}, false},
        {"computer to move: V still switches the values", Playing, false, false, {typedKey(SDLK_v, 'v')}, Playing,
         {"step", "values"}, {}, false},

        {"flash, the mouse and the new keys are ignored", StartFlash, false, true,
         {buttonAt(1, 450, 150), keyDown(SDLK_F1), keyDown(SDLK_BACKSPACE), typedKey(SDLK_c, 'c')}, StartFlash, {}, {}, false},
        {"game over, a click is any key", GameOver, false, true, {buttonAt(3, 5, 5)}, Credits, {"step"}, {}, false},
        {"game over, the wheel is no click", GameOver, false, true, {buttonAt(5, 5, 5)}, GameOver, {"step"}, {}, false},
        {"credits, a click is any key", Credits, false, true, {buttonAt(1, 5, 5)}, Quit, {}, {}, false},
    };
    for (const AidRow& row : rows) {
        SCOPED_TRACE(row.what);
        RecordingScreenHost host;
        host.humanMoves = row.humanMoves;
        ScreenFlow flow(host);
        flow.setState(row.from);
        if (row.helpBefore) {
            const ScreenState from = flow.state();
            flow.setState(Title);
            flow.onTitleEvent(keyDown(SDLK_F1));
            flow.setState(from);
        }
        runScreenFrame(flow, row.events);
        EXPECT_EQ(flow.state(), row.to);
        EXPECT_EQ(host.calls, row.calls);
        EXPECT_EQ(host.sound.effects, row.effects);
        EXPECT_EQ(flow.helpShown(), row.helpAfter);
    }
}

} // namespace
