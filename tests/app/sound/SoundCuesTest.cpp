// The game's sound cues over a recording device: the music, one effect at a time, the shutdown.
#include "app/sound/SoundCues.h"
#include "tests/app/sound/RecordingSound.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

TEST(SoundCues, MusicStartsLoopingOnChannelZeroAtVolume32)
{
    Strings log;
    RecordingSound device(log);
    SoundCues cues(device);
    cues.startMusic();
    EXPECT_EQ(log, (Strings{"start 44100 8", "loop 0 normal", "open ./data/zik.ogg music", "play 0 1", "volume 0 32"}));
    EXPECT_FALSE(cues.hasEffectOpen());
}

TEST(SoundCues, EachEffectClosesTheOneBeforeItAndPlaysOnChannelOneAt192)
{
    Strings log;
    RecordingSound device(log);
    SoundCues cues(device);
    cues.startMusic();
    log.clear();

    cues.playEffect("./data/cursor.wav");
    cues.playEffect("./data/cursor.wav");
    cues.playEffect("./data/drop.wav");

    EXPECT_EQ(log, (Strings{
                       "open ./data/cursor.wav effect", "play 1 2", "volume 1 192",
                       "close 2", "open ./data/cursor.wav effect", "play 1 3", "volume 1 192",
                       "close 3", "open ./data/drop.wav effect", "play 1 4", "volume 1 192",
                   }));
    EXPECT_EQ(device.open, (std::set<SoundDevice::Stream>{1, 4})); // the music and one effect
}

TEST(SoundCues, AMissingFileIsSilenceAndNothingToClose)
{
    Strings log;
    RecordingSound device(log);
    device.missing = {"./data/zik.ogg", "./data/win.wav"};
    SoundCues cues(device);
    cues.startMusic();
    cues.playEffect("./data/win.wav");
    EXPECT_FALSE(cues.hasEffectOpen());
    cues.playEffect("./data/drop.wav");
    cues.closeEffect();
    cues.closeMusic();

    EXPECT_EQ(log, (Strings{
                       "start 44100 8", "loop 0 normal", "open ./data/zik.ogg music", "play 0 0", "volume 0 32",
                       "open ./data/win.wav effect", "play 1 0", "volume 1 192",
                       "open ./data/drop.wav effect", "play 1 1", "volume 1 192",
                       "close 1",
                   }));
}

TEST(SoundCues, ShutdownClosesOnlyWhatIsOpen)
{
    Strings log;
    RecordingSound device(log);
    SoundCues cues(device);
    cues.closeEffect(); // no effect ever played
    cues.closeMusic();  // no music ever started
    EXPECT_TRUE(log.empty());

    cues.startMusic();
    cues.playEffect("./data/drop.wav");
    log.clear();
    cues.closeEffect();
    cues.closeEffect();
    cues.closeMusic();
    cues.closeMusic();
    EXPECT_EQ(log, (Strings{"close 2", "close 1"}));
    EXPECT_TRUE(device.open.empty());
}

TEST(SoundCues, MutedTheMusicGoesToZeroAndNoEffectStarts)
{
    struct Row {
        const char* what;
        bool mutedBeforeMusic;
        Strings steps; // "mute", "unmute" or an effect's path
        Strings log;   // the device calls after the music started
    };
    const std::vector<Row> rows = {
        {"muted from the settings: the music waits", true, {}, {}},
        {"muted from the settings, then unmuted: the music starts", true, {"unmute"}, {"play 0 1", "volume 0 32"}},
        {"muted, an effect is not even opened", false, {"mute", "./data/drop.wav"}, {"volume 0 0"}},
        {"muting cuts off the effect that sounds", false, {"./data/win.wav", "mute"},
         {"open ./data/win.wav effect", "play 1 2", "volume 1 192", "close 2", "volume 0 0"}},
        {"unmuted, the music comes back and effects play", false, {"mute", "unmute", "./data/drop.wav"},
         {"volume 0 0", "volume 0 32", "open ./data/drop.wav effect", "play 1 2", "volume 1 192"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        Strings log;
        RecordingSound device(log);
        SoundCues cues(device);
        if (row.mutedBeforeMusic)
            cues.setMuted(true);
        cues.startMusic();
        EXPECT_EQ(log.back(), row.mutedBeforeMusic ? "open ./data/zik.ogg music" : "volume 0 32");
        log.clear();
        for (const std::string& step : row.steps) {
            if (step == "mute" || step == "unmute")
                cues.setMuted(step == "mute");
            else
                cues.playEffect(step.c_str());
        }
        EXPECT_EQ(log, row.log);
    }
}

} // namespace
