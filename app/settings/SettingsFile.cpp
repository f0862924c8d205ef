#include "app/settings/SettingsFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <ostream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* GameFolder = "/reversi";
constexpr const char* FileName = "/settings";

bool isAbsolute(const char* path)
{
    return path && path[0] == '/';
}

// Makes `folder` and its missing parents; true when it exists as a folder afterwards.
bool makeFolders(const std::string& folder)
{
    for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        const std::string part = folder.substr(0, slash);
        if (::mkdir(part.c_str(), 0755) != 0 && errno != EEXIST)
            return false;
        if (slash == std::string::npos)
            break;
    }
    struct stat info {};
    return ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

void sayCannotRead(std::ostream& errors, const std::string& path, const std::string& why)
{
    errors << "reversi: cannot read the settings in " << path << " (" << why << "); the defaults are used\n";
}

} // namespace

std::string settingsPath(const char* xdgConfigHome, const char* home)
{
    if (isAbsolute(xdgConfigHome))
        return std::string(xdgConfigHome) + GameFolder + FileName;
    if (isAbsolute(home))
        return std::string(home) + "/.config" + GameFolder + FileName;
    return std::string();
}

Settings readSettingsFile(const std::string& path, std::ostream& errors)
{
    Settings settings;
    if (path.empty())
        return settings;
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        if (errno != ENOENT) // no file yet is the normal first run
            sayCannotRead(errors, path, std::strerror(errno));
        return settings;
    }
    if (!S_ISREG(info.st_mode)) {
        sayCannotRead(errors, path, "not a plain file");
        return settings;
    }
    if (std::size_t(info.st_size) > MaxSettingsFileBytes) {
        sayCannotRead(errors, path, "larger than " + std::to_string(MaxSettingsFileBytes) + " bytes");
        return settings;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        sayCannotRead(errors, path, std::strerror(errno));
        return settings;
    }
    // Read at most one byte past the limit: the file may have grown since stat.
    std::string text(MaxSettingsFileBytes + 1, '\0');
    in.read(&text[0], std::streamsize(text.size()));
    text.resize(std::size_t(in.gcount()));
    if (text.size() > MaxSettingsFileBytes) {
        sayCannotRead(errors, path, "larger than " + std::to_string(MaxSettingsFileBytes) + " bytes");
        return settings;
    }
    std::vector<std::string> problems;
    applySettingsText(text, settings, problems);
    if (!problems.empty()) {
        errors << "reversi: " << path << ": " << problems.front();
        if (problems.size() > 1)
            errors << " (and " << problems.size() - 1 << " more bad lines)";
        errors << "; the defaults are used for what is bad\n";
    }
    return settings;
}

bool writeSettingsFile(const std::string& path, const Settings& settings, std::ostream& errors)
{
    if (path.empty()) {
        errors << "reversi: cannot save the settings: neither XDG_CONFIG_HOME nor HOME names a folder\n";
        return false;
    }
    const std::string folder = path.substr(0, path.rfind('/'));
    const std::string temporary = path + ".new." + std::to_string(::getpid());
    const std::string text = settingsText(settings);
    std::string why;
    if (!makeFolders(folder)) {
        why = std::strerror(errno);
    } else {
        std::FILE* file = std::fopen(temporary.c_str(), "wb");
        if (!file) {
            why = std::strerror(errno);
        } else {
            const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size() &&
                                 std::fflush(file) == 0 && ::fsync(fileno(file)) == 0;
            const int writeErrno = errno;
            const bool closed = std::fclose(file) == 0;
            if (!written || !closed)
                why = std::strerror(written ? errno : writeErrno);
            else if (std::rename(temporary.c_str(), path.c_str()) != 0)
                why = std::strerror(errno);
            if (!why.empty())
                std::remove(temporary.c_str());
        }
    }
    if (why.empty())
        return true;
    errors << "reversi: cannot save the settings in " << path << " (" << why << ")\n";
    return false;
}
