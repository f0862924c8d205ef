#include "app/protocols/ProtocolLoop.h"

#include "app/files/ErrorLine.h"
#include "app/protocols/GtpEngine.h"
#include "app/protocols/NboardEngine.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <poll.h>
#include <unistd.h>

namespace protocols {
namespace {

// How often a running search is looked at while no line comes (milliseconds).
constexpr int PollMilliseconds = 5;

void writeOut(const std::string& text)
{
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout); // the GUI reads through a pipe: every answer goes at once
}

void writeError(const std::string& line)
{
    std::fputs(errorLine(line).c_str(), stderr);
}

} // namespace

int runLines(LineEngine& engine, int inputFd)
{
    // A GUI that closes its end first must not kill the engine mid-answer: the end of input ends it.
    std::signal(SIGPIPE, SIG_IGN);
    std::string pending;      // bytes read after the last newline
    char buffer[4096];
    while (!engine.quitting()) {
        pollfd input{inputFd, POLLIN, 0};
        const int ready = poll(&input, 1, engine.busy() ? PollMilliseconds : -1);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready == 0) {
            engine.poll();
            continue;
        }
        const ssize_t got = ready < 0 ? 0 : read(inputFd, buffer, sizeof buffer);
        if (got < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (got <= 0)
            break;
        for (ssize_t i = 0; i < got && !engine.quitting(); ++i) {
            const char c = buffer[i];
            if (c != '\n') {
                if (pending.size() <= MaxLineBytes)
                    pending += c; // one byte past the limit is kept so the engine sees it too long
                continue;
            }
            if (!pending.empty() && pending.back() == '\r')
                pending.pop_back();
            engine.receive(pending);
            engine.poll();
            pending.clear();
        }
    }
    if (!engine.quitting() && !pending.empty())
        engine.receive(pending); // a last line without its newline
    if (!engine.quitting())
        engine.finish();
    return 0;
}

int runGtp(int level, const std::string& version, int threads)
{
    engine::Search search(engine::Evaluator::builtIn());
    GtpEngine gtp(search, level, version, writeOut);
    gtp.setThreads(threads);
    return runLines(gtp, STDIN_FILENO);
}

int runNboard(int threads)
{
    engine::Search search(engine::Evaluator::builtIn());
    NboardEngine nboard(search, writeOut, writeError);
    nboard.setThreads(threads);
    return runLines(nboard, STDIN_FILENO);
}

} // namespace protocols
