// The sound files under ./data: the three effects are short 16-bit mono PCM WAV files that start
// and end at rest without clipping; the music is an Ogg Vorbis loop of normal loudness whose end
// runs into its start without a click or a dip. All open with SDL_mixer, as the game opens them.
#include "tests/data/WavFile.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

namespace {

constexpr double FullScale = 32768.0;

// SDL_mixer on SDL's dummy audio driver: it decodes files like the real one, with no sound card.
class Mixer : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        s_open = SDL_Init(SDL_INIT_AUDIO) == 0 && Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) == 0;
        if (s_open)
            Mix_QuerySpec(&s_rate, &s_format, &s_channels);
    }
    static void TearDownTestSuite()
    {
        if (s_open)
            Mix_CloseAudio();
        SDL_Quit();
    }
    void SetUp() override
    {
        ASSERT_TRUE(s_open) << Mix_GetError();
        ASSERT_EQ(AUDIO_S16SYS, s_format);
    }

    // Seconds of audio in a chunk converted to the device format.
    static double chunkSeconds(const Mix_Chunk& chunk)
    {
        return static_cast<double>(chunk.alen) / (2.0 * s_channels) / s_rate;
    }

    static bool s_open;
    static int s_rate;
    static Uint16 s_format;
    static int s_channels;
};

bool Mixer::s_open = false;
int Mixer::s_rate = 0;
Uint16 Mixer::s_format = 0;
int Mixer::s_channels = 0;

struct Effect {
    const char* path;
    double shortest;   // seconds
    double longest;
};

// Test names and failure messages show the path rather than the struct's bytes.
void PrintTo(const Effect& effect, std::ostream* out) { *out << effect.path; }

class EffectFile : public Mixer, public ::testing::WithParamInterface<Effect> {};

TEST_P(EffectFile, IsShortMono16BitPcmThatStartsAndEndsAtRest)
{
    const Effect& effect = GetParam();
    const WavFile wav = readWavFile(effect.path);
    ASSERT_TRUE(wav.valid) << effect.path << ": " << wav.problem;
    EXPECT_EQ(1, wav.formatCode);
    EXPECT_EQ(1, wav.channels);
    EXPECT_TRUE(wav.sampleRate == 22050 || wav.sampleRate == 44100) << wav.sampleRate;
    EXPECT_EQ(16, wav.bitsPerSample);
    EXPECT_EQ(2, wav.blockAlign);
    EXPECT_EQ(wav.sampleRate * 2, wav.byteRate);
    EXPECT_GE(wav.seconds(), effect.shortest);
    EXPECT_LE(wav.seconds(), effect.longest);
    ASSERT_GE(wav.samples.size(), 4u);

    int peak = 0;
    for (const std::int16_t sample : wav.samples)
        peak = std::max(peak, std::abs(static_cast<int>(sample)));
    EXPECT_LT(peak, 0.98 * FullScale) << "clipped or on the edge of clipping";
    EXPECT_GT(peak, 0.2 * FullScale) << "too quiet to hear under the music";

    // A sound that starts or stops away from zero clicks.
    const std::size_t last = wav.samples.size() - 1;
    for (const std::size_t at : {std::size_t{0}, std::size_t{1}, last - 1, last})
        EXPECT_LT(std::abs(wav.samples[at]), 0.01 * FullScale) << "sample " << at;
}

TEST_P(EffectFile, LoadsThroughSdlMixerAtItsFullLength)
{
    const Effect& effect = GetParam();
    Mix_Chunk* chunk = Mix_LoadWAV(effect.path);
    ASSERT_NE(nullptr, chunk) << Mix_GetError();
    const double seconds = readWavFile(effect.path).seconds();
    EXPECT_NEAR(seconds, chunkSeconds(*chunk), 0.02 * seconds + 0.001);
    Mix_FreeChunk(chunk);
}

INSTANTIATE_TEST_SUITE_P(DataSounds, EffectFile,
                         ::testing::Values(Effect{"./data/cursor.wav", 0.03, 0.08},
                                           Effect{"./data/drop.wav", 0.1, 0.25},
                                           Effect{"./data/win.wav", 0.7, 1.5}),
                         [](const ::testing::TestParamInfo<Effect>& info) {
                             std::string name = info.param.path;
                             name = name.substr(name.rfind('/') + 1);
                             return name.substr(0, name.find('.'));
                         });

constexpr const char* MusicPath = "./data/zik.ogg";

