#pragma once

#include "tests/e2e/ChildProcess.h"

#include <memory>
#include <string>

// A private X server for one test: Xvfb with one 1024 x 768 true-colour screen, on a display
// number it chooses itself (-displayfd), so tests running side by side never meet. Ready once
// a client can connect; killed when this object goes away.
class XvfbServer {
public:
    XvfbServer();
    ~XvfbServer();
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    // ":N", or empty when the server could not be started.
    const std::string& displayName() const { return m_displayName; }
    pid_t pid() const { return m_process ? m_process->pid() : -1; }

private:
    std::string m_logDirectory;
    std::unique_ptr<ChildProcess> m_process;
    std::string m_displayName;
};
