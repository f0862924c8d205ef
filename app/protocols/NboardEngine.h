#pragma once
// The engine over NBoard's protocol (version 2). NBoard sends the whole game so far (`set game`,
// a GGF line from its start board), then each move (`move f5/eval/time`), and asks for the
// engine's move (`go`, answered "=== f5/eval/time") or for the best moves valued (`hint N`,
// answered with "search f5 EVAL 0 DEPTH" lines, again at each depth, then a "status" line).
// Values are in discs for the side to move; an exact value's depth is written "100%".
//
// `go` and `hint` run in the background so that commands keep coming in: a command that changes
// the position (`set game`, `move`), a new `go` or `hint`, and `ping` (NBoard's "stop and sync")
// stop the search in progress and drop its answer first. `set depth N` searches N plies and
// counts exactly from exactFromDepth(N) empty squares, with no clock, so that the same position
// always gets the same answer. Bad lines and unknown commands get one line on the error writer;
// NBoard itself is never answered with an error.
#include "app/opponent/BackgroundSearch.h"
#include "app/protocols/LineEngine.h"
#include "app/protocols/ProtocolLines.h"

#include <chrono>
#include <string>
#include <variant>

namespace protocols {

// `set depth N` -> how many empty squares the search counts exactly from: a hint values every
// move exactly, about 2 s from 20 empty squares and a minute from 24 (docs/engine-notes.md).
constexpr int exactFromDepth(int depth) { return depth * 2 < 20 ? depth * 2 : 20; }
constexpr int DefaultNboardDepth = 8; // until NBoard sets one (it always does before a search)

class NboardEngine : public LineEngine {
public:
    // Writes "set myname Reversi" to `out` at once; `errors` takes the lines about bad input, one
    // line a call without its newline.
    NboardEngine(engine::Search& search, Writer out, Writer errors);
    ~NboardEngine() override;

    void receive(const std::string& line) override;
    void poll() override;
    bool busy() const override { return m_step.isRunning(); }
    void finish() override;
    bool quitting() const override { return m_quit; }
    // The threads go and hint search on (1 unless told).
    void setThreads(int threads) { m_threads = threads; }

    const KeptGame& game() const { return m_game; }
    int depth() const { return m_depth; }

private:
    // What one background step returns: the move of a `go`, or the values of a hint's depth.
    using Answer = std::variant<engine::SearchResult, engine::MoveValues>;
    enum class Task { None, Go, Hint };

    void stopSearch();
    void startGo();
    void startHintStep(); // the next depth of the hint in progress
    void setGame(const std::string& text);
    void playMove(const std::string& text);
    void answerGo(const engine::SearchResult& result);
    void answerHint(const engine::MoveValues& values);
    void refuse(const std::string& why) { m_errors(why); }

    engine::Search& m_search;
    Writer m_out;
    Writer m_errors;
    KeptGame m_game;
    int m_depth = DefaultNboardDepth;
    int m_threads = 1;
    int m_contempt = 0; // taken and kept; the search has no use for it
    bool m_quit = false;

    Task m_task = Task::None;
    int m_hintMoves = 0;           // how many moves the hint in progress values
    int m_hintDepth = 0;           // the depth its running step searches
    bool m_hintLast = false;       // the running step is the hint's last
    bool m_hintPass = false;       // the side to move must pass: the step values the position after
    std::chrono::steady_clock::time_point m_started; // of the go in progress: the time it reports
    BackgroundSearch<Answer> m_step;
};

} // namespace protocols
