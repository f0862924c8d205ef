#include "tests/e2e/ChildProcess.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

std::vector<char*> pointersTo(std::vector<std::string>& texts)
{
    std::vector<char*> pointers;
    for (std::string& text : texts)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

// Only async-signal-safe calls from here on: this runs in the forked child.
[[noreturn]] void becomeChild(const char* workingDirectory, const char* stdoutPath,
                              const char* stderrPath, int inheritedFd, char* const* argv,
                              char* const* envp)
{
    setsid();
    int input = open("/dev/null", O_RDONLY);
    int output = open(stdoutPath, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    int errors = open(stderrPath, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (input < 0 || output < 0 || errors < 0)
        _exit(126);
    dup2(input, 0);
    dup2(output, 1);
    dup2(errors, 2);
    if (inheritedFd >= 0) {
        int flags = fcntl(inheritedFd, F_GETFD);
        fcntl(inheritedFd, F_SETFD, flags & ~FD_CLOEXEC);
    }
    if (workingDirectory[0] != '\0' && chdir(workingDirectory) != 0)
        _exit(126);
    execve(argv[0], argv, envp);
    _exit(127);
}

} // namespace

ChildProcess::ChildProcess(const Options& options)
{
    std::vector<std::string> argvTexts = options.argv;
    std::vector<std::string> environmentTexts = options.environment;
    std::vector<char*> argv = pointersTo(argvTexts);
    std::vector<char*> envp = pointersTo(environmentTexts);
    std::string stdoutPath = options.stdoutPath.empty() ? "/dev/null" : options.stdoutPath;
    std::string stderrPath = options.stderrPath.empty() ? "/dev/null" : options.stderrPath;

    m_pid = fork();
    if (m_pid < 0)
        throw std::runtime_error("fork failed");
    if (m_pid == 0)
        becomeChild(options.workingDirectory.c_str(), stdoutPath.c_str(), stderrPath.c_str(),
                    options.inheritedFd, argv.data(), envp.data());
}

ChildProcess::~ChildProcess()
{
    kill();
}

void ChildProcess::reap(int status)
{
    m_reaped = true;
    if (WIFEXITED(status))
        m_exitStatus = WEXITSTATUS(status);
    else if (WIFSIGNALED(status))
        m_signal = WTERMSIG(status);
}

bool ChildProcess::hasExited()
{
    if (m_reaped)
        return true;
    int status = 0;
    pid_t result = waitpid(m_pid, &status, WNOHANG);
    if (result == m_pid)
        reap(status);
    return m_reaped;
}

std::optional<int> ChildProcess::waitForExit(std::chrono::milliseconds limit)
{
    auto deadline = std::chrono::steady_clock::now() + limit;
    while (!hasExited() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    return m_exitStatus;
}

void ChildProcess::kill()
{
    if (m_pid <= 0 || hasExited())
        return;
    // The child leads its own session, so its process group has its id.
    ::kill(-m_pid, SIGKILL);
    int status = 0;
    while (waitpid(m_pid, &status, 0) < 0 && errno == EINTR) {
    }
    reap(status);
}

std::vector<std::string> environmentWithout(const std::vector<std::string>& names)
{
    std::vector<std::string> kept;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        std::string text = *entry;
        bool dropped = false;
        for (const std::string& name : names)
            dropped = dropped || text.compare(0, name.size() + 1, name + "=") == 0;
        if (!dropped)
            kept.push_back(text);
    }
    return kept;
}

std::string readWholeFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}
