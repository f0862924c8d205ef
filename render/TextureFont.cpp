#include "render/TextureFont.h"

#include "render/GlCheck.h"

#include <GL/gl.h>

namespace {
// GL_ALL_ATTRIB_BITS as OpenGL 1.1 defines it: every attribute group a text block may touch.
constexpr GLbitfield AllAttributeGroups = 0xFFFFF;
} // namespace

TextureFont::~TextureFont()
{
    if (m_listBase != 0)
        glDeleteLists(m_listBase, GlyphCount);
}

void TextureFont::beginText()
{
    glPushAttrib(AllAttributeGroups);
    glBindTexture(GL_TEXTURE_2D, m_texture);
    glEnable(GL_TEXTURE_2D);
    glColor3fv(m_colour); // modulates the atlas texels
    if (m_flags & FontBlend) {
        // source x source + destination x (1 - source): black texels keep the background.
        glBlendFunc(GL_SRC_COLOR, GL_ONE_MINUS_SRC_COLOR);
        glEnable(GL_BLEND);
    }
    // The advance is compiled into the lists, so a changed spacing (or a spacing flag set since
    // the atlas loaded) needs fresh lists; an unchanged one reuses them.
    if (m_listBase == 0 || advance() != m_listAdvance)
        buildGlyphLists();
}

void TextureFont::endText()
{
    glPopAttrib();
    checkGlErrors("a text block");
}

void TextureFont::setFlags(std::uint32_t bits)
{
    m_flags |= bits;
}

void TextureFont::setScale(float x, float y, float z)
{
    // No atlas means a glyph size of 0: scale to nothing instead of to infinity.
    m_scale[0] = m_glyphWidth > 0.0f ? x / m_glyphWidth : 0.0f;
    m_scale[1] = m_glyphHeight > 0.0f ? y / m_glyphHeight : 0.0f;
    m_scale[2] = z;
}

void TextureFont::setColour(float r, float g, float b)
{
    m_colour[0] = r;
    m_colour[1] = g;
    m_colour[2] = b;
}

float TextureFont::advance() const
{
    return (m_flags & FontSpacing) ? m_glyphWidth * m_spacing : m_glyphWidth;
}

void TextureFont::setSpacing(float spacing)
{
    m_spacing = spacing;
}
