// What reaches the speakers, recorded by SDL's disk audio driver: with the music file gone the
// title screen is silent, and the key that starts a match makes a sound.
#include "tests/e2e/GameSession.h"
#include "tests/e2e/PlaySteps.h"
#include "tests/e2e/ScreenProbe.h"
#include "tests/support/TempFolder.h"

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <thread>

namespace {

// Enough recorded output before the key press to call the silence a silence.
constexpr std::uintmax_t silentBytesWanted = 64 * 1024;
// A 16-bit sample this far from zero is sound, not rounding.
constexpr int audibleSample = 1000;

// The largest 16-bit little-endian sample magnitude in bytes [from, to) of `recording`.
int loudestSample(const std::string& recording, size_t from, size_t to)
{
    int loudest = 0;
    from += from % 2;
    for (size_t i = from; i + 1 < to && i + 1 < recording.size(); i += 2) {
        auto low = static_cast<std::uint8_t>(recording[i]);
        auto high = static_cast<std::uint8_t>(recording[i + 1]);
        auto sample = static_cast<std::int16_t>(static_cast<std::uint16_t>(low | (high << 8)));
        loudest = std::max(loudest, std::abs(static_cast<int>(sample)));
    }
    return loudest;
}

std::uintmax_t sizeOf(const std::string& path)
{
    std::error_code ignored;
    std::uintmax_t size = std::filesystem::file_size(path, ignored);
    return size == static_cast<std::uintmax_t>(-1) ? 0 : size;
}

} // namespace

TEST(SoundOutput, SilentTitleWithoutMusicThenTheStartCue)
{
    // A copy of the game's data without its music.
    std::string scratch = makeTempDirectory("reversi-sound");
    std::filesystem::copy(projectRoot() + "/data", scratch + "/data",
                          std::filesystem::copy_options::recursive);
    std::filesystem::remove(scratch + "/data/zik.ogg");
    std::string recording = scratch + "/speakers.raw";

    {
        GameSession::Setup setup;
        setup.workingDirectory = scratch;
        setup.audioDriver = "disk";
        setup.environment = {"SDL_DISKAUDIOFILE=" + recording};
        GameSession session(setup);
        ASSERT_TRUE(session.isReady()) << session.problem();

        ASSERT_TRUE(session.waitForScreen("title", [](const Screenshot& shot) {
            return evenVeilStrength(shot) > 0;
        }));
        ASSERT_TRUE(session.waitForScreen("title-with-recording", [&](const Screenshot&) {
            return sizeOf(recording) >= silentBytesWanted;
        })) << "the disk audio driver wrote nothing";

        std::uintmax_t beforeKey = sizeOf(recording);
        session.player().tap(XK_Return);
        std::string heard;
        auto sounded = session.waitForScreen("start-cue", [&](const Screenshot&) {
            heard = readWholeFile(recording);
            return loudestSample(heard, beforeKey, heard.size()) >= audibleSample;
        });
        EXPECT_EQ(loudestSample(heard, 0, beforeKey), 0) << "sound before any key was pressed";
        EXPECT_TRUE(sounded) << "no sound after the key that starts a match";
    }
    removeTree(scratch);
}
