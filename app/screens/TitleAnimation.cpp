#include "app/screens/TitleAnimation.h"

void TitleAnimation::advance()
{
    m_spin += SpinStep;
    if (!m_shown) {
        m_fade += FadeIn;
        if (m_fade > ShownAbove)
            m_shown = true;
    } else {
        m_fade -= FadeOut;
        if (m_fade < 0.0f)
            m_fade = 0.0f;
    }
}
