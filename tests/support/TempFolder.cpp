#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

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

TempFolder::TempFolder(const std::string& prefix)
    : m_root(makeTempDirectory(prefix))
{
}

TempFolder::~TempFolder()
{
    removeTree(m_root);
}

std::string TempFolder::path(const std::string& name) const
{
    return (std::filesystem::path(m_root) / name).string();
}

std::string TempFolder::write(const std::string& name, const std::vector<std::uint8_t>& bytes) const
{
    const std::string full = path(name);
    std::ofstream out(full, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        ADD_FAILURE() << "cannot write " << full;
    return full;
}
