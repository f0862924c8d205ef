#pragma once
// The title screen's animation, stepped once per title frame and never reset: the orange veil
// fades in from half to beyond full opacity, then the board appears spinning and the veil fades
// away at twice the speed it came.
class TitleAnimation {
public:
    static constexpr float FadeIn = 0.005f;   // veil alpha gained per frame until shown
    static constexpr float FadeOut = 0.01f;   // veil alpha lost per frame once shown
    static constexpr float ShownAbove = 1.2f; // the fade-in ends past full opacity: a solid pause
    static constexpr float SpinStep = 1.0f;   // degrees per frame

    void advance();

    float fade() const { return m_fade; }   // veil alpha; above 1 is passed to OpenGL as it is
    bool shown() const { return m_shown; }  // the board and the prompt are on screen
    float spin() const { return m_spin; }   // degrees, never wrapped

private:
    float m_fade = 0.5f;
    bool m_shown = false;
    float m_spin = 0.0f;
};
