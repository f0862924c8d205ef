#include "app/files/XdgPaths.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>

namespace files {
namespace {

constexpr const char* GameFolder = "/reversi/";

bool isAbsolute(const char* path)
{
    return path && path[0] == '/';
}

bool isFolder(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

} // namespace

std::string baseDirectory(const BaseDirectory& base, const char* value, const char* home)
{
    if (isAbsolute(value))
        return value;
    if (isAbsolute(home))
        return std::string(home) + base.inHome;
    return "";
}

std::string baseDirectory(const BaseDirectory& base)
{
    return baseDirectory(base, std::getenv(base.variable), std::getenv("HOME"));
}

std::string gameFile(const std::string& folder, const std::string& name)
{
    return folder.empty() ? "" : folder + GameFolder + name;
}

bool makeParentFolders(const std::string& path, std::string& error)
{
    const std::size_t last = path.rfind('/');
    if (last == std::string::npos || last == 0)
        return true; // the file sits in the current folder or in the root
    const std::string folder = path.substr(0, last);
    for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        const std::string part = folder.substr(0, slash);
        // A folder already there is fine whatever mkdir says of it (EEXIST, or EROFS, EACCES on
        // some systems); anything else in its place is not.
        if (::mkdir(part.c_str(), FolderMode) != 0) {
            const int why = errno;
            if (!isFolder(part)) {
                errno = why == EEXIST ? ENOTDIR : why;
                error = "cannot make the folder " + part + ": " + std::strerror(errno);
                return false;
            }
        }
        if (slash == std::string::npos)
            return true;
    }
}

} // namespace files
