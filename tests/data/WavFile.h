#pragma once
// A minimal reader of RIFF WAV files for the sound tests: the "fmt " fields and, for 16-bit
// PCM, the samples. It checks the container rather than trusting it: chunk sizes must fit the
// file, and the RIFF size must match the file's length.
#include <cstdint>
#include <string>
#include <vector>

struct WavFile {
    bool valid = false;
    std::string problem;             // why valid is false
    std::uint16_t formatCode = 0;    // 1: PCM
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint32_t byteRate = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bitsPerSample = 0;
    std::vector<std::int16_t> samples;   // interleaved; filled for 16-bit PCM only

    double seconds() const;
};

WavFile readWavFile(const std::string& path);
