#include "tests/data/WavFile.h"

#include <cstring>
#include <fstream>
#include <iterator>

namespace {

std::uint32_t le32(const unsigned char* p)
{
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

std::uint16_t le16(const unsigned char* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }

WavFile failed(const std::string& problem)
{
    WavFile wav;
    wav.problem = problem;
    return wav;
}

} // namespace

double WavFile::seconds() const
{
    if (channels == 0 || sampleRate == 0)
        return 0.0;
    return static_cast<double>(samples.size()) / channels / sampleRate;
}

WavFile readWavFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return failed("cannot open " + path);
    const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in),
                                           std::istreambuf_iterator<char>()};
    if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 ||
        std::memcmp(bytes.data() + 8, "WAVE", 4) != 0)
        return failed("not a RIFF WAVE file");
    if (le32(bytes.data() + 4) != bytes.size() - 8)
        return failed("RIFF size does not match the file length");

    WavFile wav;
    bool haveFormat = false;
    bool haveData = false;
    std::size_t at = 12;
    while (at + 8 <= bytes.size()) {
        const unsigned char* chunk = bytes.data() + at;
        const std::uint32_t size = le32(chunk + 4);
        if (size > bytes.size() - at - 8)
            return failed("a chunk runs past the end of the file");
        const unsigned char* body = chunk + 8;
        if (std::memcmp(chunk, "fmt ", 4) == 0 && size >= 16) {
            wav.formatCode = le16(body);
            wav.channels = le16(body + 2);
            wav.sampleRate = le32(body + 4);
            wav.byteRate = le32(body + 8);
            wav.blockAlign = le16(body + 12);
            wav.bitsPerSample = le16(body + 14);
            haveFormat = true;
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            if (!haveFormat)
                return failed("data chunk before the format chunk");
            if (wav.formatCode == 1 && wav.bitsPerSample == 16) {
                if (size % 2 != 0)
                    return failed("odd byte count of 16-bit data");
                wav.samples.resize(size / 2);
                for (std::size_t i = 0; i < wav.samples.size(); ++i)
                    wav.samples[i] = static_cast<std::int16_t>(le16(body + 2 * i));
            }
            haveData = true;
        }
        at += 8 + size + (size & 1);   // chunks are padded to even sizes
    }
    if (!haveFormat || !haveData)
        return failed("format or data chunk missing");
    wav.valid = true;
    return wav;
}
