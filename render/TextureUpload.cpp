#include "render/TextureUpload.h"

#include "image/TgaImage.h"

#include <GL/gl.h>
#include <GL/glext.h>

void bindLinearTexture(std::uint32_t& texture)
{
    static_assert(sizeof(GLuint) == sizeof(std::uint32_t), "GL texture names are 32-bit");
    if (texture == 0)
        glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
}

bool uploadBgrPicture(const TgaImage& picture)
{
    const bool whole = picture.holdsWhole24BitPicture();
    // TGA rows are not padded; OpenGL's default 4-byte row alignment would read past the end
    // of a picture whose row is not a multiple of 4 bytes.
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
    if (whole)
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, picture.width(), picture.height(), 0, GL_BGR_EXT,
                     GL_UNSIGNED_BYTE, picture.pixels());
    else
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 0, 0, 0, GL_BGR_EXT, GL_UNSIGNED_BYTE, nullptr);
    glPopClientAttrib();
    return whole;
}
