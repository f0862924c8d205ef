#pragma once
// A bitmap font held in one texture, the atlas: 16 x 16 equal cells, the glyph of byte k in
// column k % 16 and row k / 16, rows counted down from the top of the picture as seen. Each byte
// value gets a display list that draws its cell as a quad with the pen at its lower-left corner
// and then moves the pen right by one advance, so a string is one glCallLists over its bytes.
//
// The font is unusable until loadFontTexture succeeds: the texture, the glyph size (in texels)
// and the lists are made there. Text is drawn in blocks: beginText, any number of print calls,
// endText. A block saves and restores every GL attribute, but not the modelview matrix, which
// print replaces. The lists are compiled when the atlas loads and again only when the advance
// they hold changes: a text block costs no list building in a steady frame.
#include <cstdint>

#if defined(__GNUC__)
#define REVERSI_PRINTF_LIKE(formatIndex, firstArgument) \
    __attribute__((format(printf, formatIndex, firstArgument)))
#else
#define REVERSI_PRINTF_LIKE(formatIndex, firstArgument)
#endif

class TextureFont {
public:
    enum Flags : std::uint32_t {
        FontBlend = 1,   // white-on-black atlas blended over what is there: black texels leave it
        FontScale = 2,   // print scales the glyphs by the factors of setScale
        FontSpacing = 4, // the advance is glyphWidth x spacing instead of glyphWidth
    };
    static constexpr int GlyphCount = 256;

    // The virtual table runs buildGlyphLists, destructor, loadFontTexture, print: the
    // destructor is declared second on purpose.
    virtual void buildGlyphLists() = 0;
    virtual ~TextureFont();
    // False when the atlas is not a complete 24-bit picture; nothing changes then.
    virtual bool loadFontTexture(const char* path) = 0;
    // printf-style text with the first glyph's lower-left corner at (x, y) in the caller's
    // projection units. The formatted text is cut at 1023 bytes. A null format draws nothing.
    virtual void print(float x, float y, const char* format, ...) REVERSI_PRINTF_LIKE(4, 5) = 0;

    // Must be paired with endText.
    void beginText();
    void endText();

    // Adds flags; nothing clears one.
    void setFlags(std::uint32_t bits);
    // (x, y): the wanted size of one glyph cell in the caller's units, so call it after the
    // atlas has loaded. Without an atlas the glyphs are scaled to nothing.
    void setScale(float x, float y, float z);
    void setColour(float r, float g, float b);
    // Advance as a fraction of the glyph width (with FontSpacing); the next text block uses it.
    void setSpacing(float spacing);

    std::uint32_t flags() const { return m_flags; }
    bool isFontLoaded() const { return m_fontLoaded; }
    float glyphWidth() const { return m_glyphWidth; }   // texels
    float glyphHeight() const { return m_glyphHeight; } // texels
    const float* scale() const { return m_scale; }      // x, y, z factors
    std::uint32_t listBase() const { return m_listBase; }
    // The pen advance the flags and spacing ask for now, in texels.
    float advance() const;

    TextureFont(const TextureFont&) = delete;
    TextureFont& operator=(const TextureFont&) = delete;

protected:
    TextureFont() = default;

    std::uint32_t m_texture = 0;   // GL name of the atlas; lives until the process ends
    std::uint32_t m_listBase = 0;  // first of GlyphCount lists; 0 while none are built
    bool m_fontLoaded = false;
    std::uint32_t m_flags = 0;
    float m_scale[3] = {1.0f, 1.0f, 1.0f};
    float m_colour[3] = {1.0f, 1.0f, 1.0f}; // r, g, b in 0..1
    float m_glyphWidth = 0.0f;              // texels: atlas width / 16
    float m_glyphHeight = 0.0f;             // texels: atlas height / 16
    float m_spacing = 0.0f;
    float m_listAdvance = 0.0f; // texels: the advance compiled into the current lists
};
