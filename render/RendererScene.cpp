// The board scene's drawing: tray, discs and cursor marker from the constant shape tables.
#include "render/Renderer.h"

#include "render/ShapeTables.h"
#include "rules/Board.h"

#include <GL/gl.h>

namespace {

template <std::size_t N>
void drawShape(GLenum mode, const std::array<ColouredVertex, N>& vertices)
{
    glInterleavedArrays(GL_C3F_V3F, 0, vertices.data());
    glDrawArrays(mode, 0, GLsizei(N));
}

// Square (x, y)'s middle is (x - 4.5, y - 4.5) in world units.
constexpr float SquareOffset = 4.5f;
constexpr float DiscLift = 0.1f;   // disc's middle plane above the surface: it rests on z 0..0.2
constexpr float CursorLift = 0.3f; // cone base above the surface, clear of the discs
constexpr float CursorTurn = 4.0f; // degrees per drawn frame

} // namespace

void Renderer::drawScene()
{
    glEnable(GL_CULL_FACE);
    glEnable(GL_DEPTH_TEST);
    tiltBoard(); // left on the matrix until the caller's endCamera

    drawTray();
    drawMarks();
    drawValues();
    const Board& board = *Board::instance();
    for (std::uint8_t x = 1; x <= 8; ++x)
        for (std::uint8_t y = 1; y <= 8; ++y)
            drawDisc(x, y, board.cellValue(x, y));
    drawCursor(m_cursor.x, m_cursor.y);

    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
}

void Renderer::tiltBoard() const
{
    glRotatef(m_tilt, 1.0f, 0.0f, 0.0f);
}

namespace {

// The title spins the board about this axis, in the camera's view.
constexpr float TitleSpinAxis[3] = {0.0f, -1.0f, 1.0f};

} // namespace

void Renderer::drawSpinningScene(float degrees)
{
    glPushMatrix();
    glRotatef(degrees, TitleSpinAxis[0], TitleSpinAxis[1], TitleSpinAxis[2]);
    drawScene();
    glPopMatrix();
}

void Renderer::drawTray()
{
    glPushMatrix();
    glTranslatef(-4.0f, -4.0f, 0.0f); // tray coordinates 0..8 cover the playing area

    drawShape(GL_QUAD_STRIP, shapes::TrayTopRim);
    drawShape(GL_QUAD_STRIP, shapes::TrayInnerWall);
    drawShape(GL_QUAD_STRIP, shapes::TrayOuterWall);

    glBindTexture(GL_TEXTURE_2D, m_trayTexture);
    glEnable(GL_TEXTURE_2D);
    glBegin(GL_QUADS);
    glColor3f(1.0f, 1.0f, 1.0f);
    glTexCoord2f(0.0f, 0.0f);
    glVertex3f(0.0f, 0.0f, 0.0f);
    glTexCoord2f(1.0f, 0.0f);
    glVertex3f(8.0f, 0.0f, 0.0f);
    glTexCoord2f(1.0f, 1.0f);
    glVertex3f(8.0f, 8.0f, 0.0f);
    glTexCoord2f(0.0f, 1.0f);
    glVertex3f(0.0f, 8.0f, 0.0f);
    glEnd();
    glDisable(GL_TEXTURE_2D);

    glPopMatrix();
}

void Renderer::drawDisc(int x, int y, Cell value)
{
    if (value != White && value != Black)
        return;

    glPushMatrix();
    glTranslatef(float(x) - SquareOffset, float(y) - SquareOffset, DiscLift);
    // A half turn about x puts the dark face on top.
    if (value == Black)
        glRotatef(180.0f, 1.0f, 0.0f, 0.0f);
    drawShape(GL_TRIANGLE_FAN, shapes::WhiteFace);
    drawShape(GL_QUAD_STRIP, shapes::WhiteSide);
    glRotatef(180.0f, 1.0f, 0.0f, 0.0f);
    drawShape(GL_TRIANGLE_FAN, shapes::BlackFace);
    drawShape(GL_QUAD_STRIP, shapes::BlackSide);
    glPopMatrix();
}

void Renderer::drawCursor(int x, int y)
{
    glPushMatrix();
    glTranslatef(-SquareOffset, -SquareOffset, CursorLift);
    glTranslatef(float(x), float(y), 0.0f);
    glRotatef(m_cursorSpin, 0.0f, 0.0f, 1.0f);
    drawShape(GL_TRIANGLE_FAN, shapes::CursorCone);
    glPopMatrix();
    m_cursorSpin += CursorTurn;
}
