#include "render/GlCheck.h"

#ifndef NDEBUG
#include <GL/gl.h>

#include <cstdio>
#include <cstdlib>

void checkGlErrors(const char* pass)
{
    const GLenum error = glGetError();
    if (error == GL_NO_ERROR)
        return;
    std::fprintf(stderr, "OpenGL error 0x%04x after %s\n", static_cast<unsigned>(error), pass);
    std::abort();
}
#endif
