// The OpenGL error check after a drawing stage: debug builds stop at an error left behind.
#include "render/GlCheck.h"

#include "tests/support/OffscreenGl.h"

#include <GL/gl.h>

namespace {

using GlCheck = GlTest;

// A pass that leaves an error behind stops a debug build and names the pass; a clean pass goes on.
TEST_F(GlCheck, DebugBuildsStopAtAnErrorLeftBehind)
{
#ifdef NDEBUG
    GTEST_SKIP() << "release builds make no check";
#else
    GTEST_FLAG_SET(death_test_style, "threadsafe"); // Mesa runs threads of its own
    checkGlErrors("a clean pass");
    EXPECT_DEATH(
        {
            glEnable(0xFFFF); // not a capability: GL_INVALID_ENUM
            checkGlErrors("the test pass");
        },
        "OpenGL error 0x0500 after the test pass");
#endif
}

} // namespace
