// What a player reads on stderr when a picture or a sound cannot be loaded: one line naming the
// file and the reason, once per file, and nothing for a file that loads. The game goes on.
#include "app/sound/MixerSound.h"
#include "render/CreditsBackground.h"
#include "render/ParticleTexture.h"
#include "render/Renderer.h"
#include "tests/support/OffscreenGl.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TgaFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>

namespace {

using tgatest::Bytes;
using tgatest::tgaFile;

class LoadFailureLines : public GlTest {};

TEST_F(LoadFailureLines, NameTheFileAndTheReasonOnce)
{
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    MixerSound sound;
    ASSERT_TRUE(sound.start(44100, 8));
    Renderer* renderer = Renderer::instance();
    const TempFolder folder("reversi-load-lines");

    // A picture is read once a run; a sound is opened anew at every cue, so its rows load twice.
    const std::function<void(const std::string&)> font = [&](const std::string& path) {
        renderer->loadFontTexture(path.c_str());
    };
    const std::function<void(const std::string&)> tray = [&](const std::string& path) {
        renderer->loadTrayTexture(path.c_str());
    };
    const std::function<void(const std::string&)> credits = [](const std::string& path) {
        CreditsBackground(path).draw();
    };
    const std::function<void(const std::string&)> particle = [](const std::string& path) {
        makeParticleTexture(path.c_str());
    };
    const std::function<void(const std::string&)> effect = [&](const std::string& path) {
        sound.closeStream(sound.openStream(path.c_str(), SoundDevice::StreamMode::Effect));
    };
    const std::function<void(const std::string&)> music = [&](const std::string& path) {
        sound.closeStream(sound.openStream(path.c_str(), SoundDevice::StreamMode::Music));
    };
    const Bytes whole = tgaFile(2, 2, 24, Bytes(12, 90));

    struct Row {
        const char* what;
        std::function<void(const std::string&)> load;
        std::string path;
        std::string line; // what stderr shows after the path and before the reason
        std::string reason;
        int loads = 1;
    };
    const Row rows[] = {
        {"missing font atlas", font, folder.path("font3.tga"), " not used: ", "No such file or directory"},
        {"32-bit tray picture", tray, folder.write("tray.tga", tgaFile(2, 2, 32, Bytes(16, 9))),
         " not used: ", "not a 24-bit picture"},
        {"credits picture cut short", credits, folder.write("fond.tga", tgaFile(64, 64, 24, Bytes(30, 7))),
         " not used: ", "not an uncompressed true-colour TGA file, or cut short"},
        {"run-length particle picture", particle, folder.write("particle.tga", tgaFile(2, 2, 24, Bytes(12, 1), 10)),
         " not used: ", "not an uncompressed true-colour TGA file, or cut short"},
        {"whole tray picture", tray, folder.write("whole.tga", whole), "", ""},
        {"missing effect", effect, folder.path("drop.wav"), " not played: ", "", 2},
        {"music that is no music", music, folder.write("zik.ogg", Bytes(64, 'x')), " not played: ", "", 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        testing::internal::CaptureStderr();
        for (int i = 0; i < row.loads; ++i)
            row.load(row.path);
        const std::string errors = testing::internal::GetCapturedStderr();
        if (row.line.empty()) {
            EXPECT_EQ(errors, "");
            continue;
        }
        const std::string kind = row.line == " not used: " ? "picture " : "sound ";
        const std::string start = "reversi: " + kind + row.path + row.line;
        EXPECT_EQ(errors.rfind(start, 0), 0u) << errors;
        EXPECT_GT(errors.size(), start.size() + 1) << "no reason given: " << errors;
        EXPECT_EQ(errors.find('\n'), errors.size() - 1) << "not one line: " << errors;
        if (!row.reason.empty()) {
            EXPECT_EQ(errors, start + row.reason + "\n");
        }
    }
    Renderer::destroyInstance();
}

} // namespace
