#pragma once
// Test helpers: build TGA bytes by hand (independently of the loader's own encoder) and keep the
// files in a private temporary folder that disappears with the test.
#include <cstdint>
#include <string>
#include <vector>

namespace tgatest {

using Bytes = std::vector<std::uint8_t>;

// The fields a test varies; the rest of the 18-byte header is written as zero.
struct HeaderFields {
    std::uint16_t width = 0;
    std::uint16_t height = 0;
    std::uint8_t depth = 24;
    std::uint8_t idLength = 0;
    std::uint8_t imageType = 2;
    std::uint16_t colourMapLength = 0;
    std::uint16_t xOrigin = 0;
    std::uint16_t yOrigin = 0;
    std::uint8_t descriptor = 0;
};

// The 18 header bytes, little-endian.
Bytes headerBytes(const HeaderFields& fields);

// `count` bytes that differ from their neighbours, so a misplaced offset shows.
Bytes patternBytes(std::size_t count, std::uint8_t seed = 1);

// a followed by b.
Bytes join(Bytes a, const Bytes& b);

// A fresh folder under the test temporary directory, removed with everything in it.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string path(const std::string& name) const;
    // Writes the bytes to `name` in the folder and returns the full path.
    std::string write(const std::string& name, const Bytes& bytes) const;

private:
    std::string m_root;
};

bool fileExists(const std::string& path);
Bytes readFile(const std::string& path);

} // namespace tgatest
