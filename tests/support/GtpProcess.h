#pragma once
// A GTP program on the other end of two pipes, for the referee and the benchmarks that play
// against other engines: started from its arguments (no shell), asked one command at a time.
//
// The program reads our commands on its standard input and answers on its standard output; its
// standard error is left as ours. It is sent "quit" and waited for when the object goes. A
// program that could not be started answers nothing: every ask() is then false.
#include <cstdio>
#include <string>
#include <sys/types.h>
#include <vector>

class GtpProcess {
public:
    GtpProcess() = default;
    ~GtpProcess();

    // Starts `arguments` (the program first); false when no pipe or process could be made. A
    // program that cannot be run prints one line on stderr and ends at once.
    bool start(const std::vector<std::string>& arguments);
    // Sends `command`; true with the answer's text (after "=" or "=ID") on success, false on "?" or
    // a closed pipe, `answer` then the error's text or "(no answer)".
    bool ask(const std::string& command, std::string& answer);

    GtpProcess(const GtpProcess&) = delete;
    GtpProcess& operator=(const GtpProcess&) = delete;

private:
    pid_t m_pid = -1;
    std::FILE* m_in = nullptr;
    std::FILE* m_out = nullptr;
};
