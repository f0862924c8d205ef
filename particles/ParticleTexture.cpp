#include "particles/ParticleTexture.h"

#include "image/PictureCheck.h"
#include "image/TgaImage.h"

#include <GL/gl.h>

std::uint32_t makeParticleTexture(const char* path)
{
    // A missing or unusable picture is not an error: the texture is simply empty.
    const TgaImage picture(path);
    const bool usable = checkPicture(path, picture);

    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);

    if (usable) {
        // TGA rows are packed tightly; GL's default 4-byte row alignment would read past the
        // last row of a picture whose width is not a multiple of 4.
        GLint alignment = 4;
        glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, picture.width(), picture.height(), 0, GL_BGR_EXT,
                     GL_UNSIGNED_BYTE, picture.pixels());
        glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
    } else {
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 0, 0, 0, GL_BGR_EXT, GL_UNSIGNED_BYTE, nullptr);
    }
    return texture;
}
