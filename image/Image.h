#pragma once
// The picture interface every image kind implements. Pixels are raw bytes exactly as the file
// stores them; channel access addresses one byte of one pixel.
#include <cstdint>
#include <memory>

// Which byte of a pixel a channel operation reaches (see TgaImage for the byte order).
enum ColourChannel : std::uint32_t {
    Red = 0,
    Green = 1,
    Blue = 2,
    Alpha = 3, // only for 16- and 32-bit pixels
};

class Image {
public:
    virtual ~Image() = default;

    virtual bool load(const char* fileName) = 0;
    virtual bool isLoaded() const = 0;
    virtual bool save() = 0;
    virtual bool saveAs(const char* fileName) = 0;
    virtual bool isSaved() const = 0;
    virtual bool create(std::uint16_t width, std::uint16_t height, std::uint8_t bitsPerPixel) = 0;
    virtual std::uint8_t* pixels() const = 0;
    virtual std::uint16_t width() const = 0;
    virtual std::uint16_t height() const = 0;
    virtual std::uint8_t bitsPerPixel() const = 0;
    virtual std::uint8_t channel(std::uint16_t x, std::uint16_t y, const ColourChannel& which) const = 0;
    // Adopts the buffer (made with new[]); its size is taken to be width x height x depth / 8 now.
    virtual void setPixels(std::unique_ptr<std::uint8_t[]> buffer) = 0;
    virtual void setWidth(std::uint16_t width) = 0;
    virtual void setHeight(std::uint16_t height) = 0;
    virtual void setBitsPerPixel(std::uint8_t bitsPerPixel) = 0;
    virtual bool setChannel(std::uint16_t x, std::uint16_t y, const ColourChannel& which, std::uint8_t value) = 0;
};
