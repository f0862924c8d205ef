#include "app/records/RecordsFile.h"

#include "app/files/XdgPaths.h"
#include "app/records/GameReplay.h"
#include "app/records/Ggf.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace records {
namespace {

constexpr mode_t FileMode = 0644;
constexpr std::size_t ReadChunk = 64 * 1024;
constexpr const char* FileName = "games.ggf";

std::string systemError(const std::string& what, const std::string& path)
{
    return what + " " + path + ": " + std::strerror(errno);
}

// Closes the descriptor on every way out.
struct FileCloser {
    int fd;
    ~FileCloser()
    {
        if (fd >= 0)
            close(fd);
    }
};

// Opens `path` without waiting on a FIFO or a device, and keeps it only when it is a plain file.
int openPlainFile(const std::string& path, int flags, std::string& error)
{
    const int fd = open(path.c_str(), flags | O_CLOEXEC | O_NONBLOCK | O_NOCTTY, FileMode);
    if (fd < 0) {
        error = systemError("cannot open", path);
        return -1;
    }
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        close(fd);
        error = "cannot use " + path + ": not a plain file";
        errno = EINVAL; // not ENOENT: the file is there
        return -1;
    }
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

void keepLine(const std::string& line, KeptGames& kept)
{
    if (line.find_first_not_of(" \t\r") == std::string::npos)
        return; // blank lines are no game and no damage either
    GameRecord game;
    std::string why; // the line is counted, not explained
    if (!parseGgf(line, game, why) || !replay(game.start, game.blackToMoveAtStart, game.turns, false).ok) {
        ++kept.skipped;
        return;
    }
    kept.games.push_back(std::move(game));
}

} // namespace

std::string recordsPath()
{
    return files::gameFile(files::baseDirectory(files::DataHome), FileName);
}

bool appendLine(const std::string& path, const std::string& line, std::string& error)
{
    if (!files::makeParentFolders(path, error))
        return false;
    FileCloser file{openPlainFile(path, O_RDWR | O_CREAT | O_APPEND, error)};
    if (file.fd < 0)
        return false;
    if (flock(file.fd, LOCK_EX) != 0) {
        error = systemError("cannot lock", path);
        return false;
    }
    struct stat info {};
    if (fstat(file.fd, &info) != 0) {
        error = systemError("cannot read the size of", path);
        return false;
    }
    std::string text;
    char last = '\n';
    if (info.st_size > 0 && pread(file.fd, &last, 1, info.st_size - 1) != 1)
        last = '\n'; // unreadable: the line goes on as it is
    if (last != '\n')
        text += '\n'; // closes a line cut short, which stays as damage of its own
    text += line;
    text += '\n';
    const ssize_t written = write(file.fd, text.data(), text.size());
    if (written == ssize_t(text.size()))
        return true;
    const int why = written < 0 ? errno : ENOSPC;
    // A part of a line would damage the file: take it back to what it was.
    if (written > 0 && ftruncate(file.fd, info.st_size) != 0) {
        // Nothing more to do: the next game's write closes the cut line.
    }
    errno = why;
    error = systemError("cannot write to", path);
    return false;
}

KeptGames readKeptGames(const std::string& path)
{
    KeptGames kept;
    std::string why;
    FileCloser file{openPlainFile(path, O_RDONLY, why)};
    if (file.fd < 0) {
        if (errno != ENOENT)
            kept.error = why;
        return kept;
    }
    std::string line;
    bool tooLong = false; // the current line has passed LongestLine: its bytes are dropped
    char chunk[ReadChunk];
    for (;;) {
        const ssize_t got = read(file.fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            kept.error = systemError("cannot read", path);
            return kept;
        }
        if (got == 0)
            break;
        for (ssize_t i = 0; i < got; ++i) {
            if (chunk[i] == '\n') {
                if (tooLong)
                    ++kept.skipped;
                else
                    keepLine(line, kept);
                line.clear();
                tooLong = false;
            } else if (!tooLong) {
                line += chunk[i];
                if (line.size() > LongestLine) {
                    tooLong = true;
                    line.clear();
                    line.shrink_to_fit();
                }
            }
        }
    }
    if (tooLong)
        ++kept.skipped;
    else
        keepLine(line, kept);
    kept.readable = true;
    return kept;
}

} // namespace records
