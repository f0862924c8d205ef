// Pictures reach OpenGL whole and in their own colours, or not at all.
#include "image/TgaImage.h"
#include "render/Renderer.h"
#include "render/TextureUpload.h"
#include "tests/render/TestPictures.h"
#include "tests/support/OffscreenGl.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <vector>

namespace {

struct TextureSize {
    GLint width = -1;
    GLint height = -1;
};

TextureSize boundTextureSize()
{
    TextureSize size;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &size.width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &size.height);
    return size;
}

class TextureUpload : public GlTest {
protected:
    void SetUp() override
    {
        GlTest::SetUp();
        glGenTextures(1, &m_texture);
        glBindTexture(GL_TEXTURE_2D, m_texture);
    }
    void TearDown() override { glDeleteTextures(1, &m_texture); }

    GLuint m_texture = 0;
};

TEST_F(TextureUpload, OddWidthPictureArrivesWholeInItsStoredColours)
{
    // 5 pixels a row: 15 bytes, not a multiple of OpenGL's default row alignment.
    TgaImage picture;
    picture.create(5, 3, 24);
    for (std::size_t i = 0; i < picture.bufferSize(); ++i)
        picture.pixels()[i] = std::uint8_t(10 + i);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);

    EXPECT_TRUE(uploadBgrPicture(picture));

    GLint alignment = 0;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    EXPECT_EQ(alignment, 4) << "the caller's unpacking is restored";
    EXPECT_EQ(boundTextureSize().width, 5);
    EXPECT_EQ(boundTextureSize().height, 3);

    std::vector<std::uint8_t> rgb(5 * 3 * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    for (std::size_t p = 0; p < 15; ++p) {
        const std::uint8_t* stored = picture.pixels() + p * 3; // blue, green, red
        EXPECT_EQ(rgb[p * 3 + 0], stored[2]) << "red of pixel " << p;
        EXPECT_EQ(rgb[p * 3 + 1], stored[1]) << "green of pixel " << p;
        EXPECT_EQ(rgb[p * 3 + 2], stored[0]) << "blue of pixel " << p;
    }
}

TEST_F(TextureUpload, PictureThatIsNotWhole24BitsBecomesEmpty)
{
    TgaImage notLoaded;
    TgaImage deep;
    deep.create(4, 4, 32);
    TgaImage shortOfBytes;
    shortOfBytes.create(4, 4, 24);
    shortOfBytes.setWidth(8); // the header now promises twice the bytes held
    TgaImage whole;
    whole.create(2, 2, 24);

    for (const TgaImage* picture : {&notLoaded, &deep, &shortOfBytes}) {
        ASSERT_TRUE(uploadBgrPicture(whole));
        ASSERT_EQ(boundTextureSize().width, 2);
        EXPECT_FALSE(uploadBgrPicture(*picture));
        EXPECT_EQ(boundTextureSize().width, 0);
        EXPECT_EQ(boundTextureSize().height, 0);
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    }
}

TEST_F(TextureUpload, FontStaysAsItWasWhenAnAtlasIsUnusable)
{
    TestPictures pictures;
    Renderer::destroyInstance();
    Renderer* renderer = Renderer::instance();
    EXPECT_FALSE(renderer->loadFontTexture(pictures.pathOf("missing.tga").c_str()));
    EXPECT_FALSE(renderer->loadFontTexture(pictures.solid("deep.tga", 256, 256, 32, 255, 255, 255).c_str()));
    EXPECT_FALSE(renderer->isFontLoaded());
    EXPECT_EQ(renderer->listBase(), 0u);
    EXPECT_EQ(renderer->glyphWidth(), 0.0f);

    ASSERT_TRUE(renderer->loadFontTexture(pictures.blockAtlas("blocks.tga").c_str()));
    EXPECT_EQ(renderer->glyphWidth(), 16.0f);
    EXPECT_EQ(renderer->glyphHeight(), 16.0f);
    EXPECT_NE(renderer->listBase(), 0u);
    EXPECT_TRUE(glIsList(renderer->listBase() + 255));

    EXPECT_FALSE(renderer->loadFontTexture(pictures.solid("wide.tga", 512, 256, 32, 0, 0, 0).c_str()));
    EXPECT_TRUE(renderer->isFontLoaded());
    EXPECT_EQ(renderer->glyphWidth(), 16.0f);
    Renderer::destroyInstance();
}

} // namespace
