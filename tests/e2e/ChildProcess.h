#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

// A program the end-to-end tests start and watch: its own session (so it has no controlling
// terminal and can be killed as a group), stdin from /dev/null, stdout and stderr captured in
// files. The destructor kills whatever is still running, so a failed test never leaves a game
// or an X server behind.
class ChildProcess {
public:
    struct Options {
        std::vector<std::string> argv;        // argv[0] is the path of the program
        std::vector<std::string> environment; // "NAME=value" entries; the whole environment
        std::string workingDirectory;         // empty: the test's own
        std::string stdoutPath;               // empty: /dev/null
        std::string stderrPath;               // empty: /dev/null
        int inheritedFd = -1;                 // one descriptor handed down as it is, or -1
    };

    explicit ChildProcess(const Options& options);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t pid() const { return m_pid; }
    bool hasExited();

    // The exit status once the program has ended on its own within `limit`; nothing if it is
    // still running then, or if it was ended by a signal (then `terminatingSignal` tells which).
    std::optional<int> waitForExit(std::chrono::milliseconds limit);
    int terminatingSignal() const { return m_signal; }

    // Ends the program's whole session with SIGKILL and reaps it.
    void kill();

private:
    void reap(int status);

    pid_t m_pid = -1;
    bool m_reaped = false;
    std::optional<int> m_exitStatus;
    int m_signal = 0;
};

// The current environment without the named variables, as "NAME=value" entries.
std::vector<std::string> environmentWithout(const std::vector<std::string>& names);

// Reads a whole file as bytes; empty when it cannot be read.
std::string readWholeFile(const std::string& path);
