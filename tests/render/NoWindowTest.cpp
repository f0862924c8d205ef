// Opening the window where there is no screen: the message on stderr, byte for byte, and a
// window that says it is not open. SDL's driver choice is steered with SDL_VIDEODRIVER.
#include "render/Display.h"
#include "render/GlWindow.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

const VideoSettings GameSettings(1024, 768, 8, 8, 8, 0, 16, 0, 0, true, true);

class NoWindow : public ::testing::Test {
protected:
    void useVideoDriver(const char* name) { setenv("SDL_VIDEODRIVER", name, 1); }
    void TearDown() override
    {
        Display::destroyInstance();
        SDL_Quit();
        unsetenv("SDL_VIDEODRIVER");
    }
};

TEST_F(NoWindow, UnknownVideoDriverReportsTheVideoStartWithoutLineBreak)
{
    useVideoDriver("no-such-driver");
    testing::internal::CaptureStderr();
    GlWindow window("Zerdane GL", GameSettings);
    const std::string error = SDL_GetError();
    const std::string written = testing::internal::GetCapturedStderr();

    EXPECT_FALSE(window.isOpen());
    EXPECT_TRUE(window.check());
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(written, "Impossible d'initializing SDL Video : " + error);
}

TEST_F(NoWindow, ModeThatCannotBeSetReportsTheWindowInWindows1252)
{
    // The dummy driver starts, but has no OpenGL to give.
    useVideoDriver("dummy");
    testing::internal::CaptureStderr();
    GlWindow window("Zerdane GL", GameSettings);
    const std::string error = SDL_GetError();
    const std::string written = testing::internal::GetCapturedStderr();

    EXPECT_FALSE(window.isOpen());
    EXPECT_EQ(written, "Impossible de cr\xE9" "er une fenetre : " + error + "\n");
    EXPECT_EQ(window.caption(), "Zerdane GL");
    EXPECT_EQ(window.settings().width(), 1024u);
}

TEST_F(NoWindow, DisplayKeepsAWindowThatDidNotOpen)
{
    useVideoDriver("no-such-driver");
    testing::internal::CaptureStderr();
    Display* display = Display::instance();
    EXPECT_EQ(display->window(), nullptr);
    display->createWindow("Zerdane GL", GameSettings);
    display->createWindow("second", GameSettings); // replaces the first
    testing::internal::GetCapturedStderr();

    ASSERT_NE(display->window(), nullptr);
    EXPECT_FALSE(display->window()->isOpen());
    EXPECT_EQ(display->window()->caption(), "second");
    EXPECT_EQ(Display::instance(), display);

    Display::destroyInstance();
    Display::destroyInstance(); // nothing left: does nothing
    EXPECT_EQ(Display::instance()->window(), nullptr) << "a fresh Display has no window";
}

} // namespace
