#include "tests/support/GtpProcess.h"

#include <sys/wait.h>
#include <unistd.h>

GtpProcess::~GtpProcess()
{
    if (m_in) {
        std::fputs("quit\n", m_in);
        std::fclose(m_in);
    }
    if (m_out)
        std::fclose(m_out);
    if (m_pid > 0)
        waitpid(m_pid, nullptr, 0);
}

bool GtpProcess::start(const std::vector<std::string>& arguments)
{
    int toChild[2], fromChild[2];
    if (arguments.empty() || pipe(toChild) != 0 || pipe(fromChild) != 0)
        return false;
    m_pid = fork();
    if (m_pid < 0)
        return false;
    if (m_pid == 0) {
        dup2(toChild[0], 0);
        dup2(fromChild[1], 1);
        close(toChild[0]);
        close(toChild[1]);
        close(fromChild[0]);
        close(fromChild[1]);
        std::vector<char*> argv;
        for (const std::string& word : arguments)
            argv.push_back(const_cast<char*>(word.c_str()));
        argv.push_back(nullptr);
        execvp(argv[0], argv.data());
        std::fprintf(stderr, "cannot run %s\n", argv[0]);
        _exit(127);
    }
    close(toChild[0]);
    close(fromChild[1]);
    m_in = fdopen(toChild[1], "w");
    m_out = fdopen(fromChild[0], "r");
    return m_in && m_out;
}

bool GtpProcess::ask(const std::string& command, std::string& answer)
{
    answer = "(no answer)";
    if (!m_in || !m_out)
        return false;
    std::fprintf(m_in, "%s\n", command.c_str());
    std::fflush(m_in);
    bool started = false, ok = false;
    char line[1024];
    while (std::fgets(line, sizeof line, m_out)) {
        std::string text(line);
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
            text.pop_back();
        if (!started) {
            if (text.empty())
                continue;
            started = true;
            ok = text[0] == '=';
            const std::size_t space = text.find(' '); // after "=" or "=ID"
            answer = space == std::string::npos ? "" : text.substr(space + 1);
        } else if (text.empty()) {
            return ok;
        } else {
            answer += "\n" + text;
        }
    }
    return false;
}
