#include "tests/image/TgaFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace tgatest {

Bytes headerBytes(const HeaderFields& f)
{
    auto lo = [](std::uint16_t v) { return static_cast<std::uint8_t>(v & 0xff); };
    auto hi = [](std::uint16_t v) { return static_cast<std::uint8_t>(v >> 8); };
    return {f.idLength, 0, f.imageType, 0, 0,
            lo(f.colourMapLength), hi(f.colourMapLength), 0,
            lo(f.xOrigin), hi(f.xOrigin), lo(f.yOrigin), hi(f.yOrigin),
            lo(f.width), hi(f.width), lo(f.height), hi(f.height),
            f.depth, f.descriptor};
}

Bytes patternBytes(std::size_t count, std::uint8_t seed)
{
    Bytes bytes(count);
    for (std::size_t i = 0; i < count; ++i) bytes[i] = static_cast<std::uint8_t>(seed + i * 7);
    return bytes;
}

Bytes join(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TempFolder::TempFolder()
{
    std::string pattern = (std::filesystem::path(testing::TempDir()) / "tga-XXXXXX").string();
    if (!mkdtemp(pattern.data())) ADD_FAILURE() << "cannot make a temporary folder from " << pattern;
    m_root = pattern;
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_root, ignored);
}

std::string TempFolder::path(const std::string& name) const
{
    return (std::filesystem::path(m_root) / name).string();
}

std::string TempFolder::write(const std::string& name, const Bytes& bytes) const
{
    const std::string full = path(name);
    std::ofstream out(full, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) ADD_FAILURE() << "cannot write " << full;
    return full;
}

bool fileExists(const std::string& path)
{
    return std::filesystem::exists(path);
}

Bytes readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace tgatest
