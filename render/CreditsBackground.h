#pragma once
// The picture behind the credits line, filling the whole overlay.
//
// The picture is read and made into a texture on the first draw and kept for the rest of the
// run (the texture lives until the process ends). Only a complete 24-bit picture is used: any
// other file, or none, leaves the screen behind the text black, and one line on stderr says why.
// The Renderer owns the game's one and draws it; nothing else calls OpenGL for it.
#include <cstdint>
#include <string>

class CreditsBackground {
public:
    static constexpr const char* DefaultPath = "./data/image/fond.tga";

    explicit CreditsBackground(std::string path = DefaultPath);

    // Between beginOverlay and endOverlay, before the text: one white, textured, unblended quad.
    void draw();
    bool isLoaded() const { return m_texture != 0; }

private:
    void load();

    std::string m_path;
    bool m_loadTried = false;
    std::uint32_t m_texture = 0; // GL texture name; 0 while there is no picture
};
