// libFuzzer target for the TGA loader: every input is written to a temporary file and loaded.
// A loaded picture must hold exactly what its header claims, no more than the file's bytes, and
// every pixel byte and a few channels are read so the sanitizers see any stray access.
#include "image/TgaImage.h"

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

// Writes the input to a fresh temporary file; returns its path, or "" when that fails.
std::string writeInput(const std::uint8_t* data, std::size_t size)
{
    std::string path = (std::filesystem::temp_directory_path() / "tga-fuzz-XXXXXX").string();
    const int fd = mkstemp(path.data());
    if (fd < 0) return "";
    std::size_t written = 0;
    while (written < size) {
        const ssize_t n = write(fd, data + written, size - written);
        if (n <= 0) break;
        written += static_cast<std::size_t>(n);
    }
    close(fd);
    if (written != size) {
        unlink(path.c_str());
        return "";
    }
    return path;
}

void touchPicture(const TgaImage& image, std::size_t fileSize)
{
    const std::uint64_t claimed = std::uint64_t{image.width()} * image.height() * image.bitsPerPixel() / 8;
    if (image.bufferSize() != claimed || image.bufferSize() + TgaImage::HeaderSize > fileSize) std::abort();
    if (!image.pixels()) std::abort();

    volatile unsigned sink = 0;
    for (std::size_t i = 0; i < image.bufferSize(); ++i) sink = sink + image.pixels()[i];

    const std::uint16_t w = image.width();
    const std::uint16_t h = image.height();
    const std::uint16_t xs[] = {0, static_cast<std::uint16_t>(w / 2), static_cast<std::uint16_t>(w ? w - 1 : 0), w};
    const std::uint16_t ys[] = {0, static_cast<std::uint16_t>(h / 2), static_cast<std::uint16_t>(h ? h - 1 : 0), h};
    for (std::uint16_t x : xs) {
        for (std::uint16_t y : ys) {
            for (std::uint32_t c = 0; c <= 4; ++c) sink = sink + image.channel(x, y, static_cast<ColourChannel>(c));
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string path = writeInput(data, size);
    if (path.empty()) return 0;
    TgaImage image(path.c_str());
    unlink(path.c_str());

    if (image.isLoaded()) touchPicture(image, size);
    else if (image.pixels() || image.bufferSize()) std::abort(); // a failed load keeps no pixels

    // Saving reads the buffer the header describes; it must refuse rather than overrun.
    image.saveAs("/dev/null");
    return 0;
}
