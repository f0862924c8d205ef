#pragma once
// TGA bytes built by hand, independently of the loader's own encoder, for every test that needs a
// picture file; the files go into a TempFolder that disappears with the test.
#include "tests/support/TempFolder.h"

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

// A whole file: the header of an uncompressed true-colour picture (type 2 unless `imageType`
// says otherwise), then `pixels` as given.
Bytes tgaFile(std::uint16_t width, std::uint16_t height, std::uint8_t depth, const Bytes& pixels,
              std::uint8_t imageType = 2);

using ::TempFolder;

bool fileExists(const std::string& path);
Bytes readFile(const std::string& path);

} // namespace tgatest
