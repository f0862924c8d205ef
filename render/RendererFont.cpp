// The renderer's side of the texture font: atlas loading, glyph lists and printing.
#include "render/Renderer.h"

#include "render/TextureUpload.h"
#include "image/PictureCheck.h"
#include "image/TgaImage.h"

#include <GL/gl.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {
constexpr int CellsPerRow = 16;
constexpr float CellFraction = 1.0f / CellsPerRow; // one cell's share of the atlas: 0.0625
constexpr std::size_t TextBufferSize = 1024;        // formatted text, terminating zero included
} // namespace

bool Renderer::loadFontTexture(const char* path)
{
    const TgaImage atlas(path);
    // Only a complete 24-bit picture can be uploaded as three bytes a pixel.
    if (!checkPicture(path, atlas))
        return false;

    glGenTextures(1, &m_texture);
    glBindTexture(GL_TEXTURE_2D, m_texture);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, float(GL_LINEAR));
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, float(GL_LINEAR));
    uploadBgrPicture(atlas);

    m_glyphWidth = atlas.width() * CellFraction;
    m_glyphHeight = atlas.height() * CellFraction;
    buildGlyphLists();
    m_fontLoaded = true;
    return true;
}

void Renderer::buildGlyphLists()
{
    if (m_listBase != 0)
        glDeleteLists(m_listBase, GlyphCount);
    m_listBase = glGenLists(GlyphCount);
    if (m_listBase == 0)
        return; // no room for the lists: the text stays invisible

    glBindTexture(GL_TEXTURE_2D, m_texture);
    const float penAdvance = advance();
    m_listAdvance = penAdvance;
    for (int k = 0; k < GlyphCount; ++k) {
        // Rows are counted down from the top of the picture: t = 1 is row 0's upper edge.
        const float s0 = float(k % CellsPerRow) * CellFraction;
        const float s1 = s0 + CellFraction;
        const float tTop = 1.0f - float(k / CellsPerRow) * CellFraction;
        const float tBottom = tTop - CellFraction;

        glNewList(m_listBase + GLuint(k), GL_COMPILE);
        glBegin(GL_QUADS);
        glTexCoord2f(s0, tBottom);
        glVertex2f(0.0f, 0.0f);
        glTexCoord2f(s1, tBottom);
        glVertex2f(m_glyphWidth, 0.0f);
        glTexCoord2f(s1, tTop);
        glVertex2f(m_glyphWidth, m_glyphHeight);
        glTexCoord2f(s0, tTop);
        glVertex2f(0.0f, m_glyphHeight);
        glEnd();
        glTranslated(double(penAdvance), 0.0, 0.0); // the pen moves on by one advance
        glEndList();
    }
}

void Renderer::print(float x, float y, const char* format, ...)
{
    if (!format)
        return;

    char text[TextBufferSize];
    va_list arguments;
    va_start(arguments, format);
    const int written = std::vsnprintf(text, sizeof text, format, arguments); // cuts long text
    va_end(arguments);
    if (written < 0)
        text[0] = '\0';

    glLoadIdentity();
    glTranslatef(x, y, 0.0f);
    glListBase(m_listBase);
    if (m_flags & FontScale)
        glScalef(m_scale[0], m_scale[1], m_scale[2]);
    // With no lists built the byte values would name whatever lists others own.
    if (m_listBase != 0)
        glCallLists(GLsizei(std::strlen(text)), GL_UNSIGNED_BYTE, text);
}
