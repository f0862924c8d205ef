// The application when no window opens: no sound starts, run() returns at once, shutdown is clean.
#include "app/Application.h"
#include "render/Display.h"
#include "tests/app/sound/RecordingSound.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

// SDL cannot start a video driver it does not know, so the window never opens.
void makeTheWindowFail()
{
    setenv("SDL_VIDEODRIVER", "no-such-video-driver", 1);
}

TEST(ApplicationWithoutWindow, StartsNoSoundRunsNoGameAndShutsDown)
{
    makeTheWindowFail();
    Strings log;
    testing::internal::CaptureStderr();
    {
        Application application(std::make_unique<RecordingSound>(log));
        EXPECT_FALSE(application.hasWindow());
        application.run(); // returns at once: there is nothing to draw on
        EXPECT_TRUE(log.empty());
    }
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_NE(errors.find("Impossible d'initializing SDL Video : "), std::string::npos) << errors;
    // Shutting down only lets the device go; nothing was started, opened or played.
    EXPECT_EQ(log, (Strings{"stop"}));
    EXPECT_EQ(Display::instance()->window(), nullptr); // the display went with the application
    Display::destroyInstance();
}

TEST(ApplicationWithoutWindow, DestroyingTwiceDoesNothingTheSecondTime)
{
    makeTheWindowFail();
    testing::internal::CaptureStderr();
    Application* first = Application::instance();
    EXPECT_EQ(Application::instance(), first);
    EXPECT_FALSE(first->hasWindow());
    Application::destroyInstance();
    Application::destroyInstance();
    testing::internal::GetCapturedStderr();
}

} // namespace
