#include "tests/e2e/MappedFiles.h"

#include <algorithm>
#include <fstream>

std::vector<std::string> mappedFiles(pid_t pid, const std::string& namePart)
{
    std::vector<std::string> files;
    std::ifstream maps("/proc/" + std::to_string(pid) + "/maps");
    std::string line;
    while (std::getline(maps, line)) {
        // The path is the last field, starting at the first '/'.
        size_t start = line.find('/');
        if (start == std::string::npos)
            continue;
        std::string path = line.substr(start);
        if (path.find(namePart) != std::string::npos &&
            std::find(files.begin(), files.end(), path) == files.end())
            files.push_back(path);
    }
    return files;
}