std::vector<unsigned char> readBytes(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint64_t le64(const unsigned char* p)
{
    std::uint64_t value = 0;
    for (int i = 7; i >= 0; --i)
        value = (value << 8) | p[i];
    return value;
}

// Length in seconds from the Ogg container: the last page's granule position (the number of
// samples per channel) over the rate in the Vorbis identification header.
double oggVorbisSeconds(const std::vector<unsigned char>& bytes, int& channels, int& rate)
{
    const unsigned char vorbisId[] = {1, 'v', 'o', 'r', 'b', 'i', 's'};
    if (bytes.size() < 64 || std::memcmp(bytes.data(), "OggS", 4) != 0)
        return 0.0;
    const std::size_t packet = 27 + bytes[26];    // header and segment table of the first page
    if (packet + 16 > bytes.size() || std::memcmp(bytes.data() + packet, vorbisId, 7) != 0)
        return 0.0;
    channels = bytes[packet + 11];
    rate = bytes[packet + 12] | (bytes[packet + 13] << 8) | (bytes[packet + 14] << 16) |
           (bytes[packet + 15] << 24);
    for (std::size_t at = bytes.size() - 27; at > 0; --at) {
        if (std::memcmp(bytes.data() + at, "OggS", 4) == 0)
            return rate > 0 ? static_cast<double>(le64(bytes.data() + at + 6)) / rate : 0.0;
    }
    return 0.0;
}

TEST_F(Mixer, MusicIsAnOggVorbisTrackOfHalfAMinuteToAMinuteAndAHalf)
{
    Mix_Music* music = Mix_LoadMUS(MusicPath);
    ASSERT_NE(nullptr, music) << Mix_GetError();
    Mix_FreeMusic(music);

    const std::vector<unsigned char> bytes = readBytes(MusicPath);
    EXPECT_LE(bytes.size(), 1500000u);
    int channels = 0;
    int rate = 0;
    const double seconds = oggVorbisSeconds(bytes, channels, rate);
    EXPECT_GE(seconds, 30.0);
    EXPECT_LE(seconds, 90.0);
    EXPECT_TRUE(channels == 1 || channels == 2) << channels;
    EXPECT_TRUE(rate == 22050 || rate == 44100) << rate;
}

// The whole track decoded by SDL_mixer into the device format (16-bit, interleaved).
class DecodedMusic : public Mixer {
protected:
    void SetUp() override
    {
        Mixer::SetUp();
        Mix_Chunk* chunk = Mix_LoadWAV(MusicPath);
        ASSERT_NE(nullptr, chunk) << Mix_GetError();
        const auto* samples = reinterpret_cast<const Sint16*>(chunk->abuf);
        const std::size_t frames = chunk->alen / (2 * s_channels);
        m_channels.assign(s_channels, std::vector<double>(frames));
        for (std::size_t frame = 0; frame < frames; ++frame)
            for (int channel = 0; channel < s_channels; ++channel)
                m_channels[channel][frame] = samples[frame * s_channels + channel] / FullScale;
        Mix_FreeChunk(chunk);
        ASSERT_GT(frames, static_cast<std::size_t>(s_rate));
    }

    static double rms(const std::vector<double>& x, std::size_t from, std::size_t count)
    {
        double sum = 0.0;
        for (std::size_t i = from; i < from + count; ++i)
            sum += x[i] * x[i];
        return std::sqrt(sum / count);
    }

    std::vector<std::vector<double>> m_channels;
};

TEST_F(DecodedMusic, IsMasteredAtANormalLevelWithoutClipping)
{
    for (const std::vector<double>& x : m_channels) {
        double peak = 0.0;
        for (const double sample : x)
            peak = std::max(peak, std::abs(sample));
        const double level = 20.0 * std::log10(rms(x, 0, x.size()));
        EXPECT_LT(peak, 0.99);
        EXPECT_GT(level, -22.0) << "dBFS";
        EXPECT_LT(level, -10.0) << "dBFS";
    }
}

TEST_F(DecodedMusic, LoopsWithoutAClickOrADip)
{
    for (const std::vector<double>& x : m_channels) {
        const std::size_t n = x.size();
        // The step from one sample to the next, as the track makes it 99 times in 100.
        std::vector<double> steps;
        steps.reserve(n);
        for (std::size_t i = 0; i + 1 < n; ++i)
            steps.push_back(std::abs(x[i + 1] - x[i]));
        const std::size_t rank = steps.size() * 99 / 100;
        std::nth_element(steps.begin(), steps.begin() + rank, steps.end());
        const double ordinaryStep = steps[rank];

        // Played in a loop, the last sample is followed by the first.
        EXPECT_LE(std::abs(x[0] - x[n - 1]), ordinaryStep) << "a click where the loop restarts";
        EXPECT_LT(std::abs(x[0]), 0.02) << "the first play starts on a step";

        // No fade at either end: the quarter second each side of the seam is as loud as the rest.
        const std::size_t quarter = static_cast<std::size_t>(s_rate / 4);
        const double overall = rms(x, 0, n);
        EXPECT_GT(rms(x, n - quarter, quarter), 0.5 * overall);
        EXPECT_GT(rms(x, 0, quarter), 0.5 * overall);
    }
}

} // namespace
