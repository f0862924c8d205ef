#pragma once
// The game as the screens see it, written down: every request other than a sound cue goes to
// `calls`; cues go through the real SoundCues to a RecordingSound, whose `effects` list them.
#include "app/screens/ScreenHost.h"
#include "app/sound/SoundCues.h"
#include "tests/app/sound/RecordingSound.h"

#include <string>
#include <vector>

class RecordingScreenHost : public ScreenHost {
public:
    RecordingScreenHost() : sound(soundLog), cues(sound) {}

    std::vector<std::string> calls;
    std::vector<std::string> soundLog;
    RecordingSound sound;
    SoundCues cues;
    bool matchOver = false;       // what isMatchOver answers
    float flashSeconds = 0.0f;    // what transitionSeconds answers
    bool humanMoves = true;       // what humanToMove answers
    CellPos cursor{3, 5};         // what cursorCell answers; placeCursor moves it
    int reviewTurns = -1;         // the game openLastGame opens, in turns; -1: none is kept

    void startMatch(const char* one, const char* two) override
    {
        calls.push_back(std::string("start ") + one + " / " + two);
    }
    void stepMatch() override { calls.push_back("step"); }
    bool isMatchOver() const override { return matchOver; }
    void releaseMatch() override { calls.push_back("release"); }
    void submitCursorSquare() override { calls.push_back("submit"); }
    bool humanToMove() const override { return humanMoves; }
    void moveCursor(std::int32_t direction) override { calls.push_back("cursor " + std::to_string(direction)); }
    void stepTilt(std::int32_t direction) override { calls.push_back("tilt " + std::to_string(direction)); }
    void startComputerMatch() override { calls.push_back("start computer"); }
    // A stand-in for the board's picture: pixel (100 x, 100 y) and the 99 pixels right of and
    // below it show square (x, y); everything else is off the board.
    std::optional<CellPos> squareAtPointer(int column, int row) const override
    {
        const int x = column / 100;
        const int y = row / 100;
        if (column < 0 || row < 0 || x < 1 || x > 8 || y < 1 || y > 8)
            return std::nullopt;
        return CellPos{std::uint8_t(x), std::uint8_t(y)};
    }
    CellPos cursorCell() const override { return cursor; }
    void placeCursor(CellPos cell) override
    {
        cursor = cell;
        calls.push_back("place " + std::to_string(cell.x) + "," + std::to_string(cell.y));
    }
    void takeBack() override { calls.push_back("take back"); }
    void askHint() override { calls.push_back("hint"); }
    void toggleMarks() override { calls.push_back("marks"); }
    void toggleValues() override { calls.push_back("values"); }
    void toggleSound() override { calls.push_back("sound"); }
    void chooseLevel(int level) override { calls.push_back("level " + std::to_string(level)); }
    bool openLastGame() override
    {
        calls.push_back("open last game");
        return reviewTurns >= 0;
    }
    int reviewTurnCount() const override { return reviewTurns; }
    void showReviewTurn(int turn) override { calls.push_back("show " + std::to_string(turn)); }
    // A stand-in for the graph: rows from 700 down, turn column / 100.
    int reviewTurnAtPointer(int column, int row) const override { return row >= 700 ? column / 100 : -1; }
    void leaveReview() override { calls.push_back("leave review"); }
    // As for a finished game: nothing to play at its end.
    bool playOnFromReview(int turn) override
    {
        calls.push_back("play on " + std::to_string(turn));
        return turn < reviewTurns;
    }
    void resetTransitionClock() override { calls.push_back("reset clock"); }
    float transitionSeconds() const override { return flashSeconds; }
    void playEffect(const char* path) override { cues.playEffect(path); }
};
