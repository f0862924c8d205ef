#include "app/files/WholeFile.h"

#include "app/files/XdgPaths.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace files {

ReadResult readWholeFile(const std::string& path, std::size_t largest, std::string& text, std::string& error)
{
    text.clear();
    // O_NONBLOCK: a FIFO in the file's place must not hold the game up.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        if (errno == ENOENT)
            return ReadResult::Missing;
        error = "cannot open " + path + ": " + std::strerror(errno);
        return ReadResult::Failed;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        error = "cannot use " + path + ": not a plain file";
        return ReadResult::Failed;
    }
    if (std::size_t(info.st_size) > largest) {
        ::close(fd);
        error = "cannot use " + path + ": larger than " + std::to_string(largest) + " bytes";
        return ReadResult::Failed;
    }
    char chunk[16 * 1024];
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            error = "cannot read " + path + ": " + std::strerror(errno);
            ::close(fd);
            return ReadResult::Failed;
        }
        if (got == 0)
            break;
        text.append(chunk, std::size_t(got));
        if (text.size() > largest) {
            error = "cannot use " + path + ": larger than " + std::to_string(largest) + " bytes";
            ::close(fd);
            return ReadResult::Failed;
        }
    }
    ::close(fd);
    return ReadResult::Read;
}

bool writeWholeFile(const std::string& path, const std::string& text, std::string& error)
{
    if (path.empty()) {
        error = "no folder for the file: neither XDG_DATA_HOME nor HOME is set";
        return false;
    }
    std::string why;
    if (!makeParentFolders(path, why)) {
        error = "cannot write " + path + ": " + why;
        return false;
    }
    if (replaceWholeFile(path, text, why))
        return true;
    error = "cannot write " + path + ": " + why;
    return false;
}

bool replaceWholeFile(const std::string& path, const std::string& text, std::string& why)
{
    const std::string temporary = path + ".new." + std::to_string(::getpid());
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file) {
        why = std::strerror(errno);
        return false;
    }
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size() && std::fflush(file) == 0 &&
                         ::fsync(fileno(file)) == 0;
    const int writeErrno = errno;
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed)
        why = std::strerror(written ? errno : writeErrno);
    else if (std::rename(temporary.c_str(), path.c_str()) != 0)
        why = std::strerror(errno);
    if (why.empty())
        return true;
    std::remove(temporary.c_str());
    return false;
}

} // namespace files
