#pragma once
// An uncompressed true-colour TGA picture (image type 2) in memory.
//
// Storage: the 18-byte header exactly as read or written, the image ID (ID-length bytes plus a
// terminating zero) and one block of pixel bytes exactly as the file stores them: rows in file
// order (bottom row first for the usual descriptor 0) and each pixel's bytes blue, green, red
// (then alpha at 32 bits). Nothing flips rows or reorders bytes.
//
// A non-zero colour-map length is taken as a count of bytes between the header and the image ID:
// load skips them and save writes that many zero bytes. No colour-map entries are kept, so load
// and save agree and a file saved here loads back with the same header, ID and pixels. (The
// published layout puts the ID first and the map entries behind it; such files are not read as
// their writer meant.)
//
// What always holds: bufferSize() is the size of the pixel block held (0 when none). Channel
// access and saving never touch a byte outside it, whatever the header says, and a load never
// allocates more than the file holds.
#include "image/Image.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

struct TgaHeader {
    std::uint8_t idLength = 0;
    std::uint8_t colourMapType = 0;
    std::uint8_t imageType = 2;           // 2: uncompressed true colour, the only type with pixels
    std::uint16_t colourMapFirstEntry = 0;
    std::uint16_t colourMapLength = 0;    // taken as a byte count between header and image ID
    std::uint8_t colourMapEntrySize = 0;
    std::uint16_t xOrigin = 0;
    std::uint16_t yOrigin = 0;
    std::uint16_t width = 0;
    std::uint16_t height = 0;
    std::uint8_t pixelDepth = 24;         // bits per pixel
    std::uint8_t imageDescriptor = 0;
};

class TgaImage : public Image {
public:
    static constexpr std::size_t HeaderSize = 18;
    static constexpr std::uint8_t TrueColour = 2;

    // Loads the file when a name is given; ask isLoaded() for the outcome.
    explicit TgaImage(const char* fileName = nullptr);
    ~TgaImage() override;

    TgaImage(const TgaImage&) = delete;
    TgaImage& operator=(const TgaImage&) = delete;

    bool load(const char* fileName) override;
    bool isLoaded() const override;
    bool save() override;
    bool saveAs(const char* fileName) override;
    bool isSaved() const override;
    bool create(std::uint16_t width, std::uint16_t height, std::uint8_t bitsPerPixel) override;
    std::uint8_t* pixels() const override;
    std::uint16_t width() const override;
    std::uint16_t height() const override;
    std::uint8_t bitsPerPixel() const override;
    std::uint8_t channel(std::uint16_t x, std::uint16_t y, const ColourChannel& which) const override;
    void setPixels(std::unique_ptr<std::uint8_t[]> buffer) override;
    void setWidth(std::uint16_t width) override;
    void setHeight(std::uint16_t height) override;
    void setBitsPerPixel(std::uint8_t bitsPerPixel) override;
    bool setChannel(std::uint16_t x, std::uint16_t y, const ColourChannel& which, std::uint8_t value) override;

    // Not part of the picture interface: what the loader and the texture uploads need to know.
    const TgaHeader& header() const { return m_header; }
    const std::string& fileName() const { return m_fileName; }
    const std::uint8_t* imageId() const { return m_imageId.get(); } // zero-terminated, or null
    bool isModified() const { return m_modified; }
    std::size_t bufferSize() const { return m_bufferSize; }          // bytes of pixels held
    // Loaded, 24 bits deep and holding width x height x 3 bytes: safe to hand to glTexImage2D
    // as a 24-bit picture.
    bool holdsWhole24BitPicture() const;

private:
    // width x height x depth / 8 as the header says now, in 64 bits so no product can wrap.
    std::uint64_t headerPixelBytes() const;
    // Where channel `which` of pixel (x, y) lives, or false when the selector is rejected or the
    // byte lies outside the buffer held.
    bool channelOffset(std::uint16_t x, std::uint16_t y, const ColourChannel& which,
                       std::size_t& offset) const;
    void adoptPixels(std::unique_ptr<std::uint8_t[]> buffer, std::size_t size);

    std::string m_fileName;
    bool m_loaded = false;
    bool m_saved = false;
    bool m_modified = false;
    TgaHeader m_header;
    std::unique_ptr<std::uint8_t[]> m_pixels;
    std::size_t m_bufferSize = 0;
    // When present, holds header().idLength bytes and a zero: only load allocates it, and nothing
    // but load changes the ID length.
    std::unique_ptr<std::uint8_t[]> m_imageId;
};
