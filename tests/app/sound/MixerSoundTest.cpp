// The SDL_mixer sound device on the dummy audio driver: streams, channels, loops and volumes.
#include "app/sound/MixerSound.h"
#include "tests/support/TempFolder.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

void putLittleEndian(std::ofstream& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.put(char((value >> (8 * i)) & 0xFF));
}

// A silent 8-bit mono WAV of `seconds` at 8000 Hz: long enough to still be playing when asked.
std::string writeSilentWav(const std::string& name, int seconds)
{
    static const TempFolder folder("reversi-sound");
    const std::string path = folder.path(name);
    const std::uint32_t rate = 8000;
    const std::uint32_t dataBytes = rate * std::uint32_t(seconds);
    std::ofstream out(path, std::ios::binary);
    out.write("RIFF", 4);
    putLittleEndian(out, 36 + dataBytes, 4);
    out.write("WAVEfmt ", 8);
    putLittleEndian(out, 16, 4);   // format block size
    putLittleEndian(out, 1, 2);    // PCM
    putLittleEndian(out, 1, 2);    // mono
    putLittleEndian(out, rate, 4);
    putLittleEndian(out, rate, 4); // bytes a second
    putLittleEndian(out, 1, 2);    // bytes a frame
    putLittleEndian(out, 8, 2);    // bits a sample
    out.write("data", 4);
    putLittleEndian(out, dataBytes, 4);
    for (std::uint32_t i = 0; i < dataBytes; ++i)
        out.put(char(0x80));
    return path;
}

class MixerSoundTest : public testing::Test {
protected:
    void SetUp() override
    {
        // No sound card here: the dummy driver plays into nothing, in real time.
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        m_wav = writeSilentWav("effect.wav", 5);
    }
    void TearDown() override
    {
        std::remove(m_wav.c_str());
        SDL_Quit();
    }

    std::string m_wav;
};

TEST_F(MixerSoundTest, MusicLoopsOnTheMusicVoiceAtAHalfScaledVolume)
{
    MixerSound sound;
    ASSERT_TRUE(sound.start(44100, 8));
    sound.setLoopMode(0, SoundDevice::LoopMode::Normal);
    const SoundDevice::Stream music = sound.openStream(m_wav.c_str(), SoundDevice::StreamMode::Music);
    ASSERT_NE(music, SoundDevice::NoStream);
    sound.playStream(0, music);
    sound.setVolume(0, 32);

    EXPECT_EQ(Mix_PlayingMusic(), 1);
    EXPECT_EQ(Mix_VolumeMusic(-1), 16); // 32 of 255 is 16 of 128
    EXPECT_EQ(Mix_Playing(-1), 0);      // no mixing channel is busy with it

    sound.closeStream(music);
    EXPECT_EQ(Mix_PlayingMusic(), 0);
}

TEST_F(MixerSoundTest, AnEffectPlaysOnItsChannelUntilClosed)
{
    MixerSound sound;
    ASSERT_TRUE(sound.start(44100, 8));
    const SoundDevice::Stream first = sound.openStream(m_wav.c_str(), SoundDevice::StreamMode::Effect);
    ASSERT_NE(first, SoundDevice::NoStream);
    sound.playStream(1, first);
    sound.setVolume(1, 192);
    EXPECT_EQ(Mix_Playing(1), 1);
    EXPECT_EQ(Mix_Volume(1, -1), 96); // 192 of 255 is 96 of 128
    EXPECT_EQ(Mix_PlayingMusic(), 0);

    sound.closeStream(first);
    EXPECT_EQ(Mix_Playing(1), 0);

    const SoundDevice::Stream second = sound.openStream(m_wav.c_str(), SoundDevice::StreamMode::Effect);
    EXPECT_NE(second, first);
    sound.playStream(1, second);
    EXPECT_EQ(Mix_Playing(1), 1);
    EXPECT_EQ(Mix_Volume(1, -1), 96); // the channel keeps its volume
    sound.stop();
    EXPECT_EQ(Mix_QuerySpec(nullptr, nullptr, nullptr), 0); // the output is closed
    EXPECT_FALSE(sound.isOpen());
}

TEST_F(MixerSoundTest, AMissingFileOpensNoStreamAndTheRestDoesNothing)
{
    MixerSound sound;
    ASSERT_TRUE(sound.start(44100, 8));
    EXPECT_EQ(sound.openStream("./no/such/zik.ogg", SoundDevice::StreamMode::Music), SoundDevice::NoStream);
    EXPECT_EQ(sound.openStream("./no/such/drop.wav", SoundDevice::StreamMode::Effect), SoundDevice::NoStream);
    sound.playStream(0, SoundDevice::NoStream);
    sound.playStream(1, SoundDevice::NoStream);
    sound.playStream(1, 12345); // never handed out
    sound.closeStream(SoundDevice::NoStream);
    sound.closeStream(12345);
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    EXPECT_EQ(Mix_Playing(-1), 0);
}

TEST_F(MixerSoundTest, WithoutAnAudioDeviceEveryCallIsHarmless)
{
    setenv("SDL_AUDIODRIVER", "no-such-audio-driver", 1);
    MixerSound sound;
    EXPECT_FALSE(sound.start(44100, 8));
    EXPECT_FALSE(sound.isOpen());
    sound.setLoopMode(0, SoundDevice::LoopMode::Normal);
    const SoundDevice::Stream music = sound.openStream(m_wav.c_str(), SoundDevice::StreamMode::Music);
    const SoundDevice::Stream effect = sound.openStream(m_wav.c_str(), SoundDevice::StreamMode::Effect);
    EXPECT_EQ(music, SoundDevice::NoStream);
    EXPECT_EQ(effect, SoundDevice::NoStream);
    sound.playStream(0, music);
    sound.setVolume(0, 32);
    sound.playStream(1, effect);
    sound.setVolume(1, 192);
    sound.closeStream(effect);
    sound.stop();
    EXPECT_EQ(Mix_QuerySpec(nullptr, nullptr, nullptr), 0);
}

TEST_F(MixerSoundTest, StartingTwiceKeepsTheOutputAndStoppingTwiceIsHarmless)
{
    MixerSound sound;
    ASSERT_TRUE(sound.start(44100, 8));
    EXPECT_TRUE(sound.start(44100, 8));
    EXPECT_EQ(Mix_QuerySpec(nullptr, nullptr, nullptr), 1); // opened once, not twice
    sound.stop();
    sound.stop();
    EXPECT_EQ(Mix_QuerySpec(nullptr, nullptr, nullptr), 0);
}

} // namespace
