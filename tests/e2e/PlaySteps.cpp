#include "tests/e2e/PlaySteps.h"

#include "tests/e2e/ScreenGeometry.h"
#include "tests/e2e/ScreenProbe.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <unistd.h>

namespace {

constexpr double nameY = 0.8;
constexpr double scoreY = 0.76;
constexpr double scoreTwoX = 0.946;
constexpr size_t nameLength = 8;  // "Joueur 1", "Joueur 2"
constexpr size_t scoreLength = 2; // scores have one or two digits

std::string withoutTrailingBlanks(std::string text)
{
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

// The share of a text's solid ink that must show for it to count as there.
constexpr double enoughInk = 0.85;

} // namespace

const std::string creditsLine = "Kestin Zerdane, Plexifest Brisk 5 (2004) par Tarvel";

bool showsCredits(const OverlayText& font, const Screenshot& shot)
{
    return font.inkCoverage(shot, 0.0, creditsY, creditsLine) >= enoughInk;
}

ScorePanel readScorePanel(const OverlayText& text, const Screenshot& shot)
{
    double nameTwoX = 1.0 - (nameLength + 1) * penAdvance;
    return {text.read(shot, 0.0, nameY, nameLength),
            withoutTrailingBlanks(text.read(shot, 0.0, scoreY, scoreLength)),
            text.read(shot, nameTwoX, nameY, nameLength),
            withoutTrailingBlanks(text.read(shot, scoreTwoX, scoreY, scoreLength))};
}

std::string readMessage(const OverlayText& text, const Screenshot& shot, size_t length)
{
    return text.read(shot, centredMessageX(length), messageY, length);
}

bool showsPlayScreen(const OverlayText& font, const Screenshot& shot, const ExpectedBoard& board,
                     SquarePos cursor, const std::string& message, double tilt)
{
    SquarePos marker = cursorMarkerSquare(shot, tilt);
    return marker.x == cursor.x && marker.y == cursor.y &&
           showsBoard(shot, board, tilt, cursor) &&
           readMessage(font, shot, message.size()) == message;
}

bool startMatch(GameSession& session)
{
    if (!session.waitForScreen("title", [](const Screenshot& shot) {
            return evenVeilStrength(shot) > 0;
        })) {
        ADD_FAILURE() << "the title screen never showed";
        return false;
    }
    session.player().tap(XK_Return);
    if (!session.waitForScreen("start-flash", isSolidOrange)) {
        ADD_FAILURE() << "the orange flash never showed";
        return false;
    }
    ExpectedBoard start;
    if (!session.waitForScreen("start-position", [&](const Screenshot& shot) {
            return showsPlayScreen(session.font(), shot, start, startCursor, turnMessage(1));
        })) {
        ADD_FAILURE() << "the play screen never showed the start position";
        return false;
    }
    return true;
}

bool seeFramesPass(GameSession& session, int frames)
{
    Screenshot previous = session.player().grabScreen();
    int seen = 0;
    auto changed = [&](const Screenshot& shot) {
        if (shot.countDifferences(previous, 0, 0, shot.width(), shot.height(), 8) > 0) {
            ++seen;
            previous = shot;
        }
        return seen >= frames;
    };
    if (!session.waitForScreen("frames-passing", changed)) {
        ADD_FAILURE() << "the screen stopped changing after " << seen
                      << " frames: no longer drawn, or the spinning cone is out of view";
        return false;
    }
    return true;
}

bool moveCursor(GameSession& session, SquarePos from, SquarePos to, double tilt)
{
    SquarePos at = from;
    while (at.x != to.x || at.y != to.y) {
        KeySym key;
        if (at.x < to.x) {
            key = XK_Right;
            ++at.x;
        } else if (at.x > to.x) {
            key = XK_Left;
            --at.x;
        } else if (at.y < to.y) {
            key = XK_Up;
            ++at.y;
        } else {
            key = XK_Down;
            --at.y;
        }
        session.player().tap(key);
        SquarePos wanted = at;
        if (!session.waitForScreen("cursor-moved", [&](const Screenshot& shot) {
                SquarePos marker = cursorMarkerSquare(shot, tilt);
                return marker.x == wanted.x && marker.y == wanted.y;
            })) {
            ADD_FAILURE() << "the cursor never reached (" << wanted.x << ", " << wanted.y << ")";
            return false;
        }
    }
    return true;
}

std::string turnMessage(int side)
{
    return "Joueur " + std::to_string(side) + " a toi de jouer.";
}

double cpuSecondsOf(pid_t pid)
{
    std::ifstream file("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(file, line);
    // The command name in brackets may hold spaces; the fields after it are plain.
    std::istringstream fields(line.substr(line.rfind(')') + 2));
    std::string field;
    double userTicks = 0, systemTicks = 0;
    for (int index = 3; fields >> field; ++index) {
        if (index == 14)
            userTicks = std::stod(field);
        if (index == 15) {
            systemTicks = std::stod(field);
            break;
        }
    }
    return (userTicks + systemTicks) / static_cast<double>(sysconf(_SC_CLK_TCK));
}
