#pragma once
// The match as the game runs it: the one Match (the rules' object) driven a frame at a time, its
// two players, the computer's turn, the hint, take-backs and the keeping of the match in the file
// of games.
//
// The session makes both players, so it knows which side the computer holds (none, 1 or 2) and
// holds that player through the match, which owns it; the pointer is cleared whenever the match
// goes. The board view's cursor is the one Renderer's: the computer and the hint walk it, the
// player's square is read from it. Cone steps play their cues on `sound`; the computer's and the
// hint's pacing read `clock`. A match is kept at most once, when it ends or when it is left
// (a new match, Escape, a quit, a signal), and only when it was started with `keep`.
//
// A match may go on from a game's first turns (startFrom): they are played over at once and
// stand as the first `fixedTurns()` turns of its history, which a take-back never undoes, so
// the match is kept with them at its head.
#include "app/FramePacer.h"
#include "app/opponent/ComputerPlayer.h"
#include "app/opponent/ComputerTurn.h"
#include "app/opponent/HintGuide.h"
#include "app/records/GameRecord.h"
#include "app/sound/SoundCues.h"
#include "rules/Cell.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

class MatchSession {
public:
    MatchSession(SoundCues& sound, const FrameClock& clock);
    ~MatchSession();

    // A new match, the one before kept first: the computer on `computerSide` (0: two keyboard
    // players) at `level`; `keep` says whether this match goes to the file of games.
    void start(const char* playerOneName, const char* playerTwoName, std::int32_t computerSide, int level,
               bool keep);
    // The same, then `prefix` (a game's first turns from the start position, passes included)
    // played over without bursts or cues: the match goes on from there. False when a turn of the
    // prefix does not fit; the match then goes on from the turns before it.
    bool startFrom(const char* playerOneName, const char* playerTwoName, std::int32_t computerSide, int level,
                   bool keep, const std::vector<records::RecordedTurn>& prefix);
    // The turns at the head of the history that a take-back leaves: startFrom's, 0 after start.
    std::size_t fixedTurns() const { return m_fixedTurns; }
    // The match's once-a-frame step; the match is kept the frame it ends.
    void step();
    bool isOver() const;
    // Keeps the match, then drops it and its players.
    void release();
    // Stops every search and drops the match without keeping it (the shutdown).
    void end();
    // Appends the match to the file of games unless it is there already (or there is none).
    void keepMatchOnce();

    // The keyboard player hands over the cursor square.
    void submitCursorSquare();
    // The side to move takes its moves from the keyboard.
    bool humanToMove() const;
    // The player steers the cone (a CursorDirection, or a square): the hint stops walking it.
    void moveCursor(std::int32_t direction);
    void placeCursor(CellPos cell);
    // Back to the keyboard player's last turn, the computer's search stopped first so that its
    // move never lands; any move when both sides are at the keyboard. Nothing once it is over,
    // nor when that move is one of the fixed turns.
    void takeBack();

    // The hint for the side to move; the cone walks there once it is found.
    void askHint();
    // Once a frame on the play screen: the hint's answer and its cone's walk.
    void guideHint();
    // The square the hint names for the position as it stands, if any.
    std::optional<CellPos> hintSquare() const { return m_hint.square(); }

    // The computer is to move (the match runs and its turn is the computer's side's).
    bool computerToMove() const { return thinkingComputer() != nullptr; }
    // Once a frame on the play screen while the computer is to move: its thinking, its cursor
    // and its disc, with the same cues as a player's keys.
    void playComputerTurn();
    // Leaving the match mid-think: the computer's search stops and its worker is joined.
    void stopComputerThinking();

    MatchSession(const MatchSession&) = delete;
    MatchSession& operator=(const MatchSession&) = delete;

private:
    // The computer player whose turn it is, or null.
    ComputerPlayer* thinkingComputer() const;
    double seconds() const; // on the clock

    SoundCues& m_sound;
    const FrameClock& m_clock;
    ComputerTurn m_computerTurn;
    HintGuide m_hint;
    ComputerPlayer* m_computer = nullptr; // the match's, on m_computerSide; null without one
    std::int32_t m_computerSide = 0;      // 0: both sides at the keyboard
    bool m_keep = false;                  // this match goes to the file of games
    bool m_matchKept = true; // the current match is in the file of games (or there is none)
    std::size_t m_fixedTurns = 0; // the history's first turns, played over by startFrom
};
