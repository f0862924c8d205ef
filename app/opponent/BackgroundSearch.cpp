#include "app/opponent/BackgroundSearch.h"

#include <atomic>
#include <chrono>
#include <thread>

struct BackgroundWork::Run {
    enum Phase : int { Waiting, Running, Cancelled, Done };

    std::atomic<int> phase{Waiting};
    std::function<void()> stop;
    std::thread worker; // last: it starts once the rest is in place
};

BackgroundWork::BackgroundWork() = default;

BackgroundWork::~BackgroundWork()
{
    cancel();
}

void BackgroundWork::start(std::function<void()> work, std::function<void()> stop)
{
    cancel();
    m_run = std::make_unique<Run>();
    m_run->stop = std::move(stop);
    Run* run = m_run.get(); // outlives the worker: every way out of a run joins it first
    run->worker = std::thread([run, work = std::move(work)] {
        int expected = Run::Waiting;
        if (run->phase.compare_exchange_strong(expected, Run::Running, std::memory_order_acq_rel))
            work();
        run->phase.store(Run::Done, std::memory_order_release);
    });
}

bool BackgroundWork::finished()
{
    if (!m_run || m_run->phase.load(std::memory_order_acquire) != Run::Done)
        return false;
    m_run->worker.join();
    m_run.reset();
    return true;
}

void BackgroundWork::cancel()
{
    if (!m_run)
        return;
    if (m_run->phase.exchange(Run::Cancelled, std::memory_order_acq_rel) == Run::Running) {
        // The search may not have cleared its stop yet: ask until the work has returned.
        while (m_run->phase.load(std::memory_order_acquire) != Run::Done) {
            m_run->stop();
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
    m_run->worker.join();
    m_run.reset();
}
