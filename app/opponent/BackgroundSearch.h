#pragma once
// Searches that run beside the frames: each run is one worker thread, started, polled once a
// frame and cancelled from the main thread. The computer's thinking and the hint run here, and so
// can any later analysis: a job is any use of an engine::Search that returns an answer.
//
// A run goes waiting (its thread is made) -> running (the worker has claimed it) -> done (the
// work returned). The worker claims the run and cancel() marks it cancelled on one atomic, so a
// cancel that comes first means the work never begins. A running work is asked to stop again and
// again until it is done, because the engine's search clears a stop when it begins: a stop sent
// between the claim and that clearing would be lost. Either way cancel() returns with the worker
// joined and the run's answer dropped; no answer is ever delivered after it.
//
// Only the main thread calls these operations; the worker touches nothing but its work and the
// answer it writes. BackgroundWork is the one place in app/ that starts threads.
#include "engine/Search.h"

#include <functional>
#include <memory>
#include <optional>
#include <utility>

// The worker thread under every background search, for any work with a way to stop it.
class BackgroundWork {
public:
    BackgroundWork();
    ~BackgroundWork();

    // Runs `work` on a new worker thread, cancelling the run before it if any. `stop` asks a
    // running work to return soon; cancel() calls it from the main thread, maybe many times.
    void start(std::function<void()> work, std::function<void()> stop);
    // True once, when the run's work has returned (its worker is joined then); false while it
    // runs, when nothing was started, and after a cancel.
    bool finished();
    // Stops the run, if any, and joins its worker; a work that had not begun never begins.
    void cancel();
    // A run was started and neither finished() nor cancel() has ended it.
    bool isRunning() const { return m_run != nullptr; }

    BackgroundWork(const BackgroundWork&) = delete;
    BackgroundWork& operator=(const BackgroundWork&) = delete;

private:
    struct Run; // the worker, its stop and the phase it shares with the main thread
    std::unique_ptr<Run> m_run; // null when nothing runs
};

// A job on an engine::Search, run in the background; its answer is taken once with poll().
template <class Answer>
class BackgroundSearch {
public:
    using Job = std::function<Answer(engine::Search&)>;

    BackgroundSearch() = default;
    ~BackgroundSearch() { cancel(); }

    // Runs job(search) on a worker, cancelling the run before it if any. The search is the
    // job's alone until its answer is taken or the run is cancelled, and must outlive the run.
    void start(engine::Search& search, Job job)
    {
        cancel();
        m_work.start([this, &search, job = std::move(job)] { m_answer = job(search); },
                     [&search] { search.stop(); });
    }
    // The answer once the job has returned, and only that once; nothing while it runs, when
    // nothing runs and after a cancel. Never waits.
    std::optional<Answer> poll()
    {
        if (!m_work.finished())
            return std::nullopt;
        std::optional<Answer> answer = std::move(m_answer);
        m_answer.reset();
        return answer;
    }
    // Stops the job and joins its worker; its answer, if any, is dropped.
    void cancel()
    {
        m_work.cancel();
        m_answer.reset();
    }
    bool isRunning() const { return m_work.isRunning(); }

    BackgroundSearch(const BackgroundSearch&) = delete;
    BackgroundSearch& operator=(const BackgroundSearch&) = delete;

private:
    std::optional<Answer> m_answer; // written by the worker alone until its run is done
    BackgroundWork m_work;          // after m_answer: joined before the answer goes
};

// The searches the game runs today: one engine::SearchResult each.
using MoveSearch = BackgroundSearch<engine::SearchResult>;
