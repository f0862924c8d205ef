#include "app/settings/SettingsFile.h"

#include "app/files/WholeFile.h"
#include "app/files/XdgPaths.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace settings {

namespace {

constexpr const char* FileName = "settings";

std::string cannotRead(const std::string& path, const std::string& why)
{
    return "cannot read the settings in " + path + " (" + why + "); the defaults are used";
}

} // namespace

std::string settingsPath(const char* xdgConfigHome, const char* home)
{
    return files::gameFile(files::baseDirectory(files::ConfigHome, xdgConfigHome, home), FileName);
}

Settings readSettingsFile(const std::string& path, std::string& error)
{
    error.clear();
    Settings settings;
    if (path.empty())
        return settings;
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        if (errno != ENOENT) // no file yet is the normal first run
            error = cannotRead(path, std::strerror(errno));
        return settings;
    }
    if (!S_ISREG(info.st_mode)) {
        error = cannotRead(path, "not a plain file");
        return settings;
    }
    if (std::size_t(info.st_size) > MaxSettingsFileBytes) {
        error = cannotRead(path, "larger than " + std::to_string(MaxSettingsFileBytes) + " bytes");
        return settings;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = cannotRead(path, std::strerror(errno));
        return settings;
    }
    // Read at most one byte past the limit: the file may have grown since stat.
    std::string text(MaxSettingsFileBytes + 1, '\0');
    in.read(&text[0], std::streamsize(text.size()));
    text.resize(std::size_t(in.gcount()));
    if (text.size() > MaxSettingsFileBytes) {
        error = cannotRead(path, "larger than " + std::to_string(MaxSettingsFileBytes) + " bytes");
        return settings;
    }
    std::vector<std::string> problems;
    applySettingsText(text, settings, problems);
    if (!problems.empty()) {
        error = path + ": " + problems.front();
        if (problems.size() > 1)
            error += " (and " + std::to_string(problems.size() - 1) + " more bad lines)";
        error += "; the defaults are used for what is bad";
    }
    return settings;
}

bool writeSettingsFile(const std::string& path, const Settings& settings, std::string& error)
{
    if (path.empty()) {
        error = "cannot save the settings: neither XDG_CONFIG_HOME nor HOME names a folder";
        return false;
    }
    std::string why;
    if (!files::makeParentFolders(path, why))
        why = std::strerror(errno); // the line names the settings' path, not the folder
    else
        files::replaceWholeFile(path, settingsText(settings), why);
    if (why.empty())
        return true;
    error = "cannot save the settings in " + path + " (" + why + ")";
    return false;
}

} // namespace settings
