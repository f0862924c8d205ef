#include "tests/support/TgaFiles.h"

#include <gtest/gtest.h>

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

Bytes tgaFile(std::uint16_t width, std::uint16_t height, std::uint8_t depth, const Bytes& pixels,
              std::uint8_t imageType)
{
    HeaderFields fields;
    fields.width = width;
    fields.height = height;
    fields.depth = depth;
    fields.imageType = imageType;
    return join(headerBytes(fields), pixels);
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
