#include "image/TgaImage.h"

#include <fstream>
#include <limits>
#include <vector>

namespace {

// Byte offsets of the header fields; every multi-byte field is little-endian.
constexpr std::size_t IdLengthAt = 0;
constexpr std::size_t ColourMapTypeAt = 1;
constexpr std::size_t ImageTypeAt = 2;
constexpr std::size_t ColourMapFirstEntryAt = 3;
constexpr std::size_t ColourMapLengthAt = 5;
constexpr std::size_t ColourMapEntrySizeAt = 7;
constexpr std::size_t XOriginAt = 8;
constexpr std::size_t YOriginAt = 10;
constexpr std::size_t WidthAt = 12;
constexpr std::size_t HeightAt = 14;
constexpr std::size_t PixelDepthAt = 16;
constexpr std::size_t ImageDescriptorAt = 17;

// Byte of a pixel each channel selector reaches, indexed by the selector's value.
constexpr std::size_t ChannelByte[] = {2, 1, 0, 3};
constexpr std::uint32_t LastChannel = Alpha;

std::uint16_t readLittle16(const std::uint8_t* bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

void writeLittle16(std::uint8_t* bytes, std::size_t at, std::uint16_t value)
{
    bytes[at] = static_cast<std::uint8_t>(value & 0xff);
    bytes[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

// Stores every field whose bytes all arrived, in table order, so a short header leaves the
// fields behind the cut as they were.
void decodeHeader(const std::uint8_t* bytes, std::size_t count, TgaHeader& header)
{
    auto has = [count](std::size_t at, std::size_t size) { return at + size <= count; };
    if (has(IdLengthAt, 1)) header.idLength = bytes[IdLengthAt];
    if (has(ColourMapTypeAt, 1)) header.colourMapType = bytes[ColourMapTypeAt];
    if (has(ImageTypeAt, 1)) header.imageType = bytes[ImageTypeAt];
    if (has(ColourMapFirstEntryAt, 2)) header.colourMapFirstEntry = readLittle16(bytes, ColourMapFirstEntryAt);
    if (has(ColourMapLengthAt, 2)) header.colourMapLength = readLittle16(bytes, ColourMapLengthAt);
    if (has(ColourMapEntrySizeAt, 1)) header.colourMapEntrySize = bytes[ColourMapEntrySizeAt];
    if (has(XOriginAt, 2)) header.xOrigin = readLittle16(bytes, XOriginAt);
    if (has(YOriginAt, 2)) header.yOrigin = readLittle16(bytes, YOriginAt);
    if (has(WidthAt, 2)) header.width = readLittle16(bytes, WidthAt);
    if (has(HeightAt, 2)) header.height = readLittle16(bytes, HeightAt);
    if (has(PixelDepthAt, 1)) header.pixelDepth = bytes[PixelDepthAt];
    if (has(ImageDescriptorAt, 1)) header.imageDescriptor = bytes[ImageDescriptorAt];
}

void encodeHeader(const TgaHeader& header, std::uint8_t* bytes)
{
    bytes[IdLengthAt] = header.idLength;
    bytes[ColourMapTypeAt] = header.colourMapType;
    bytes[ImageTypeAt] = header.imageType;
    writeLittle16(bytes, ColourMapFirstEntryAt, header.colourMapFirstEntry);
    writeLittle16(bytes, ColourMapLengthAt, header.colourMapLength);
    bytes[ColourMapEntrySizeAt] = header.colourMapEntrySize;
    writeLittle16(bytes, XOriginAt, header.xOrigin);
    writeLittle16(bytes, YOriginAt, header.yOrigin);
    writeLittle16(bytes, WidthAt, header.width);
    writeLittle16(bytes, HeightAt, header.height);
    bytes[PixelDepthAt] = header.pixelDepth;
    bytes[ImageDescriptorAt] = header.imageDescriptor;
}

std::uint64_t pixelBytesFor(std::uint16_t width, std::uint16_t height, std::uint8_t bitsPerPixel)
{
    return std::uint64_t{width} * height * bitsPerPixel / 8;
}

// The image ID sits behind the header and the colour-map gap (see TgaImage.h).
std::uint64_t imageIdOffset(const TgaHeader& header)
{
    return TgaImage::HeaderSize + header.colourMapLength;
}

// Bytes from the current position to the end of the stream, or -1 when the stream cannot say
// (a pipe, say); the stream is left where it was.
std::streamoff bytesRemaining(std::istream& in)
{
    const std::streamoff here = in.tellg();
    if (here < 0 || !in.seekg(0, std::ios::end)) return -1;
    const std::streamoff end = in.tellg();
    if (end < 0 || !in.seekg(here)) return -1;
    return end - here;
}

char* asChars(std::uint8_t* bytes) { return reinterpret_cast<char*>(bytes); }

} // namespace

TgaImage::TgaImage(const char* fileName)
{
    if (fileName) load(fileName);
}

TgaImage::~TgaImage() = default;

bool TgaImage::load(const char* fileName)
{
    m_pixels.reset();
    m_bufferSize = 0;
    m_imageId.reset();
    m_loaded = false;
    m_fileName = fileName ? fileName : "";
    if (!fileName) return false;

    std::ifstream in(fileName, std::ios::binary);
    if (!in) return false;

    std::uint8_t headerBytes[HeaderSize];
    in.read(asChars(headerBytes), HeaderSize);
    decodeHeader(headerBytes, static_cast<std::size_t>(in.gcount()), m_header);
    if (!in) return false;
    if (m_header.imageType != TrueColour) return false;

    // Everything the header claims is checked against the bytes really there before a single
    // buffer is made: no header can make us allocate more than the file holds.
    const std::uint64_t idOffset = imageIdOffset(m_header);
    const std::uint64_t pixelBytes = headerPixelBytes();
    const std::uint64_t needed = idOffset + m_header.idLength + pixelBytes;
    const std::streamoff afterHeader = bytesRemaining(in);
    if (afterHeader < 0) return false;
    if (needed > HeaderSize + static_cast<std::uint64_t>(afterHeader)) return false;
    if (pixelBytes > std::numeric_limits<std::size_t>::max()) return false;

    const auto pixelSize = static_cast<std::size_t>(pixelBytes);
    std::unique_ptr<std::uint8_t[]> pixels(new std::uint8_t[pixelSize]);
    m_imageId.reset(new std::uint8_t[m_header.idLength + 1u]);

    in.seekg(static_cast<std::streamoff>(idOffset));
    in.read(asChars(m_imageId.get()), m_header.idLength);
    m_imageId[m_header.idLength] = 0;
    in.read(asChars(pixels.get()), static_cast<std::streamsize>(pixelSize));
    if (!in) return false; // a read error, or the file shrank under us: no pixels kept

    adoptPixels(std::move(pixels), pixelSize);
    m_loaded = true;
    return true;
}

bool TgaImage::isLoaded() const { return m_loaded; }

bool TgaImage::save()
{
    if (!m_modified) return true;
    return saveAs(m_fileName.c_str());
}

bool TgaImage::saveAs(const char* fileName)
{
    if (!m_loaded && !m_modified) return false;
    if (!fileName) return false;
    // Refused before any file is opened: writing the header's pixel count would read past the
    // buffer (setWidth and friends change only the header).
    const std::uint64_t pixelBytes = headerPixelBytes();
    if (!m_pixels || pixelBytes > m_bufferSize) return false;

    std::ofstream out(fileName, std::ios::binary | std::ios::trunc);
    if (!out) return false;

    std::uint8_t headerBytes[HeaderSize];
    encodeHeader(m_header, headerBytes);
    out.write(asChars(headerBytes), HeaderSize);
    if (!out) return false;
    if (m_header.imageType != TrueColour) {
        m_saved = false;
        return false;
    }

    // The colour-map gap, and the ID when a failed load left the header's length without one,
    // are written as zeros.
    const std::vector<char> gap(m_header.colourMapLength, 0);
    out.write(gap.data(), static_cast<std::streamsize>(gap.size()));
    if (m_imageId) {
        out.write(asChars(m_imageId.get()), m_header.idLength);
    } else {
        const std::vector<char> blankId(m_header.idLength, 0);
        out.write(blankId.data(), static_cast<std::streamsize>(blankId.size()));
    }
    out.write(asChars(m_pixels.get()), static_cast<std::streamsize>(pixelBytes));
    // A full disk often shows only when the buffered bytes go out, so flush before judging.
    out.flush();
    if (!out) return false; // the image keeps its pixels

    out.close();
    if (!out) return false;
    m_saved = true;
    m_modified = false;
    return true;
}

bool TgaImage::isSaved() const { return m_saved; }

bool TgaImage::create(std::uint16_t width, std::uint16_t height, std::uint8_t bitsPerPixel)
{
    m_header.width = width;
    m_header.height = height;
    m_header.pixelDepth = bitsPerPixel;
    m_pixels.reset();
    m_bufferSize = 0;
    // At most 65535 x 65535 x 255 / 8 bytes; an allocation failure propagates to the caller.
    const auto size = static_cast<std::size_t>(headerPixelBytes());
    adoptPixels(std::unique_ptr<std::uint8_t[]>(new std::uint8_t[size]), size);
    m_loaded = true;
    return true;
}

std::uint8_t* TgaImage::pixels() const { return m_pixels.get(); }

std::uint16_t TgaImage::width() const { return m_header.width; }

std::uint16_t TgaImage::height() const { return m_header.height; }

std::uint8_t TgaImage::bitsPerPixel() const { return m_header.pixelDepth; }

std::uint8_t TgaImage::channel(std::uint16_t x, std::uint16_t y, const ColourChannel& which) const
{
    std::size_t offset = 0;
    if (!channelOffset(x, y, which, offset)) return 0;
    return m_pixels[offset];
}

void TgaImage::setPixels(std::unique_ptr<std::uint8_t[]> buffer)
{
    // The caller vouches that the buffer matches the header now; that is the size we remember.
    const auto size = buffer ? static_cast<std::size_t>(headerPixelBytes()) : 0;
    adoptPixels(std::move(buffer), size);
    m_modified = true;
}

void TgaImage::setWidth(std::uint16_t width) { m_header.width = width; }

void TgaImage::setHeight(std::uint16_t height) { m_header.height = height; }

void TgaImage::setBitsPerPixel(std::uint8_t bitsPerPixel) { m_header.pixelDepth = bitsPerPixel; }

bool TgaImage::setChannel(std::uint16_t x, std::uint16_t y, const ColourChannel& which, std::uint8_t value)
{
    std::size_t offset = 0;
    if (!channelOffset(x, y, which, offset)) return false;
    m_pixels[offset] = value;
    return true;
}

bool TgaImage::holdsWhole24BitPicture() const
{
    return m_loaded && m_pixels && m_header.pixelDepth == 24 && headerPixelBytes() <= m_bufferSize;
}

std::uint64_t TgaImage::headerPixelBytes() const
{
    return pixelBytesFor(m_header.width, m_header.height, m_header.pixelDepth);
}

bool TgaImage::channelOffset(std::uint16_t x, std::uint16_t y, const ColourChannel& which,
                             std::size_t& offset) const
{
    const auto selector = static_cast<std::uint32_t>(which);
    if (selector > LastChannel) return false;
    const bool hasAlpha = m_header.pixelDepth == 16 || m_header.pixelDepth == 32;
    if (which == Alpha && !hasAlpha) return false;

    // Pixels are depth / 8 bytes apart; at depths below 24 the colour bytes reach into the next
    // pixel, which is harmless as long as the byte is inside the buffer.
    const std::uint64_t pixelSize = m_header.pixelDepth >> 3;
    const std::uint64_t pixelIndex = std::uint64_t{y} * m_header.width + x;
    const std::uint64_t at = pixelIndex * pixelSize + ChannelByte[selector];
    if (!m_pixels || at >= m_bufferSize) return false;
    offset = static_cast<std::size_t>(at);
    return true;
}

void TgaImage::adoptPixels(std::unique_ptr<std::uint8_t[]> buffer, std::size_t size)
{
    m_pixels = std::move(buffer);
    m_bufferSize = m_pixels ? size : 0;
}
