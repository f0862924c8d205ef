#include "tests/e2e/XvfbServer.h"

#include "tests/support/TempFolder.h"

#include <X11/Xlib.h>
#include <chrono>
#include <poll.h>
#include <thread>
#include <unistd.h>

namespace {

// Generous: on a loaded machine Xvfb can take a few seconds to come up.
constexpr std::chrono::seconds startLimit{30};

// Xvfb writes its display number and a line break to the descriptor once it listens.
std::string readDisplayNumber(int fd, std::chrono::steady_clock::time_point deadline)
{
    std::string number;
    while (std::chrono::steady_clock::now() < deadline) {
        pollfd waiting{fd, POLLIN, 0};
        if (poll(&waiting, 1, 100) <= 0)
            continue;
        char byte = 0;
        if (read(fd, &byte, 1) != 1)
            return "";
        if (byte == '\n')
            return number;
        number += byte;
    }
    return "";
}

} // namespace

XvfbServer::XvfbServer()
{
    m_logDirectory = makeTempDirectory("reversi-xvfb");
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return;

    ChildProcess::Options options;
    options.argv = {"/usr/bin/Xvfb", "-displayfd", std::to_string(pipeEnds[1]), "-screen", "0",
                    "1024x768x24", "-noreset", "-nolisten", "tcp"};
    options.environment = environmentWithout({});
    options.stderrPath = m_logDirectory + "/xvfb.log";
    options.inheritedFd = pipeEnds[1];
    m_process = std::make_unique<ChildProcess>(options);
    close(pipeEnds[1]);

    auto deadline = std::chrono::steady_clock::now() + startLimit;
    std::string number = readDisplayNumber(pipeEnds[0], deadline);
    close(pipeEnds[0]);
    if (number.empty())
        return;

    std::string name = ":" + number;
    while (std::chrono::steady_clock::now() < deadline) {
        if (Display* display = XOpenDisplay(name.c_str())) {
            XCloseDisplay(display);
            m_displayName = name;
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

XvfbServer::~XvfbServer()
{
    m_process.reset();
    removeTree(m_logDirectory);
}
