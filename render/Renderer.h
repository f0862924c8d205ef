#pragma once
// The one renderer: the game's font (it is the concrete TextureFont) and the board scene, a
// wooden tray round a textured 8 x 8 surface, a disc on every occupied square and a spinning
// cone over the cursor square, seen through a fixed camera and tilted by an angle the players
// steer.
//
// World: one square is one unit, square (x, y) is centred at (x - 4.5, y - 4.5) on the plane
// z = 0, z up. The camera stands at (0, -12, 0) looking at the origin; the board turns by
// `tilt` degrees about x, so (1, 1) is the near left corner and (8, 8) the far right one.
//
// Frame protocol: beginFrame; for a 3D view beginCamera, drawScene, endCamera; then
// beginOverlay, the 2D drawing and text, endOverlay; last present. init runs once, after the
// window exists and before the first drawScene. Construction makes no OpenGL call.
#include "render/BoardPicking.h"
#include "render/CreditsBackground.h"
#include "render/Directions.h"
#include "render/GameGraph.h"
#include "render/ProgressChart.h"
#include "render/SceneMarks.h"
#include "render/SceneValues.h"
#include "render/TextureFont.h"
#include "rules/Cell.h"

#include <cstddef>
#include <cstdint>
#include <optional>

class Player;

class Renderer : public TextureFont {
public:
    static constexpr const char* FontAtlasPath = "./data/image/font3.tga";
    static constexpr const char* TrayPicturePath = "./data/image/tray.tga";

    static Renderer* instance();
    // Deletes the renderer (and its glyph lists); nothing when there is none.
    static void destroyInstance();

    void buildGlyphLists() override;
    ~Renderer() override = default;
    bool loadFontTexture(const char* path) override;
    void print(float x, float y, const char* format, ...) override REVERSI_PRINTF_LIKE(4, 5);

    // Font atlas, tray picture and text style; cursor on (3, 5), tilt 45.
    void init();
    // The board surface picture; a missing or unusable one leaves the surface plain white (and
    // one line on stderr names it). A missing atlas leaves the text invisible, the same way.
    void loadTrayTexture(const char* path);

    void beginFrame();
    void beginCamera();
    void endCamera();
    // Tray, discs from the Board, cursor marker. Leaves the tilt rotation on the modelview
    // matrix for the caller's endCamera; depth test and culling are on only while it draws.
    void drawScene();
    // The scene turned `degrees` about the title's spin axis (0, -1, 1) in the camera's view;
    // between beginCamera and endCamera, leaving the modelview matrix as it found it.
    void drawSpinningScene(float degrees);
    void drawTray();
    // x, y in 1..8; Empty and Wall draw nothing.
    void drawDisc(int x, int y, Cell value);
    // Also turns the marker 4 degrees for the next time.
    void drawCursor(int x, int y);
    void present();

    // A CursorDirection; the cursor stops at the board's edge.
    void moveCursor(std::int32_t direction);
    CellPos cursorCell() const { return m_cursor; }
    // Puts the cursor on `cell`, kept within the playing area.
    void setCursor(CellPos cell);
    // A TiltStep: one degree, within 30..90.
    void stepTilt(std::int32_t direction);
    float tilt() const { return m_tilt; }            // degrees
    float cursorSpin() const { return m_cursorSpin; } // degrees, never wrapped
    std::uint32_t trayTexture() const { return m_trayTexture; }

    TextureFont& font() { return *this; }

    // Marks drawn on the surface by the next drawScene calls; empty marks draw nothing.
    void setMarks(const SceneMarks& marks) { m_marks = marks; }
    void clearMarks() { m_marks = SceneMarks(); }
    // Values written on the surface by the next drawScene calls (over the marks' dots, which
    // their squares then leave out); empty values draw nothing.
    void setValues(const SceneValues& values) { m_values = values; }
    void clearValues() { m_values = SceneValues(); }
    // The matrices drawScene draws the board with, at the current tilt, in the current window.
    SceneView sceneView() const;
    // The playing square under the pointer at window pixel (column, row), rows from the top.
    std::optional<CellPos> squareAtPointer(int column, int row) const;

    // The 2D overlay maps the window to the unit square. endOverlay restores the window's
    // projection and leaves the modelview matrix the identity.
    void beginOverlay();
    void endOverlay();
    // Names and scores in the upper corners, player one on the left.
    void drawScorePanel(const Player& one, const Player& two);
    // One line centred near the top edge.
    void drawCentredMessage(const char* text);
    // One line centred on x at overlay height `y`.
    void drawCentredLine(const char* text, float y);
    // `count` lines on a dark panel over the middle of the window, the first at the top.
    void drawTextPanel(const char* const* lines, std::size_t count);
    // The orange veil over the whole overlay at `alpha` (see render/OrangeVeil.h).
    void drawOrangeVeil(float alpha);
    // The review's graph of the game along the bottom (see render/GameGraph.h).
    void drawGameGraph(const graph::Strip& strip);
    // The graph's position under the pointer at window pixel (column, row), rows from the top,
    // or -1 off the strip.
    int graphPositionAtPointer(int column, int row, int positions) const;
    // One line centred near the top edge like drawCentredMessage, narrowed to fit the window
    // when it is wider.
    void drawFittedMessage(const char* text);
    // The statistics screen's chart (see render/ProgressChart.h).
    void drawProgressChart(const chart::Series& series);
    // The credits picture over the whole overlay, read on the first call; black without it.
    void drawCreditsBackground();

private:
    // Loads the atlas at once when a path is given.
    explicit Renderer(const char* atlasPath = nullptr);

    // The camera's view (beginCamera) and the board's tilt (drawScene), on the current matrix.
    static void lookFromCamera();
    void tiltBoard() const;
    void drawMarks();
    void drawValues();

    static Renderer* s_instance;

    std::uint32_t m_trayTexture = 0; // GL name; lives until the process ends
    CellPos m_cursor;                // (0, 0) until init
    float m_tilt = 0.0f;             // degrees about x; 30..90 once init has run
    float m_cursorSpin = 0.0f;       // degrees the marker has turned, +4 per drawn frame
    SceneMarks m_marks;              // none unless a screen sets them
    SceneValues m_values;            // none unless a screen sets them
    CreditsBackground m_creditsBackground;
};
