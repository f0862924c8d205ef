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
    void resetTransitionClock() override { calls.push_back("reset clock"); }
    float transitionSeconds() const override { return flashSeconds; }
    void playEffect(const char* path) override { cues.playEffect(path); }
};
