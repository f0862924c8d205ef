// The particle texture: a whole 24-bit picture is uploaded with its stored colours; anything
// else leaves the texture empty, and no upload reads past the picture.
#include "render/ParticleTexture.h"
#include "tests/support/OffscreenGl.h"
#include "tests/support/TgaFiles.h"

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

// Writes an uncompressed true-colour TGA file byte by byte: 18-byte header, then the pixels.
// One private folder for the test files of this suite.
const TempFolder& scratch()
{
    static const TempFolder folder("reversi-particles");
    return folder;
}

// An uncompressed true-colour TGA file byte by byte: 18-byte header, then the pixels.
std::string writeTga(const std::string& name, std::uint16_t width, std::uint16_t height,
                     std::uint8_t depth, const std::vector<std::uint8_t>& pixels,
                     std::uint8_t imageType = 2)
{
    return scratch().write(name, tgatest::tgaFile(width, height, depth, pixels, imageType));
}

struct Level {
    GLint width = -1;
    GLint height = -1;
};

Level levelZero()
{
    Level level;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &level.width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &level.height);
    return level;
}

class ParticleTexture : public GlTest {};

TEST_F(ParticleTexture, WholePictureKeepsItsStoredColours)
{
    // 3 x 2 pixels: 9 bytes a row, so a 4-byte row alignment would read past the end.
    std::vector<std::uint8_t> bgr;
    for (int i = 0; i < 3 * 2 * 3; ++i)
        bgr.push_back(std::uint8_t(10 * i + 5));
    const std::string path = writeTga("particle_whole.tga", 3, 2, 24, bgr);

    const std::uint32_t texture = makeParticleTexture(path.c_str());
    ASSERT_NE(texture, 0u);
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(GLuint(bound), texture) << "the texture is left bound";
    const Level level = levelZero();
    EXPECT_EQ(level.width, 3);
    EXPECT_EQ(level.height, 2);

    // Read back in BGR order: exactly the bytes as stored, so blue stayed blue.
    std::vector<std::uint8_t> back(bgr.size(), 0);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_BGR_EXT, GL_UNSIGNED_BYTE, back.data());
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    EXPECT_EQ(back, bgr);

    GLint alignment = 0;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    EXPECT_EQ(alignment, 4) << "the unpack alignment is restored";

    GLint mag = 0, min = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &mag);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &min);
    EXPECT_EQ(mag, GL_LINEAR);
    EXPECT_EQ(min, GL_LINEAR);
    GLfloat mode = 0;
    glGetTexEnvfv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &mode);
    EXPECT_EQ(GLenum(mode), GLenum(GL_MODULATE));
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST_F(ParticleTexture, AnythingButAWhole24BitPictureGivesAnEmptyTexture)
{
    const struct {
        const char* what;
        std::string path;
    } cases[] = {
        {"missing file", scratch().path("no_such_particle.tga")},
        {"32-bit picture", writeTga("particle_32.tga", 2, 2, 32, std::vector<std::uint8_t>(16, 200))},
        {"pixels cut short", writeTga("particle_short.tga", 64, 64, 24, std::vector<std::uint8_t>(30, 7))},
        {"run-length type", writeTga("particle_rle.tga", 2, 2, 24, std::vector<std::uint8_t>(12, 1), 10)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::uint32_t texture = makeParticleTexture(c.path.c_str());
        EXPECT_NE(texture, 0u);
        const Level level = levelZero();
        EXPECT_EQ(level.width, 0);
        EXPECT_EQ(level.height, 0);
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    }
}

} // namespace
