#include "tests/support/OffscreenGl.h"

#include <GL/osmesa.h>
#include <GL/gl.h>
#include <SDL.h>

#include <vector>

namespace offscreen {
namespace {

struct Context {
    OSMesaContext handle = nullptr;
    std::vector<std::uint8_t> buffer;
};

Context& context()
{
    static Context ctx; // test-process lifetime, see the header
    return ctx;
}

} // namespace

bool makeCurrent()
{
    Context& ctx = context();
    if (!ctx.handle) {
        SDL_Init(0);
        ctx.handle = OSMesaCreateContextExt(OSMESA_RGBA, 16, 0, 0, nullptr);
        if (!ctx.handle)
            return false;
        ctx.buffer.assign(std::size_t(Width) * Height * 4, 0);
    }
    return OSMesaMakeCurrent(ctx.handle, ctx.buffer.data(), GL_UNSIGNED_BYTE, Width, Height) == GL_TRUE;
}

const std::uint8_t* pixels()
{
    return context().buffer.data();
}

Rgb pixelAt(int x, int y)
{
    glFinish();
    const std::uint8_t* p = pixels() + (std::size_t(y) * Width + std::size_t(x)) * 4;
    return Rgb{p[0], p[1], p[2]};
}

} // namespace offscreen

void GlTest::SetUp()
{
    ASSERT_TRUE(offscreen::makeCurrent());
    // With libGL linked ahead of libOSMesa this is null and every gl call is lost.
    ASSERT_NE(glGetString(GL_RENDERER), nullptr);
}
