#include "render/Renderer.h"

#include "render/GlCheck.h"

#include "render/CursorControl.h"
#include "render/TextureUpload.h"
#include "image/PictureCheck.h"
#include "image/TgaImage.h"

#include <SDL.h>
#include <algorithm>
#include <GL/gl.h>
#include <GL/glu.h>

namespace {
constexpr CellPos StartCursor = {3, 5};
constexpr float StartTilt = 45.0f;
// Text style: 0.03 x 0.03 glyph cells (overlay units) and a pen advance of 0.6 of a cell.
constexpr float GlyphCellSize = 0.03f;
constexpr float GlyphSpacing = 0.6f;
} // namespace

Renderer* Renderer::s_instance = nullptr;

Renderer* Renderer::instance()
{
    if (!s_instance)
        s_instance = new Renderer();
    return s_instance;
}

void Renderer::destroyInstance()
{
    delete s_instance;
    s_instance = nullptr;
}

Renderer::Renderer(const char* atlasPath)
{
    // The class is complete here, so this reaches Renderer's own loader.
    if (atlasPath)
        loadFontTexture(atlasPath);
}

void Renderer::init()
{
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    loadFontTexture(FontAtlasPath); // without an atlas the text stays invisible
    setFlags(FontBlend | FontScale | FontSpacing);
    setColour(1.0f, 1.0f, 1.0f);
    setScale(GlyphCellSize, GlyphCellSize, 1.0f);
    setSpacing(GlyphSpacing);
    loadTrayTexture(TrayPicturePath);
    m_cursor = StartCursor;
    m_tilt = StartTilt;
}

void Renderer::loadTrayTexture(const char* path)
{
    const TgaImage picture(path);
    checkPicture(path, picture);
    bindLinearTexture(m_trayTexture); // the same name again when called twice
    uploadBgrPicture(picture);
}

void Renderer::beginFrame()
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
}

void Renderer::beginCamera()
{
    glPushMatrix();
    glLoadIdentity();
    lookFromCamera();
}

void Renderer::lookFromCamera()
{
    gluLookAt(0.0, -12.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.0);
}

void Renderer::endCamera()
{
    glPopMatrix();
    checkGlErrors("the 3D view");
}

void Renderer::present()
{
    // Without a video mode SDL has no context to swap.
    if (SDL_GetVideoSurface())
        SDL_GL_SwapBuffers();
}

void Renderer::moveCursor(std::int32_t direction)
{
    m_cursor = movedCursor(m_cursor, direction);
}

void Renderer::setCursor(CellPos cell)
{
    m_cursor.x = std::uint8_t(std::clamp(int(cell.x), 1, 8));
    m_cursor.y = std::uint8_t(std::clamp(int(cell.y), 1, 8));
}

void Renderer::stepTilt(std::int32_t direction)
{
    m_tilt = steppedTilt(m_tilt, direction);
}
