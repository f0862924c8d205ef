// Writes the fuzzer's starting corpus into the folder named on the command line (emptied first):
// a few small pictures of each shape the loader knows, and a few it refuses.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes picture(std::uint16_t width, std::uint16_t height, std::uint8_t depth, std::uint8_t imageType,
              const std::string& id, std::uint16_t colourMapLength)
{
    Bytes bytes = {static_cast<std::uint8_t>(id.size()), 0, imageType, 0, 0,
                   static_cast<std::uint8_t>(colourMapLength & 0xff), static_cast<std::uint8_t>(colourMapLength >> 8), 0,
                   0, 0, 0, 0,
                   static_cast<std::uint8_t>(width & 0xff), static_cast<std::uint8_t>(width >> 8),
                   static_cast<std::uint8_t>(height & 0xff), static_cast<std::uint8_t>(height >> 8),
                   depth, 0};
    bytes.insert(bytes.end(), colourMapLength, 0);
    bytes.insert(bytes.end(), id.begin(), id.end());
    const std::size_t pixelBytes = std::size_t{width} * height * depth / 8;
    for (std::size_t i = 0; i < pixelBytes; ++i) bytes.push_back(static_cast<std::uint8_t>(i * 37 + 11));
    return bytes;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: tga_fuzz_seeds <corpus folder>\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);

    Bytes headerOnly = picture(1, 1, 24, 2, "", 0);
    headerOnly.resize(18);
    const std::vector<std::pair<const char*, Bytes>> seeds = {
        {"rgb-2x2", picture(2, 2, 24, 2, "", 0)},
        {"rgba-3x2-id", picture(3, 2, 32, 2, "seed", 0)},
        {"rgb-1x1-map", picture(1, 1, 24, 2, "m", 3)},
        {"sixteen-4x1", picture(4, 1, 16, 2, "", 0)},
        {"empty-0x5", picture(0, 5, 24, 2, "", 0)},
        {"rle-header", picture(0, 0, 24, 10, "", 0)},
        {"header-only", headerOnly},
    };
    for (const auto& [name, bytes] : seeds) {
        std::ofstream out(folder / name, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!out) {
            std::cerr << "cannot write seed " << name << "\n";
            return 1;
        }
    }
    return 0;
}
