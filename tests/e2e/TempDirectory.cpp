#include "tests/e2e/TempDirectory.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <vector>

std::string makeTempDirectory(const std::string& prefix)
{
    std::string pattern = (std::filesystem::temp_directory_path() / (prefix + "-XXXXXX")).string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (mkdtemp(buffer.data()) == nullptr)
        throw std::runtime_error("cannot create a temporary directory");
    return buffer.data();
}

void removeTree(const std::string& path)
{
    if (path.empty())
        return;
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
}
